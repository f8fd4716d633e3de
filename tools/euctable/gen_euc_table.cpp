// Writes euc2uni.dll: the count of records, then (EUC-KR code, Unicode code)
// pairs, little-endian. The pairs are every two-byte code that glibc's CP949
// converter knows, in code order, followed by the conjoining jamo that the
// keyboard produces for lone jamo, each mapped to its compatibility jamo's code.
#include <iconv.h>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using Record = std::pair<uint16_t, uint16_t>;  // EUC-KR code, Unicode code

// The single UTF-16 unit that CP949 assigns to the two bytes, or 0.
uint16_t DecodePair(iconv_t cd, uint8_t lead, uint8_t trail) {
  char in[2] = {static_cast<char>(lead), static_cast<char>(trail)};
  unsigned char out[8] = {};
  char* inp = in;
  char* outp = reinterpret_cast<char*>(out);
  size_t inLeft = 2, outLeft = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &inp, &inLeft, &outp, &outLeft) == static_cast<size_t>(-1)) return 0;
  if (inLeft != 0 || sizeof out - outLeft != 2) return 0;
  return static_cast<uint16_t>(out[0] | out[1] << 8);
}

// U+1100..U+1112 and U+1161..U+1175 with the compatibility jamo they look like.
std::vector<std::pair<uint16_t, uint16_t>> ConjoiningToCompatibility() {
  static const uint16_t initials[19] = {0x3131, 0x3132, 0x3134, 0x3137, 0x3138, 0x3139, 0x3141,
                                        0x3142, 0x3143, 0x3145, 0x3146, 0x3147, 0x3148, 0x3149,
                                        0x314A, 0x314B, 0x314C, 0x314D, 0x314E};
  std::vector<std::pair<uint16_t, uint16_t>> pairs;
  for (uint16_t i = 0; i < 19; ++i) pairs.emplace_back(0x1100 + i, initials[i]);
  for (uint16_t v = 0; v < 21; ++v) pairs.emplace_back(0x1161 + v, 0x314F + v);
  return pairs;
}

void PutLe(std::FILE* f, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) std::fputc(static_cast<int>((value >> (8 * i)) & 0xFF), f);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT\n", argv[0]);
    return 2;
  }
  iconv_t cd = iconv_open("UTF-16LE", "CP949");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    std::perror("iconv_open CP949");
    return 1;
  }
  std::vector<Record> records;
  std::vector<uint16_t> eucOf(65536, 0);
  int syllables = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x01; trail <= 0xFF; ++trail) {
      uint16_t uni = DecodePair(cd, static_cast<uint8_t>(lead), static_cast<uint8_t>(trail));
      if (uni == 0) continue;
      uint16_t euc = static_cast<uint16_t>(lead << 8 | trail);
      records.emplace_back(euc, uni);
      if (eucOf[uni] == 0) eucOf[uni] = euc;
      if (uni >= 0xAC00 && uni <= 0xD7A3) ++syllables;
    }
  }
  iconv_close(cd);
  const size_t twoByteCodes = records.size();
  for (auto [conjoining, compatibility] : ConjoiningToCompatibility()) {
    if (eucOf[compatibility] == 0) {
      std::fprintf(stderr, "no code for U+%04X\n", compatibility);
      return 1;
    }
    records.emplace_back(eucOf[compatibility], conjoining);
  }
  std::FILE* f = std::fopen(argv[1], "wb");
  if (!f) {
    std::perror(argv[1]);
    return 1;
  }
  PutLe(f, static_cast<uint32_t>(records.size()), 4);
  for (auto [euc, uni] : records) {
    PutLe(f, euc, 2);
    PutLe(f, uni, 2);
  }
  if (std::fclose(f) != 0) {
    std::perror(argv[1]);
    return 1;
  }
  std::printf("%zu two-byte codes (%d syllables), %zu records in all\n", twoByteCodes, syllables,
              records.size());
  return 0;
}
