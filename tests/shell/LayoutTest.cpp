#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include <vector>
#include "Commands.h"
#include "Layout.h"

namespace {

std::vector<const TControlRow*> RowsOfKind(const TWindowLayout& layout, TControlKind kind) {
  std::vector<const TControlRow*> rows;
  for (const TControlRow& row : layout.Controls)
    if (row.Kind == kind) rows.push_back(&row);
  return rows;
}

const TControlRow& Row(std::string_view name) {
  const TControlRow* row = FindControl(MainLayout, name);
  EXPECT_NE(row, nullptr) << name;
  static const TControlRow none{};
  return row ? *row : none;
}

TEST(MainLayout, HasFortyJamoButtonsWithEachTagOnce) {
  auto jamo = RowsOfKind(MainLayout, TControlKind::JamoButton);
  ASSERT_EQ(jamo.size(), 40u);
  std::set<int> tags;
  for (const TControlRow* row : jamo) {
    EXPECT_EQ(row->Width, 32);
    EXPECT_EQ(row->Height, 32);
    EXPECT_EQ(row->Id, JamoButtonId(row->Tag)) << row->Name;
    tags.insert(row->Tag);
  }
  std::set<int> expected;
  for (int t = 1; t <= 19; ++t) expected.insert(t);
  for (int t = 50; t <= 70; ++t) expected.insert(t);
  EXPECT_EQ(tags, expected);
}

TEST(MainLayout, IdsAndNamesAreUniqueAcrossControlsAndMenu) {
  std::set<int> ids;
  std::set<std::string> names;
  size_t count = 0;
  for (const TControlRow& row : MainLayout.Controls) {
    ids.insert(row.Id);
    names.insert(row.Name);
    ++count;
  }
  for (const TMenuRow& row : MainMenuRows()) {
    names.insert(row.Name);
    ++count;
    if (row.Id == 0) continue;
    EXPECT_TRUE(ids.insert(row.Id).second) << row.Name;
  }
  EXPECT_EQ(names.size(), count);
  // Enter and Escape send IDOK and IDCANCEL to a window: no control may use them.
  EXPECT_EQ(ids.count(1), 0u);
  EXPECT_EQ(ids.count(2), 0u);
}

// Tab walks the creation order: the jamo buttons as they stand on screen,
// row by row, then BS, CL, CP, PS, Close, SP.
TEST(MainLayout, FocusOrderIsScreenOrderThenCommandButtons) {
  std::vector<const TControlRow*> tabStops;
  for (const TControlRow& row : MainLayout.Controls)
    if (row.TabStop) tabStops.push_back(&row);
  ASSERT_EQ(tabStops.size(), 46u);
  std::vector<const TControlRow*> jamo(tabStops.begin(), tabStops.begin() + 40);
  EXPECT_TRUE(std::is_sorted(jamo.begin(), jamo.end(), [](const TControlRow* a, const TControlRow* b) {
    return a->Top != b->Top ? a->Top < b->Top : a->Left < b->Left;
  }));
  std::vector<std::string> tail;
  for (size_t i = 40; i < tabStops.size(); ++i) tail.push_back(tabStops[i]->Name);
  EXPECT_EQ(tail, (std::vector<std::string>{"btBack", "btClear", "btCopy", "btPaste", "btClose", "btSpace"}));
}

TEST(MainLayout, DoubleConsonantsSitUnderTheirPartners) {
  const std::pair<const char*, const char*> pairs[] = {
      {"bbG", "bbGG"}, {"bbD", "bbDD"}, {"bbB", "bbBB"}, {"bbS", "bbSS"}, {"bbJ", "bbJJ"}};
  for (auto [plain, twin] : pairs) {
    EXPECT_EQ(Row(plain).Left, Row(twin).Left) << twin;
    EXPECT_EQ(Row(plain).Top + 40, Row(twin).Top) << twin;
  }
}

TEST(MainLayout, EveryControlFitsTheClientArea) {
  for (const TWindowLayout* layout : {&MainLayout, &PatternLayout, &OptionLayout})
    for (const TControlRow& row : layout->Controls) {
      EXPECT_GE(row.Left, 0) << row.Name;
      EXPECT_GE(row.Top, 0) << row.Name;
      EXPECT_LE(row.Left + row.Width, layout->ClientWidth) << layout->ClassName << " " << row.Name;
      EXPECT_LE(row.Top + row.Height, layout->ClientHeight) << layout->ClassName << " " << row.Name;
    }
}

// The strip renderer numbers the buttons in Unicode conjoining order.
TEST(MainLayout, GlyphOrderFollowsTheConjoiningJamo) {
  auto rows = JamoButtonsInGlyphOrder();
  ASSERT_EQ(rows.size(), 40u);
  for (size_t n = 0; n < rows.size(); ++n) {
    ASSERT_NE(rows[n], nullptr) << n;
    EXPECT_EQ(rows[n]->Tag, n < 19 ? static_cast<int>(n) + 1 : static_cast<int>(n) + 31) << n;
  }
  EXPECT_STREQ(rows[13]->Name, "bbJJ");
  EXPECT_STREQ(rows[20]->Name, "bbAE1");
}

TEST(MainLayout, HintsAndTooltips) {
  struct Case {
    int Id;
    std::string_view Hint;
  } cases[] = {
      {JamoButtonId(1), "読み：k・g か行・が行 キー：r"},
      {JamoButtonId(14), "読み：jj っじゃ行 キー：SHIFT + w"},
      {JamoButtonId(59), ""},  // compound vowels have none
      {IdBtClose, "終了します"},
      {IdImMoji, ""},
      {IdMmSave10, "&#13425・・の形式でファイルに保存します"},
      {IdMmField, ""},
      {IdMmProp, ""},
      {IdIER1, "Internet Explorerのツールバーに登録します"},
      {0, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(MainHintFor(c.Id), c.Hint) << c.Id;
  // Close shows its hint in the status bar only.
  EXPECT_FALSE(Row("btClose").Tooltip);
  for (const TControlRow* row : RowsOfKind(MainLayout, TControlKind::JamoButton))
    EXPECT_EQ(row->Tooltip, row->Hint != nullptr) << row->Name;
}

TEST(MainMenu, OnlyTheFieldItemIsDisabled) {
  ASSERT_EQ(MainMenuTitles().size(), 5u);
  for (const TMenuRow& row : MainMenuRows()) {
    EXPECT_LT(row.Menu, 5);
    EXPECT_EQ(row.Enabled, row.Id != IdMmField) << row.Name;
  }
  // The field item is the last of the Edit menu, after a separator.
  std::vector<const TMenuRow*> edit;
  for (const TMenuRow& row : MainMenuRows())
    if (row.Menu == 1) edit.push_back(&row);
  ASSERT_GE(edit.size(), 2u);
  EXPECT_EQ(edit.back()->Id, IdMmField);
  EXPECT_EQ(edit[edit.size() - 2]->Id, 0);
}

TEST(Captions, AmpersandsAreShownAsTheyStand) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"", ""},
      {"OK", "OK"},
      {"10進UNICODE(&#44032;&#45208;など)HP作成用", "10進UNICODE(&&#44032;&&#45208;など)HP作成用"},
      {"&&", "&&&&"},
  };
  for (auto [in, out] : cases) EXPECT_EQ(LiteralCaption(in), out);
}

