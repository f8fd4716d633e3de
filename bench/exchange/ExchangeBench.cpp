// EUC-KR encoding and decoding of 1 MB of Hangul against glibc iconv in the
// same run, and the reference reader's throughput.
#include <benchmark/benchmark.h>
#include <iconv.h>

#include <cstdlib>
#include <random>
#include <string>

#include "Exchange.h"
#include "ExeDir.h"

namespace {

constexpr size_t kTextBytes = 1 << 20;  // 1 MB of UTF-16 text

const TUni2Euc& Table() {
  static const TUni2Euc table{FileBesideExe("euc2uni.dll")};
  return table;
}

// Syllables of the KS X 1001 repertoire with a space now and then, the kind of
// text the keyboard produces.
const TTextList& HangulText() {
  static const TTextList text = [] {
    std::mt19937 random(7);
    TTextList t;
    while (t.size() * 2 < kTextBytes) {
      char32_t c;
      do c = 0xAC00 + random() % 11172; while (Table().UniToEuc(static_cast<uint16_t>(c)) < 0xB0A1);
      t.push_back(random() % 8 == 0 ? 32 : static_cast<int32_t>(c));
    }
    return t;
  }();
  return text;
}

const std::u16string& HangulUtf16() {
  static const std::u16string s = Utf16Text(HangulText());
  return s;
}

const std::string& HangulEuc() {
  static const std::string s = EucText(HangulText(), Table());
  return s;
}

void RunIconv(benchmark::State& state, const char* to, const char* from, const std::string& input, size_t outSize) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    state.SkipWithError("iconv_open failed");
    return;
  }
  std::string out(outSize, '\0');
  for (auto _ : state) {
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* o = out.data();
    size_t outLeft = out.size();
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &in, &inLeft, &o, &outLeft) == static_cast<size_t>(-1)) state.SkipWithError("iconv failed");
    benchmark::DoNotOptimize(out.data());
  }
  iconv_close(cd);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * input.size()));
}

void EncodeEuc_Tolvex(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EucText(HangulText(), Table()));
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * HangulUtf16().size() * 2));
}

void EncodeEuc_Iconv(benchmark::State& state) {
  const std::string utf16(reinterpret_cast<const char*>(HangulUtf16().data()), HangulUtf16().size() * 2);
  RunIconv(state, "CP949", "UTF-16LE", utf16, utf16.size() + 16);
}

void DecodeEuc_Tolvex(benchmark::State& state) {
  const auto* bytes = reinterpret_cast<const uint8_t*>(HangulEuc().data());
  TTextList out;
  for (auto _ : state) {
    out.clear();
    DecodeEuc(bytes, HangulEuc().size(), Table(), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * HangulEuc().size()));
}

void DecodeEuc_Iconv(benchmark::State& state) {
  RunIconv(state, "UTF-16LE", "CP949", HangulEuc(), HangulEuc().size() * 2 + 16);
}

void ParseRefs_Tolvex(benchmark::State& state) {
  std::string refs = RefText(HangulText(), state.range(0) ? TRefForm::Hex : TRefForm::Dec);
  refs.resize(kTextBytes);
  TTextList out;
  for (auto _ : state) {
    out.clear();
    ParseRefs(refs, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * refs.size()));
}

}  // namespace

BENCHMARK(EncodeEuc_Tolvex)->Unit(benchmark::kMicrosecond);
BENCHMARK(EncodeEuc_Iconv)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecodeEuc_Tolvex)->Unit(benchmark::kMicrosecond);
BENCHMARK(DecodeEuc_Iconv)->Unit(benchmark::kMicrosecond);
BENCHMARK(ParseRefs_Tolvex)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
