#include "Keybord.h"

#include <iterator>

#include "Jamo.h"

namespace {

// Final index of each consonant tag 1-19 standing alone; ㄸ ㅃ ㅉ have none.
constexpr int8_t SingleFinal[20] = {0, 1, 2, 4, 7, 0, 8, 16, 17, 0, 19, 20, 21, 22, 0, 23, 24, 25, 26, 27};

struct TPair {
  int8_t First, Following, Result;
};

constexpr TPair CompoundFinals[] = {
    {1, 10, 3},  {3, 13, 5},  {3, 19, 6},  {6, 1, 9},   {6, 7, 10},  {6, 8, 11},
    {6, 10, 12}, {6, 17, 13}, {6, 18, 14}, {6, 19, 15}, {8, 10, 18},
};

constexpr TPair CompoundVowels[] = {
    {58, 50, 59}, {58, 51, 60}, {58, 70, 61}, {63, 54, 64}, {63, 55, 65}, {63, 70, 66}, {68, 70, 69},
};

// The pairs spread into square tables at compile time, so that a lookup on
// every key is one index instead of a search.
template <int First, int Count, size_t N>
struct TPairTable {
  int8_t Result[Count][Count] = {};
  constexpr explicit TPairTable(const TPair (&pairs)[N]) {
    for (const TPair& pair : pairs) Result[pair.First - First][pair.Following - First] = pair.Result;
  }
  constexpr int operator()(int first, int following) const {
    if (first < First || first >= First + Count || following < First || following >= First + Count) return 0;
    return Result[first - First][following - First];
  }
};

constexpr TPairTable<1, 19, std::size(CompoundFinals)> CompoundFinalTable(CompoundFinals);
constexpr TPairTable<50, 21, std::size(CompoundVowels)> CompoundVowelTable(CompoundVowels);

}  // namespace

int TKeyboard::FinalIndex(int first, int following) {
  if (following == 0) return first >= 1 && first <= 19 ? SingleFinal[first] : 0;
  return CompoundFinalTable(first, following);
}

int TKeyboard::CombineVowel(int first, int following) {
  return CompoundVowelTable(first, following);
}

int32_t TKeyboard::AddJamo(int8_t tag) {
  // Only real jamo tags free buffer slots through the commit rules; anything
  // else could pile up in the buffer, so it is refused outright.
  if (!IsJamoTag(tag) || FLength >= 5) return FCurrent;
  FBuffer[FLength++] = tag;
  Compose();
  FCurrent = CurrentCode();
  return FCurrent;
}

void TKeyboard::Commit(int32_t code) { FText.push_back(code); }

void TKeyboard::Compose() {
  int k = FLength - 1;  // tags ahead of the new one
  int x = FBuffer[k];
  if (k >= 1) {
    if (int compound = CombineVowel(FBuffer[k - 1], x)) {
      FBuffer[k - 1] = static_cast<int8_t>(compound);
      --FLength;
      --k;
      x = compound;
    }
  }
  const bool vowel = IsVowelTag(x);
  switch (k) {
    case 0:
      if (vowel) {
        Commit(LoneCode(x));
        ShiftBuffer(1);
      }
      break;
    case 1:
      if (!vowel) {
        Commit(LoneCode(FBuffer[0]));
        ShiftBuffer(1);
      }
      break;
    case 2:
      if (vowel) {
        // The vowel cannot join this syllable and cannot stand behind it
        // without a consonant: both are committed.
        Commit(SyllableCode(FBuffer[0], FBuffer[1], 0));
        Commit(LoneCode(x));
        ShiftBuffer(3);
      } else if (FinalIndex(x, 0) == 0) {  // ㄸ ㅃ ㅉ never close a syllable
        Commit(SyllableCode(FBuffer[0], FBuffer[1], 0));
        ShiftBuffer(2);
      }
      break;
    case 3:
      if (vowel) {  // the final moves on to start the next syllable
        Commit(SyllableCode(FBuffer[0], FBuffer[1], 0));
        ShiftBuffer(2);
      } else if (FinalIndex(FBuffer[2], x) == 0) {
        Commit(SyllableCode(FBuffer[0], FBuffer[1], FinalIndex(FBuffer[2], 0)));
        ShiftBuffer(3);
      }
      break;
    case 4:
      if (vowel) {  // the compound splits: its second consonant moves on
        Commit(SyllableCode(FBuffer[0], FBuffer[1], FinalIndex(FBuffer[2], 0)));
        ShiftBuffer(3);
      } else {
        Commit(SyllableCode(FBuffer[0], FBuffer[1], FinalIndex(FBuffer[2], FBuffer[3])));
        ShiftBuffer(4);
      }
      break;
  }
}

void TKeyboard::ShiftBuffer(int n) {
  if (n > FLength) n = FLength;
  for (int i = n; i < FLength; ++i) FBuffer[i - n] = FBuffer[i];
  FLength -= n;
}

int32_t TKeyboard::CurrentCode() const {
  switch (FLength) {
    case 1: return LoneCode(FBuffer[0]);
    case 2: return SyllableCode(FBuffer[0], FBuffer[1], 0);
    case 3: return SyllableCode(FBuffer[0], FBuffer[1], FinalIndex(FBuffer[2], 0));
    case 4: return SyllableCode(FBuffer[0], FBuffer[1], FinalIndex(FBuffer[2], FBuffer[3]));
    default: return 0;
  }
}

void TKeyboard::CommitCurrent() {
  if (FLength > 0) Commit(FCurrent);
  FLength = 0;
  FCurrent = 0;
}

void TKeyboard::AddChar(int32_t code) {
  CommitCurrent();
  Commit(code);
}

void TKeyboard::GetText(TTextList& list) const {
  list.assign(FText.begin(), FText.end());
  if (FCurrent != 0) list.push_back(FCurrent);
}

int32_t TKeyboard::BackSpace() {
  // Never reopens committed text: a compound final loses its second consonant,
  // a compound vowel (one tag) goes whole.
  if (FLength > 0)
    --FLength;
  else if (!FText.empty())
    FText.pop_back();
  FCurrent = CurrentCode();
  return FCurrent;
}

void TKeyboard::Clear() {
  FText.clear();
  FLength = 0;
  FCurrent = 0;
}
