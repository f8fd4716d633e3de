#pragma once
// Feeds a keystroke string to an engine the way the main window does:
// a letter is the PC key of that letter (upper case = with Shift), ' ' the
// space key, '<' back space and '#' the clear button.
#include <string>
#include <string_view>

#include "KeyMap.h"
#include "Keybord.h"

inline std::u16string VisibleText(const TKeyboard& keyboard) {
  TTextList list;
  keyboard.GetText(list);
  std::u16string text;
  for (int32_t code : list) text += static_cast<char16_t>(code);
  return text;
}

inline void TypeKeys(TKeyboard& keyboard, std::string_view keys) {
  for (char key : keys) {
    if (key == '<') {
      keyboard.BackSpace();
    } else if (key == '#') {
      keyboard.Clear();
    } else {
      const bool shift = key >= 'A' && key <= 'Z';
      const char upper = key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
      const TKeyAction action = MapKey(static_cast<uint16_t>(upper), shift, false);
      if (action.Kind == TKeyKind::Jamo) keyboard.AddJamo(action.Tag);
      if (action.Kind == TKeyKind::Space) keyboard.AddChar(32);
    }
  }
}

inline std::u16string Typed(std::string_view keys) {
  TKeyboard keyboard;
  TypeKeys(keyboard, keys);
  return VisibleText(keyboard);
}
