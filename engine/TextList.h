#pragma once
// The text list: one UTF-16 code unit per entry for typed and pasted text,
// or any 32-bit value that a character-reference paste brought in.
#include <cstdint>
#include <vector>

using TTextList = std::vector<int32_t>;
