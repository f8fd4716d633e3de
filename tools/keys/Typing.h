#pragma once
// A text on the command line as keystrokes: an ASCII letter is the PC key of
// that letter in the two-set arrangement (upper case = with Shift), a space
// is the space key, and every other character is pasted as it is.
#include <string>

#include "TextList.h"

TTextList TypeText(const std::u16string& text);
