#include "KeyMap.h"

#include "Jamo.h"

namespace {

constexpr uint16_t VkBack = 8, VkSpace = 32, VkA = 'A', VkZ = 'Z';

// Tags for the letters A-Z: without Shift, and with Shift. The virtual-key
// code of a letter is its upper-case letter whatever Caps Lock says, so only
// Shift can select the second column.
struct TLetterKeys {
  int8_t Plain, Shifted;
};

constexpr TLetterKeys Letters[26] = {
    {7, 7},    // A ㅁ
    {67, 67},  // B ㅠ
    {15, 15},  // C ㅊ
    {12, 12},  // D ㅇ
    {4, 5},    // E ㄷ ㄸ
    {6, 6},    // F ㄹ
    {19, 19},  // G ㅎ
    {58, 58},  // H ㅗ
    {52, 52},  // I ㅑ
    {54, 54},  // J ㅓ
    {50, 50},  // K ㅏ
    {70, 70},  // L ㅣ
    {68, 68},  // M ㅡ
    {63, 63},  // N ㅜ
    {51, 53},  // O ㅐ ㅒ
    {55, 57},  // P ㅔ ㅖ
    {8, 9},    // Q ㅂ ㅃ
    {1, 2},    // R ㄱ ㄲ
    {3, 3},    // S ㄴ
    {10, 11},  // T ㅅ ㅆ
    {56, 56},  // U ㅕ
    {18, 18},  // V ㅍ
    {13, 14},  // W ㅈ ㅉ
    {17, 17},  // X ㅌ
    {62, 62},  // Y ㅛ
    {16, 16},  // Z ㅋ
};

}  // namespace

TKeyAction MapKey(uint16_t virtualKey, bool shift, bool ctrl) {
  if (virtualKey == VkBack) return {TKeyKind::BackSpace, 0, "btBack"};
  if (virtualKey == VkSpace) return {TKeyKind::Space, 0, "btSpace"};
  if (virtualKey < VkA || virtualKey > VkZ) return {};
  if (ctrl && virtualKey == 'C') return {TKeyKind::Copy, 0, "btCopy"};
  if (ctrl && virtualKey == 'V') return {TKeyKind::Paste, 0, "btPaste"};
  const TLetterKeys& keys = Letters[virtualKey - VkA];
  const int8_t tag = shift ? keys.Shifted : keys.Plain;
  return {TKeyKind::Jamo, tag, JamoByTag(tag)->Button};
}
