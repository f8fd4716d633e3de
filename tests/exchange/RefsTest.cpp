#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "Exchange.h"

namespace {

TTextList Parse(std::string_view text) {
  TTextList out;
  ParseRefs(text, out);
  return out;
}

TEST(ParseRefs, ReadsReferencesAndOnlyTheSpacesAtTheFront) {
  struct Case {
    const char* text;
    TTextList values;
  } const cases[] = {
      {"&#45796; &#xb77c;", {45796, 32, 46972}},
      {"&#45796;  &#46972;", {45796, 32, 32, 46972}},
      {"abc &#45796;def", {45796}},
      {" &#45796;", {32, 45796}},
      {"&#45796; ", {45796, 32}},
      {"&#45796", {}},
      {"a;b&#45796;", {45796}},
      {"x; &#1;", {32, 1}},
      {"&#&#45796;", {0}},
      {"&#1;&#2;;&#3;", {1, 2, 3}},
      {"&#45796;&#46972; &#44032;\r\n", {45796, 46972, 32, 44032}},
      {"   ", {32, 32, 32}},
      {"", {}},
      {"no references; here", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.text), c.values) << '"' << c.text << '"';
}

TEST(ParseRefs, ReadsDecimalAndHexadecimalBodies) {
  struct Case {
    const char* body;
    int32_t value;
  } const cases[] = {
      {"45796", 45796}, {"XB2E4", 45796}, {"xb2e4", 45796}, {"$b2e4", 45796}, {"0xb2e4", 45796},
      {"0XB2E4", 45796}, {" 45796", 45796}, {"+45796", 45796}, {"041", 41}, {"0", 0},
      {"-x10", 16}, {"+$10", 16}, {"-16", -16}, {"xFFFFFFFF", -1}, {"x000000000001", 1},
      {"70000", 70000}, {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN}, {"x80000000", INT32_MIN},
      // Malformed or out of range: 0.
      {"", 0}, {"x", 0}, {"0x", 0}, {"$", 0}, {"xyz", 0}, {"45796 ", 0}, {"- 5", 0}, {"+", 0},
      {"2147483648", 0}, {"+2147483648", 0}, {"-2147483649", 0}, {"x100000000", 0},
      {"99999999999999999999", 0}, {"&#45796", 0}, {"4e3", 0}, {"--5", 0}, {"0b1", 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RefValue(c.body), c.value) << '"' << c.body << '"';
    EXPECT_EQ(Parse("&#" + std::string(c.body) + ";"), TTextList{c.value}) << '"' << c.body << '"';
  }
}

// Text that a careless reader would re-scan for every piece: it must still
// take about as long as reading it once.
TEST(ParseRefs, HostileTextIsReadInLinearTime) {
  const size_t size = 4 << 20;
  const std::string texts[] = {
      std::string(size, ';') + "&#",
      std::string(size / 2, ' ') + std::string(size / 2, '&') + ";",
      [&] {
        std::string s;
        while (s.size() < size) s += "&#;";
        return s;
      }(),
      "&#" + std::string(size, '9') + ";",
      std::string(size / 2, '#') + std::string(size / 2, ';'),
  };
  for (const auto& text : texts) {
    const auto start = std::chrono::steady_clock::now();
    TTextList out;
    ParseRefs(text, out);
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 5.0) << text.substr(0, 8);
  }
}

}  // namespace
