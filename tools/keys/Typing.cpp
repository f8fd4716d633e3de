#include "Typing.h"

#include "KeyMap.h"
#include "Keybord.h"

namespace {

bool IsAsciiLetter(char16_t unit) { return (unit >= 'A' && unit <= 'Z') || (unit >= 'a' && unit <= 'z'); }

}  // namespace

TTextList TypeText(const std::u16string& text) {
  TKeyboard keyboard;
  for (char16_t unit : text) {
    if (IsAsciiLetter(unit)) {
      const bool shift = unit <= 'Z';
      const auto key = static_cast<uint16_t>(shift ? unit : unit - 'a' + 'A');
      const TKeyAction action = MapKey(key, shift, false);
      if (action.Kind == TKeyKind::Jamo) keyboard.AddJamo(action.Tag);
    } else if (unit == u' ') {
      keyboard.AddChar(32);
    } else {
      // As a paste does: the syllable being composed goes first.
      keyboard.CommitCurrent();
      keyboard.Text().push_back(unit);
    }
  }
  TTextList list;
  keyboard.GetText(list);
  return list;
}
