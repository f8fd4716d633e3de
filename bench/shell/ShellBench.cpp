// What one key press costs the main window apart from Win32: the key preview,
// the engine call and the strip redraw, measured side by side with the parts.
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string_view>
#include "Glyphs.h"
#include "KeyPreview.h"
#include "Keybord.h"

namespace {

// A Korean sentence typed on the two-set arrangement, with spaces.
constexpr std::string_view Keys = "DKSSUDGKTPDY RHKSWKSTNF GKSRMF DLQFUR ";

const TGlyphs& Glyphs() {
  static const TGlyphs glyphs = [] {
    TGlyphs g;
    if (!g.LoadFromDirectory(std::filesystem::path(TOLVEX_SOURCE_DIR) / "resources" / "glyphs")) {
      std::cerr << "cannot load the glyph pictures\n";
      std::exit(1);
    }
    return g;
  }();
  return glyphs;
}

void BM_PreviewKey(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PreviewKey(static_cast<uint16_t>(Keys[i]), false, false));
    i = (i + 1) % Keys.size();
  }
  state.SetItemsProcessed(state.iterations());
}

// Preview, engine call, GetText into a fresh list and a full strip redraw,
// as the key handler does; the text is cleared once the strip is full.
void BM_KeyToStrip(benchmark::State& state) {
  TKeyboard keyboard;
  TStrip strip;
  const TGlyphs& glyphs = Glyphs();
  size_t i = 0;
  for (auto _ : state) {
    TKeyPreview p = PreviewKey(static_cast<uint16_t>(Keys[i]), false, false);
    if (p.Action.Kind == TKeyKind::Jamo) keyboard.AddJamo(p.Action.Tag);
    else keyboard.AddChar(32);
    TTextList list;
    keyboard.GetText(list);
    strip.DrawText(&list, glyphs);
    if (list.size() > 22) keyboard.Clear();
    i = (i + 1) % Keys.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_StripRedrawOnly(benchmark::State& state) {
  TTextList list(22, 0xD55C);
  TStrip strip;
  const TGlyphs& glyphs = Glyphs();
  for (auto _ : state) {
    strip.DrawText(&list, glyphs);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK(BM_PreviewKey);
BENCHMARK(BM_KeyToStrip);
BENCHMARK(BM_StripRedrawOnly);

}  // namespace

BENCHMARK_MAIN();