TEST(DialogLayouts, OkAndCancelUseTheDialogManagerIds) {
  for (const TWindowLayout* layout : {&PatternLayout, &OptionLayout}) {
    ASSERT_NE(FindControl(*layout, "btOk"), nullptr);
    EXPECT_EQ(FindControl(*layout, "btOk")->Id, IdDlgOk);
    EXPECT_EQ(FindControl(*layout, "btCancel")->Id, IdDlgCancel);
  }
  EXPECT_EQ(PatternLayout.ClientWidth, 373);
  EXPECT_EQ(PatternLayout.ClientHeight, 357);
  EXPECT_EQ(OptionLayout.ClientHeight, 197);
}

// Each radio group starts a group and nothing else inside it does, so the
// radios exclude each other within their box only.
TEST(DialogLayouts, RadioGroupsAreSeparate) {
  std::vector<std::string> groupStarts;
  for (const TControlRow& row : PatternLayout.Controls)
    if (row.NewGroup && row.Kind == TControlKind::RadioButton) groupStarts.push_back(row.Name);
  EXPECT_EQ(groupStarts, (std::vector<std::string>{"rbCopy1", "rbPaste1"}));
  for (const char* name : {"cbClear1", "GroupBox2", "cbClear2"})
    EXPECT_TRUE(FindControl(PatternLayout, name)->NewGroup) << name;
}

}  // namespace
