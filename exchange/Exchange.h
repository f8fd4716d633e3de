#pragma once
// The four copy and paste patterns and the reference files, as functions of
// a text list or of raw clipboard bytes. Nothing here touches the clipboard.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include "TextList.h"
#include "Uni2euc.h"

enum class TRefForm { Dec, Hex };  // "&#%d;" or "&#x%x;"

// --- copy ---
// CF_TEXT bytes, no terminator: 32 and codes 1-127 as one byte, other codes
// as their two bytes, high first (a zero high byte gives nothing, a zero
// low byte only the high byte).
std::string EucText(const TTextList& list, const TUni2Euc& table);
std::u16string Utf16Text(const TTextList& list);                    // low 16 bits of each entry, no terminator
std::string RefText(const TTextList& list, TRefForm form);          // spaces as " ", others as references
std::string RefFileContent(const TTextList& list, TRefForm form);   // RefText + CR LF, or "" for an empty list

// --- paste: each appends to target ---
// Reads units up to the first 0 or up to count units, whichever comes first.
void DecodeUtf16(const char16_t* units, size_t count, TTextList& target);
// Reads bytes up to the first 0 byte; the end of the buffer counts as a 0.
// A byte below 0x80 is one character; a higher byte leads a two-byte pair
// looked up in the table (32 when it has no record).
void DecodeEuc(const uint8_t* bytes, size_t count, const TUni2Euc& table, TTextList& target);
void ParseRefs(std::string_view text, TTextList& target);
int32_t RefValue(std::string_view body);  // the value of one reference body, 0 when malformed
