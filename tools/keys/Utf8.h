#pragma once
// UTF-8 at the edges of the command line: bytes in, UTF-16 units for the
// engine; text list out, UTF-8 bytes for the terminal.
#include <string>
#include <string_view>

#include "TextList.h"

// Malformed sequences become U+FFFD, one per maximal ill-formed subpart;
// characters above U+FFFF become surrogate pairs.
std::u16string Utf8ToUtf16(std::string_view bytes);

// Appends one code point; anything that is no Unicode scalar value gives U+FFFD.
void AppendUtf8(char32_t code, std::string& out);

// A high and a low surrogate in a row are joined; any other surrogate and
// any entry outside U+0000-U+10FFFF prints as U+FFFD.
std::string TextToUtf8(const TTextList& text);
