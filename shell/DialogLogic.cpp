#include "DialogLogic.h"
#include <algorithm>

TPatternFields PatternFieldsOf(const TSettingData& s) {
  return {s.CopyPattern, s.CopyClear, s.PastePattern, s.PasteClear};
}

void StorePatternFields(const TPatternFields& f, TSettingData& s) {
  s.CopyPattern = f.CopyPattern;
  s.CopyClear = f.CopyClear;
  s.PastePattern = f.PastePattern;
  s.PasteClear = f.PasteClear;
}

namespace {
bool IsPattern(int32_t p) { return p >= 0 && p <= 3; }
}  // namespace

void LoadPatternChoice(const TPatternFields& f, TPatternChoice& c) {
  if (IsPattern(f.CopyPattern)) c.CopyChecked = f.CopyPattern;
  if (IsPattern(f.PastePattern)) c.PasteChecked = f.PastePattern;
  c.CopyClear = f.CopyClear != 0;
  c.PasteClear = f.PasteClear != 0;
}

void StorePatternChoice(const TPatternChoice& c, TPatternFields& f) {
  if (IsPattern(c.CopyChecked)) f.CopyPattern = c.CopyChecked;
  if (IsPattern(c.PasteChecked)) f.PastePattern = c.PasteChecked;
  f.CopyClear = c.CopyClear ? 1 : 0;
  f.PasteClear = c.PasteClear ? 1 : 0;
}

int TrackPosition(int32_t alpha) { return std::clamp<int32_t>(alpha, TrackMin, TrackMax); }

// 64-bit so that a stored Alpha near the 32-bit limit cannot overflow.
int64_t AlphaPercent(int64_t value) { return value * 100 / 255; }

int LayoutIndex(int32_t keyLayout) { return std::clamp<int32_t>(keyLayout, -1, 1); }

void StoreOptionResult(const TOptionResult& r, TSettingData& s) {
  s.Alpha = r.Track;
  s.CopyMinimize = r.Minimize ? 1 : 0;
  s.KeyLayout = r.LayoutIndex;
}
