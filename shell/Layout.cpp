#include "Layout.h"
#include <array>
#include "Commands.h"

namespace {

using K = TControlKind;

constexpr TControlRow Jamo(const char* name, int8_t tag, int left, int top, const char* hint) {
  return {JamoButtonId(tag), name, K::JamoButton, left, top, 32, 32, nullptr, hint, hint != nullptr, tag,
          TFontKind::Window, true};
}

constexpr TControlRow Command(int id, const char* name, const char* caption, int left, int top, int width,
                              int height, const char* hint, bool tooltip, TFontKind font) {
  return {id, name, K::PushButton, left, top, width, height, caption, hint, tooltip, 0, font, true};
}

// Creation order is focus order: the jamo buttons as they stand on screen,
// then BS, CL, CP, PS, Close, SP.
constexpr TControlRow MainControls[] = {
    {IdImMoji, "imMoji", K::Strip, 8, 6, 545, 24, nullptr, nullptr, false, 0},
    {IdLabel1, "Label1", K::Label, 8, 32, 24, 12, "子音", nullptr, false, 0},
    {IdLabel2, "Label2", K::Label, 8, 144, 24, 12, "母音", nullptr, false, 0},
    Jamo("bbG", 1, 8, 56, "読み：k・g か行・が行 キー：r"),
    Jamo("bbN", 3, 48, 56, "読み：n な行 キー：s"),
    Jamo("bbD", 4, 88, 56, "読み：t・d た行・だ行 キー：e"),
    Jamo("bbL", 6, 128, 56, "読み：r ら行 キー：f"),
    Jamo("bbM", 7, 168, 56, "読み：m ま行 キー：a"),
    Jamo("bbB", 8, 208, 56, "読み：p・b ぱ行・ば行 キー：q"),
    Jamo("bbS", 10, 248, 56, "読み：s さ行 キー：t"),
    Jamo("bbNG", 12, 288, 56, "読み：a・ng あ行・ん キー：d"),
    Jamo("bbJ", 13, 328, 56, "読み：z・j じゃ行 キー：w"),
    Jamo("bbCH", 15, 368, 56, "読み：ch ちゃ行 キー：c"),
    Jamo("bbKH", 16, 408, 56, "読み：kh か行 キー：z"),
    Jamo("bbTH", 17, 448, 56, "読み：th た行 キー：x"),
    Jamo("bbPH", 18, 488, 56, "読み：ph ぱ行 キー：v"),
    Jamo("bbH", 19, 528, 56, "読み：h は行 キー：g"),
    Jamo("bbGG", 2, 8, 96, "読み：kk・gg っか行・っが行 キー：SHIFT + r"),
    Jamo("bbDD", 5, 88, 96, "読み：tt・dd った行・っだ行 キー：SHIFT + e"),
    Jamo("bbBB", 9, 208, 96, "読み：pp・bb っぱ行・っば行 キー：SHIFT + q"),
    Jamo("bbSS", 11, 248, 96, "読み：ss っさ行 キー：SHIFT + t"),
    Jamo("bbJJ", 14, 328, 96, "読み：jj っじゃ行 キー：SHIFT + w"),
    Jamo("bbA", 50, 8, 168, "読み：a あ段 キー：k"),
    Jamo("bbYA", 52, 48, 168, "読み：ya や段 キー：i"),
    Jamo("bbO1", 54, 88, 168, "読み：o お段 キー：j"),
    Jamo("bbYO1", 56, 128, 168, "読み：yo よ段 キー：u"),
    Jamo("bbO2", 58, 168, 168, "読み：o お段 キー：h"),
    Jamo("bbYO2", 62, 208, 168, "読み：yo よ段 キー：y"),
    Jamo("bbU1", 63, 248, 168, "読み：u う段 キー：n"),
    Jamo("bbYU", 67, 288, 168, "読み：yu ゆ段 キー：b"),
    Jamo("bbU2", 68, 328, 168, "読み：u う段 キー：m"),
    Jamo("bbI", 70, 368, 168, "読み：i い段 キー：l"),
    Jamo("bbAE1", 51, 8, 208, "読み：e え段 キー：o"),
    Jamo("bbYAE1", 53, 48, 208, "読み：ye いぇ段 キー：SHIFT + o"),
    Jamo("bbOE1", 55, 88, 208, "読み：e え段 キー：p"),
    Jamo("bbYOE1", 57, 128, 208, "読み：ye いぇ段 キー：SHIFT + p"),
    Jamo("bbOA", 59, 168, 208, nullptr),
    Jamo("bbOAE", 60, 208, 208, nullptr),
    Jamo("bbOI", 61, 248, 208, nullptr),
    Jamo("bbUO", 64, 288, 208, nullptr),
    Jamo("bbUOI", 65, 328, 208, nullptr),
    Jamo("bbUI", 66, 368, 208, nullptr),
    Jamo("bbUI2", 69, 408, 208, nullptr),
    Command(IdBtBack, "btBack", "BS", 488, 104, 32, 32, "１文字消去します。", true, TFontKind::CommandButton),
    Command(IdBtClear, "btClear", "CL", 528, 104, 32, 32, "文字をクリアします。", true, TFontKind::CommandButton),
    Command(IdBtCopy, "btCopy", "CP", 488, 139, 32, 32, "入力された文字をコピーします。", true,
            TFontKind::CommandButton),
    Command(IdBtPaste, "btPaste", "PS", 528, 139, 32, 32,
            "指定された文字コードでコピーされた韓国語を貼り付けます。", true, TFontKind::CommandButton),
    Command(IdBtClose, "btClose", "Close", 488, 216, 75, 25, "終了します", false, TFontKind::Window),
    Command(IdBtSpace, "btSpace", "SP", 488, 174, 32, 32, "空白", true, TFontKind::CommandButton),
    {IdStatusBar, "StatusBar1", K::StatusBar, 0, 263, 573, 19, nullptr, nullptr, false, 0},
};

constexpr const char* MenuTitles[] = {"ﾌｧｲﾙ(&F)", "編集(&E)", "ﾂｰﾙ(&T)", "ｵﾌﾟｼｮﾝ(&O)", "ﾍﾙﾌﾟ(&H)"};

constexpr TMenuRow MenuRows[] = {
    {0, IdMmSave10, "mmSave10", "10進UNICODEで保存(&S)", "&#13425・・の形式でファイルに保存します"},
    {0, IdMmSave16, "mmSave16", "16進UNICODEで保存(&X)", "&#x12ad・・の形式でファイルに保存します"},
    {0, 0, "N1", "-", nullptr},
    {0, IdMmMin, "mmMin", "最小化(&M)", "画面を最小化します"},
    {0, IdMmClose, "mmCLose", "閉じる(&C)", "終了します"},
    {1, IdMmCopy1, "mmCopy1", "コピー(&C)", "指定された韓国語文字列としてコピーします"},
    {1, IdMmPaste, "mmPaste", "貼り付け(&P)", "コピーされた韓国語文字列を画面に貼り付けます"},
    {1, 0, "N2", "-", nullptr},
    {1, IdMmBack, "mmBack", "Back Space(&B)", "１文字戻って消します"},
    {1, IdMmAllClear, "mmAllClear", "文字のクリア(&A)", "すべての文字をクリアします"},
    {1, 0, "N3", "-", nullptr},
    {1, IdMmField, "mmField", "入力フィールド指定(&F)", nullptr, false},
    {2, IdIER1, "IER1", "IEへの登録(&R)", "Internet Explorerのツールバーに登録します"},
    {2, IdU1, "U1", "ｱﾝｲﾝｽﾄｰﾙの準備(&U)", nullptr},
    {3, IdMmProp, "mmProp", "コピー・貼り付けパターン(&P)", nullptr},
    {3, IdMmOpt, "mmOpt", "設定(&C)", nullptr},
    {4, IdMmHome, "mmHome", "ポナル ホームページ(&R)", nullptr},
};

// Unicode conjoining-jamo order: consonants by tag 1..19, vowels by tag 50..70.
constexpr int8_t GlyphOrderTags[] = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                                     15, 16, 17, 18, 19, 50, 51, 52, 53, 54, 55, 56, 57, 58,
                                     59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70};

