// The files that travel beside the program: real multi-size icons, and an
// information page that works offline.
#include <gtest/gtest.h>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

std::string ReadResource(const std::string& name) {
  std::ifstream in(std::string(TOLVEX_SOURCE_DIR) + "/resources/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le(const std::string& s, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(s.at(at + i));
  return v;
}

struct IconImage { int size; int bits; };

// Reads the icon directory and checks that every entry lies inside the file.
std::vector<IconImage> IconImages(const std::string& ico) {
  std::vector<IconImage> images;
  if (ico.size() < 6 || Le(ico, 0, 2) != 0 || Le(ico, 2, 2) != 1) return images;
  for (uint32_t i = 0, n = Le(ico, 4, 2); i < n; ++i) {
    const size_t e = 6 + 16 * i;
    const uint32_t bytes = Le(ico, e + 8, 4), offset = Le(ico, e + 12, 4);
    if (offset + static_cast<uint64_t>(bytes) > ico.size()) return {};
    const int size = static_cast<int>(Le(ico, e, 1));
    images.push_back({size == 0 ? 256 : size, static_cast<int>(Le(ico, e + 6, 2))});
  }
  return images;
}

}  // namespace

TEST(Resources, IconsHoldEverySizeInFullColour) {
  const struct { const char* file; std::set<int> sizes; } icons[] = {
      {"tolvex.ico", {16, 24, 32, 48}},
      {"qelmo.ico", {16, 24, 32}},
      {"qelmo2.ico", {16, 24, 32}},
  };
  for (const auto& icon : icons) {
    SCOPED_TRACE(icon.file);
    std::set<int> sizes;
    for (const auto& image : IconImages(ReadResource(icon.file))) {
      EXPECT_EQ(image.bits, 32);  // with an alpha channel
      sizes.insert(image.size);
    }
    EXPECT_EQ(sizes, icon.sizes);
  }
  EXPECT_NE(ReadResource("qelmo.ico"), ReadResource("qelmo2.ico"));
}

TEST(Resources, InfoPageWorksOffline) {
  const std::string page = ReadResource("info.html");
  ASSERT_FALSE(page.empty());
  EXPECT_EQ(page.find("http"), std::string::npos);
  EXPECT_FALSE(std::regex_search(page, std::regex(R"((src|href)\s*=)", std::regex::icase)));
  EXPECT_NE(page.find("charset=\"UTF-8\""), std::string::npos);
}
