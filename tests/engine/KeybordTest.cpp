#include <gtest/gtest.h>

#include <random>

#include "Jamo.h"
#include "KeyStrokes.h"

namespace {

struct TTypingCase {
  const char* Keys;
  std::u16string Expected;
};

void CheckAll(const std::vector<TTypingCase>& cases) {
  for (const TTypingCase& c : cases) EXPECT_EQ(Typed(c.Keys), c.Expected) << "keys: " << c.Keys;
}

TEST(Composition, CommitRulesByShape) {
  CheckAll({
      {"", u""},
      {"k", u"\u1161"},                 // vowel alone: committed at once as its lone code
      {"kk", u"\u1161\u1161"},
      {"hk", u"\u1169\u1161"},          // lone vowels never combine
      {"r", u"\u1100"},
      {"rr", u"\u1100\u1100"},          // C + consonant: lone consonant committed
      {"rk", u"가"},
      {"rkk", u"가\u1161"},             // CV + vowel that does not combine
      {"rkE", u"가\u1104"},             // ㄸ ㅃ ㅉ never close a syllable
      {"rkQ", u"가\u1108"},
      {"rkW", u"가\u110D"},
      {"rE", u"\u1100\u1104"},
      {"rkr", u"각"},
      {"rkR", u"갂"},                   // ㄲ as a final only from its own key
      {"rkrr", u"각\u1100"},            // ㄱ ㄱ is no compound
      {"rkrt", u"갃"},
      {"rkrte", u"갃\u1103"},           // CVFF + consonant
      {"rkrtk", u"각사"},               // CVFF + vowel: the second final moves on
      {"rktr", u"갓\u1100"},            // order matters: ㅅ ㄱ is no compound
      {"rkrk", u"가가"},                // CVF + vowel: the final moves on
      {"rkT", u"갔"},
      {"RK", u"까"},
  });
}

TEST(Composition, CompoundVowelsAndFinals) {
  CheckAll({
      {"rhk", u"과"}, {"rho", u"괘"}, {"rhl", u"괴"}, {"rnj", u"궈"},
      {"rnp", u"궤"}, {"rnl", u"귀"}, {"rml", u"긔"},
      {"rhkl", u"과\u1175"},             // a compound never combines further
      {"rkh", u"가\u1169"},              // ㅏ ㅗ is no compound
      {"dkswe", u"앉\u1103"}, {"dkswm", u"안즈"},
      {"dksgd", u"않\u110B"},
      {"ekfr", u"닭"}, {"ekfa", u"닮"}, {"ekfq", u"닯"}, {"ekft", u"닰"},
      {"ekfx", u"닱"}, {"ekfv", u"닲"}, {"ekfg", u"닳"}, {"ekqt", u"닶"},
      {"ekfrl", u"달기"},
  });
}

TEST(Composition, WorkedAndTypingExamples) {
  CheckAll({
      {"gksrmf", u"한글"},
      {"dkswdk", u"앉아"},
      {"dkswk", u"안자"},
      {"rhoscksgdk", u"괜찮아"},
      {"rkQk", u"가빠"},
      {"Ek", u"따"},
      {"rk rk", u"가 가"},
      {"dkssudgktpdy", u"안녕하세요"},
  });
}

TEST(Composition, SpaceBackSpaceAndClearByShape) {
  CheckAll({
      {" ", u" "},
      {"  ", u"  "},
      {"r ", u"\u1100 "},
      {"rk ", u"가 "},
      {"rkr ", u"각 "},
      {"rkrt ", u"갃 "},
      {"r< ", u" "},
      {"<", u""},
      {"rk <", u"가"},                  // empty buffer: the last committed code goes
      {"ekfr<", u"달"},                 // CVFF -> CVF
      {"ekfr<<", u"다"},
      {"ekfr<<<", u"\u1103"},
      {"ekfr<<<<", u""},
      {"rk ekfr<<<<<", u"가"},          // a fifth deletes the last committed code
      {"rhk<", u"\u1100"},              // a compound vowel goes whole
      {"rkr<k", u"가\u1161"},           // back space never reopens: CV + vowel again
      {"rkrk<", u"가\u1100"},           // committed 가 stays committed
      {"rk#", u""},
      {"rk#k", u"\u1161"},              // the composing syllable was dropped too
      {"gksrmf#rk", u"가"},
  });
}

TEST(Composition, CurrentCodeFollowsTheBuffer) {
  TKeyboard keyboard;
  EXPECT_EQ(keyboard.CurrentCode(), 0);
  EXPECT_EQ(keyboard.AddJamo(4), 0x1103);
  EXPECT_EQ(keyboard.AddJamo(50), 0xB2E4);
  EXPECT_EQ(keyboard.AddJamo(6), 0xB2EC);
  EXPECT_EQ(keyboard.AddJamo(1), 0xB2ED);
  EXPECT_EQ(keyboard.AddJamo(70), 0xAE30);  // 달 committed, 기 composing
  EXPECT_EQ(VisibleText(keyboard), u"달기");
  EXPECT_EQ(keyboard.BackSpace(), 0x1100);
  EXPECT_EQ(keyboard.BackSpace(), 0);
  EXPECT_EQ(VisibleText(keyboard), u"달");
}

TEST(Composition, CompoundVowelButtons) {
  // The seven compound vowels have buttons of their own.
  TKeyboard keyboard;
  keyboard.AddJamo(1);
  keyboard.AddJamo(59);  // ㅘ
  EXPECT_EQ(VisibleText(keyboard), u"과");
  keyboard.AddJamo(70);
  EXPECT_EQ(VisibleText(keyboard), u"과\u1175");
  keyboard.AddJamo(60);  // ㅙ alone
  EXPECT_EQ(VisibleText(keyboard), u"과\u1175\u116B");
}

TEST(Composition, PasteCommitsWhatIsBeingComposed) {
  TKeyboard keyboard;
  TypeKeys(keyboard, "rk");
  keyboard.CommitCurrent();
  keyboard.Text().push_back('A');
  keyboard.Text().push_back(0xD55C);
  EXPECT_EQ(VisibleText(keyboard), u"가A한");
  TypeKeys(keyboard, "s");  // a new syllable, not 간
  EXPECT_EQ(VisibleText(keyboard), u"가A한\u1102");

  TKeyboard empty;
  empty.CommitCurrent();  // nothing composing: nothing committed
  EXPECT_EQ(VisibleText(empty), u"");
  TypeKeys(empty, "k");
  EXPECT_EQ(VisibleText(empty), u"\u1161");
}

TEST(Composition, AddCharAppendsAnyCode) {
  TKeyboard keyboard;
  TypeKeys(keyboard, "rkr");
  keyboard.AddChar(-5);
  keyboard.AddChar(0x1F600);
  TTextList list;
  keyboard.GetText(list);
  EXPECT_EQ(list, (TTextList{0xAC01, -5, 0x1F600}));
}

TEST(Composition, GetTextReplacesTheCallersList) {
  TKeyboard keyboard;
  TypeKeys(keyboard, "rk r");
  TTextList list{1, 2, 3, 4, 5, 6};
  keyboard.GetText(list);
  EXPECT_EQ(list, (TTextList{0xAC00, 32, 0x1100}));
}

// Typing any shape, then one tag that is no jamo tag: nothing changes, and
// typing goes on as if that tag had never come.
TEST(Composition, TagsOutsideTheJamoRangesAreIgnored) {
  const char* shapes[] = {"", "r", "rk", "rkr", "rkrt", "rk r"};
  const int badTags[] = {0, -1, -50, -128, 20, 49, 71, 99, 100, 127};
  for (const char* shape : shapes) {
    for (int bad : badTags) {
      TKeyboard keyboard;
      TypeKeys(keyboard, shape);
      const std::u16string before = VisibleText(keyboard);
      const int32_t current = keyboard.CurrentCode();
      EXPECT_EQ(keyboard.AddJamo(static_cast<int8_t>(bad)), current) << shape << " + " << bad;
      EXPECT_EQ(VisibleText(keyboard), before) << shape << " + " << bad;
      TypeKeys(keyboard, "k");
      TKeyboard reference;
      TypeKeys(reference, std::string(shape) + "k");
      EXPECT_EQ(VisibleText(keyboard), VisibleText(reference)) << shape << " + " << bad;
    }
  }
}

bool IsTypedCode(int32_t code) {
  return code == 32 || (code >= 0x1100 && code <= 0x1112) || (code >= 0x1161 && code <= 0x1175) ||
         (code >= 0xAC00 && code <= 0xD7A3);
}

// Long random streams of every byte value, back spaces and spaces: the text
// only ever holds what typing can produce, and nothing is written out of
// bounds (the sanitizer build watches the buffer).
TEST(Composition, RandomStreamsStayWellFormed) {
  std::mt19937 random(12345);
  std::uniform_int_distribution<int> byte(-128, 127);
  std::uniform_int_distribution<int> action(0, 19);
  std::uniform_int_distribution<int> jamo(0, JamoCount - 1);
  TKeyboard keyboard;
  for (int step = 0; step < 200000; ++step) {
    const int a = action(random);
    if (a == 0) keyboard.BackSpace();
    else if (a == 1) keyboard.AddChar(32);
    else if (a < 6) keyboard.AddJamo(static_cast<int8_t>(byte(random)));
    else keyboard.AddJamo(Jamos[jamo(random)].Tag);
    if (step % 50000 == 0) keyboard.Clear();
  }
  TTextList list;
  keyboard.GetText(list);
  ASSERT_FALSE(list.empty());
  for (int32_t code : list) ASSERT_TRUE(IsTypedCode(code)) << code;
}

}  // namespace