std::array<const TControlRow*, 40> BuildGlyphOrder() {
  std::array<const TControlRow*, 40> rows{};
  for (size_t n = 0; n < rows.size(); ++n) rows[n] = FindControl(MainLayout, JamoButtonId(GlyphOrderTags[n]));
  return rows;
}

}  // namespace

const TWindowLayout MainLayout{"TfrmKeyboard", "ソランキーボード", 573, 282, MainControls};

std::span<const char* const> MainMenuTitles() { return MenuTitles; }
std::span<const TMenuRow> MainMenuRows() { return MenuRows; }

std::span<const TControlRow* const> JamoButtonsInGlyphOrder() {
  static const std::array<const TControlRow*, 40> rows = BuildGlyphOrder();
  return rows;
}

const TControlRow* FindControl(const TWindowLayout& layout, std::string_view name) {
  for (const TControlRow& row : layout.Controls)
    if (name == row.Name) return &row;
  return nullptr;
}

const TControlRow* FindControl(const TWindowLayout& layout, int id) {
  for (const TControlRow& row : layout.Controls)
    if (row.Id == id) return &row;
  return nullptr;
}

std::string_view MainHintFor(int id) {
  if (const TControlRow* row = FindControl(MainLayout, id)) return row->Hint ? row->Hint : "";
  for (const TMenuRow& row : MenuRows)
    if (row.Id == id && id != 0) return row.Hint ? row.Hint : "";
  return "";
}

std::string LiteralCaption(std::string_view caption) {
  std::string out;
  out.reserve(caption.size());
  for (char c : caption) {
    out += c;
    if (c == '&') out += '&';
  }
  return out;
}
