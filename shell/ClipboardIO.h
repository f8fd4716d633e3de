#pragma once
// Data in and out of the clipboard, which the caller holds open (TClipboard).
#include <windows.h>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Puts a copy of the bytes on the clipboard. The memory passes to the
// clipboard only once it accepted it; otherwise it is freed and an error
// thrown, so a refused copy is never reported as done.
void SetClipboardBytes(UINT format, const void* data, size_t size);
void SetClipboardText(const std::string& bytes);  // CF_TEXT, zero-terminated

// A copy of the clipboard's block in the format, exactly as large as the
// block: another program's data may lack its terminator, so nothing is read
// past the block's end. Empty when the clipboard has no such data.
std::vector<uint8_t> ClipboardBlock(UINT format);
// Bytes up to the first zero byte or the end of the block.
std::string ClipboardText(UINT format = CF_TEXT);
// 16-bit units up to the first zero unit or the end of the block; a trailing
// odd byte is no unit.
std::u16string ClipboardUnicode(UINT format = CF_UNICODETEXT);
