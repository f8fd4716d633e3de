// Strip redraw cost for a full strip and for a huge text (which must cost
// the same), plus the one-off glyph load at start-up.
#include "Glyphs.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace {

const std::filesystem::path GlyphDir = std::filesystem::path(TOLVEX_SOURCE_DIR) / "resources" / "glyphs";

const TGlyphs& Glyphs() {
  static const TGlyphs glyphs = [] {
    TGlyphs g;
    if (!g.LoadFromDirectory(GlyphDir)) {
      std::cerr << "cannot load glyphs from " << GlyphDir << "\n";
      std::exit(1);
    }
    return g;
  }();
  return glyphs;
}

// Syllables spread over the atlases with a lone jamo now and then, as typed.
TTextList TypicalText(size_t count) {
  TTextList text(count);
  for (size_t i = 0; i < count; ++i)
    text[i] = i % 7 == 6 ? 0x1100 + static_cast<int32_t>(i % 19)
                         : 0xAC00 + static_cast<int32_t>((i * 2654435761u) % 11172);
  return text;
}

void BM_StripRedraw(benchmark::State& state) {
  const TTextList text = TypicalText(static_cast<size_t>(state.range(0)));
  TStrip strip;
  for (auto _ : state) {
    strip.DrawText(&text, Glyphs());
    benchmark::DoNotOptimize(strip.Row(0));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_StripRedraw)->Arg(0)->Arg(22)->Arg(1'000'000);

void BM_LoadGlyphs(benchmark::State& state) {
  for (auto _ : state) {
    TGlyphs glyphs;
    benchmark::DoNotOptimize(glyphs.LoadFromDirectory(GlyphDir));
  }
}
BENCHMARK(BM_LoadGlyphs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
