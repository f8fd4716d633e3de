#pragma once
// TKeyboard: the two-set Hangul composition engine. It holds the committed
// text and a buffer of up to five jamo tags for the syllable being composed.
#include <cstdint>
#include "TextList.h"

class TKeyboard {
public:
  TKeyboard() = default;

  // Adds one jamo tag (1-19 consonants, 50-70 vowels) and returns the code
  // being composed afterwards. Any other tag is ignored.
  int32_t AddJamo(int8_t tag);
  // Commits what is being composed, then appends the code as it is.
  void AddChar(int32_t code);
  // Fills the list with the committed text plus the code being composed.
  void GetText(TTextList& list) const;
  int32_t BackSpace();
  void Clear();
  int32_t CurrentCode() const;

  // Paste support: commit what is being composed (as AddChar begins), then
  // append codes to the committed text directly.
  void CommitCurrent();
  TTextList& Text() { return FText; }

  static int FinalIndex(int first, int following);
  static int CombineVowel(int first, int following);

private:
  void Compose();
  void ShiftBuffer(int n);
  void Commit(int32_t code);

  int8_t FBuffer[5] = {};
  int32_t FCurrent = 0;
  int32_t FLength = 0;
  TTextList FText;
};
