#pragma once
// The 40 jamo keys: tag, button name and glyph number, plus the arithmetic
// that turns tags into code points. Consonant tags follow the Unicode order
// of initial consonants and vowel tags the order of medial vowels, so every
// code follows from the tags by addition and multiplication.
#include <cstdint>
#include <string_view>

constexpr bool IsConsonantTag(int tag) { return tag > 0 && tag < 50; }
constexpr bool IsVowelTag(int tag) { return tag >= 50 && tag < 100; }
// The tags a key or button can carry; every other value is refused.
constexpr bool IsJamoTag(int tag) { return (tag >= 1 && tag <= 19) || (tag >= 50 && tag <= 70); }

constexpr int32_t ConsonantBase = 4351;   // tag 1 -> U+1100
constexpr int32_t VowelBase = 4399;       // tag 50 -> U+1161
constexpr int32_t SyllableBase = 42632;   // 0xAC00 - 50 * 28: vowel tags start at 50
constexpr int32_t CodesPerInitial = 588;  // 21 vowels * 28 finals
constexpr int32_t CodesPerVowel = 28;

constexpr int32_t LoneCode(int tag) { return IsConsonantTag(tag) ? tag + ConsonantBase : tag + VowelBase; }
// Initial consonant tag, vowel tag (50-70) and final index (0-27).
constexpr int32_t SyllableCode(int initial, int vowel, int finalIndex) {
  return SyllableBase + (initial - 1) * CodesPerInitial + vowel * CodesPerVowel + finalIndex;
}

struct TJamo {
  int8_t Tag;
  const char* Button;
  int Glyph;  // index of the jamo picture: tag - 1 for consonants, tag - 31 for vowels
};

constexpr int JamoCount = 40;

// In Unicode jamo order: the 19 consonants, then the 21 vowels.
inline constexpr TJamo Jamos[JamoCount] = {
    {1, "bbG", 0},      {2, "bbGG", 1},     {3, "bbN", 2},     {4, "bbD", 3},     {5, "bbDD", 4},
    {6, "bbL", 5},      {7, "bbM", 6},      {8, "bbB", 7},     {9, "bbBB", 8},    {10, "bbS", 9},
    {11, "bbSS", 10},   {12, "bbNG", 11},   {13, "bbJ", 12},   {14, "bbJJ", 13},  {15, "bbCH", 14},
    {16, "bbKH", 15},   {17, "bbTH", 16},   {18, "bbPH", 17},  {19, "bbH", 18},
    {50, "bbA", 19},    {51, "bbAE1", 20},  {52, "bbYA", 21},  {53, "bbYAE1", 22}, {54, "bbO1", 23},
    {55, "bbOE1", 24},  {56, "bbYO1", 25},  {57, "bbYOE1", 26}, {58, "bbO2", 27}, {59, "bbOA", 28},
    {60, "bbOAE", 29},  {61, "bbOI", 30},   {62, "bbYO2", 31}, {63, "bbU1", 32},  {64, "bbUO", 33},
    {65, "bbUOI", 34},  {66, "bbUI", 35},   {67, "bbYU", 36},  {68, "bbU2", 37},  {69, "bbUI2", 38},
    {70, "bbI", 39},
};

// nullptr for a value that is no jamo tag.
constexpr const TJamo* JamoByTag(int tag) {
  if (!IsJamoTag(tag)) return nullptr;
  return &Jamos[IsConsonantTag(tag) ? tag - 1 : tag - 31];
}

constexpr const TJamo* JamoByButton(std::string_view button) {
  for (const TJamo& jamo : Jamos)
    if (button == jamo.Button) return &jamo;
  return nullptr;
}
