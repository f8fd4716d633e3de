#pragma once
// What the two dialogs do with the settings, apart from their windows.
#include <cstdint>
#include "Sdat.h"

// The four consecutive fields the pattern dialog edits, in record order.
struct TPatternFields {
  int32_t CopyPattern, CopyClear, PastePattern, PasteClear;
};
TPatternFields PatternFieldsOf(const TSettingData& s);
void StorePatternFields(const TPatternFields& f, TSettingData& s);

// The state of the pattern dialog's controls. The controls keep their state
// between openings, so this lives as long as the dialog does.
struct TPatternChoice {
  int CopyChecked = -1;  // 0..3, or -1 when no radio button is checked
  bool CopyClear = false;
  int PasteChecked = -1;
  bool PasteClear = false;
};
// A stored pattern outside 0..3 leaves its radio group as it was.
void LoadPatternChoice(const TPatternFields& f, TPatternChoice& c);
// A group with nothing checked leaves its pattern as it was.
void StorePatternChoice(const TPatternChoice& c, TPatternFields& f);

// The options dialog's slider runs from 100 to 255.
constexpr int TrackMin = 100, TrackMax = 255, TrackTickStep = 5;
int TrackPosition(int32_t alpha);
// The percentage beside the slider: value * 100 / 255, remainder dropped.
int64_t AlphaPercent(int64_t value);
// The radio group's index: -1 (nothing selected), 0 or 1.
int LayoutIndex(int32_t keyLayout);

// What OK in the options dialog stores.
struct TOptionResult {
  int Track;
  bool Minimize;
  int LayoutIndex;
};
void StoreOptionResult(const TOptionResult& r, TSettingData& s);
