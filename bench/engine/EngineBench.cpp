// Keys per second through the two-set composition: our engine against
// libhangul's hangul_ic_process on the same key stream.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "KeyMap.h"
#include "Keybord.h"

#ifdef TOLVEX_BENCH_LIBHANGUL
#include <hangul.h>
#endif

namespace {

// Everyday Korean sentences typed in the two-set arrangement: compound
// vowels and finals, finals moving on, Shift for the tense consonants.
constexpr const char* Sentences[] = {
    "dkssudgktpdy wjsms gkrtoddlqslek ",
    "dhsmf skfTlsms akfrrh whgdmsepdy ",
    "rhoscksgdk rjrwjdgkwl aktpdy ",
    "gksrnrdjfmf qodnrh dlTdjdy ",
    "dmadkrdmf emfdmau cordmf dlfrrh dlTtmqslek ",
    "dlrjtdms dkwn rlsrmqgks answkddlqslek ",
    "chlrmsdp clsrndhk dlfqhsdp rkTekdhkTtmqslek ",
    "dnflsms qkqdmf ajrrh ehtjrhksdp rkqslek ",
    "Ekfrlfmf aksgdl ajrdjTdjdy ",
};

std::string KeyStream(size_t minimumKeys) {
  std::string stream;
  while (stream.size() < minimumKeys)
    for (const char* sentence : Sentences) stream += sentence;
  return stream;
}

const std::string& Keys() {
  static const std::string keys = KeyStream(100000);
  return keys;
}

void TypeWithEngine(TKeyboard& keyboard, const std::string& keys) {
  for (char key : keys) {
    if (key == ' ') {
      keyboard.AddChar(32);
      continue;
    }
    const bool shift = key >= 'A' && key <= 'Z';
    const auto vk = static_cast<uint16_t>(shift ? key : key - 'a' + 'A');
    const TKeyAction action = MapKey(vk, shift, false);
    if (action.Kind == TKeyKind::Jamo) keyboard.AddJamo(action.Tag);
  }
}

void BM_Engine(benchmark::State& state) {
  const std::string& keys = Keys();
  for (auto _ : state) {
    TKeyboard keyboard;
    TypeWithEngine(keyboard, keys);
    TTextList text;
    keyboard.GetText(text);
    benchmark::DoNotOptimize(text.data());
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * keys.size()));
  state.SetLabel("keys");
}
BENCHMARK(BM_Engine)->Unit(benchmark::kMicrosecond);

#ifdef TOLVEX_BENCH_LIBHANGUL
void Append(std::vector<ucschar>& text, const ucschar* codes) {
  while (*codes != 0) text.push_back(*codes++);
}

// The same work as the engine does: every committed code is collected, a
// space commits what is being composed and is appended.
void BM_Libhangul(benchmark::State& state) {
  const std::string& keys = Keys();
  HangulInputContext* context = hangul_ic_new("2");
  for (auto _ : state) {
    hangul_ic_reset(context);
    std::vector<ucschar> text;
    for (char key : keys) {
      if (hangul_ic_process(context, key)) {
        Append(text, hangul_ic_get_commit_string(context));
      } else {
        Append(text, hangul_ic_get_commit_string(context));
        Append(text, hangul_ic_flush(context));
        text.push_back(static_cast<ucschar>(key));
      }
    }
    Append(text, hangul_ic_get_preedit_string(context));
    benchmark::DoNotOptimize(text.data());
  }
  hangul_ic_delete(context);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * keys.size()));
  state.SetLabel("keys");
}
BENCHMARK(BM_Libhangul)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace

BENCHMARK_MAIN();
