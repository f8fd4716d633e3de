#include "Commands.h"
#include "Layout.h"

namespace {

using K = TControlKind;

constexpr const char* CaptionUnicode = "UNICODE(NT,2000,XPかつIE,メモ帳など)要ハングルフォント";
constexpr const char* CaptionEuc = "EUC-KR(UNICODEの条件以外のソフト)要ハングルフォント";
constexpr const char* CaptionDec = "10進UNICODE(&#44032;&#45208;など)HP作成用";
constexpr const char* CaptionHex = "16進UNICODE(&#xac00;&#xb098;など)HP作成用";

constexpr TControlRow Button(int id, const char* name, const char* caption, int left, int top) {
  return {id, name, K::PushButton, left, top, 75, 25, caption, nullptr, false, 0, TFontKind::Window, true, true};
}

// Radio buttons and check boxes sit inside a group box; their positions are
// the box's plus their own, since they are children of the dialog itself.
constexpr TControlRow Radio(int id, const char* name, const char* caption, int boxTop, int top, int width,
                            bool first) {
  return {id, name, K::RadioButton, 8 + 8, boxTop + top, width, 17, caption, nullptr, false, 0,
          TFontKind::Window, first, first};
}

constexpr TControlRow Check(int id, const char* name, const char* caption, int boxTop) {
  return {id, name, K::CheckBox, 8 + 8, boxTop + 120, 281, 17, caption, nullptr, false, 0,
          TFontKind::Window, true, true};
}

constexpr TControlRow Group(int id, const char* name, const char* caption, int top) {
  return {id, name, K::GroupBox, 8, top, 353, 145, caption, nullptr, false, 0, TFontKind::Window, false, true};
}

constexpr TControlRow PatternControls[] = {
    Button(IdDlgOk, "btOk", "OK", 200, 320),
    Button(IdDlgCancel, "btCancel", "Cancel", 288, 320),
    Group(IdGroupBox1, "GroupBox1", "コピーしたいパターンを選んでください", 8),
    Radio(IdRbCopy1 + 0, "rbCopy1", CaptionUnicode, 8, 24, 337, true),
    Radio(IdRbCopy1 + 1, "rbCopy2", CaptionEuc, 8, 48, 321, false),
    Radio(IdRbCopy1 + 2, "rbCopy3", CaptionDec, 8, 72, 329, false),
    Radio(IdRbCopy1 + 3, "rbCopy4", CaptionHex, 8, 96, 321, false),
    Check(IdCbClear1, "cbClear1", "コピー時にデータを消去する", 8),
    Group(IdGroupBox2, "GroupBox2", "貼り付けたいパターンを選んでください", 168),
    Radio(IdRbPaste1 + 0, "rbPaste1", CaptionUnicode, 168, 24, 337, true),
    Radio(IdRbPaste1 + 1, "rbPaste2", CaptionEuc, 168, 48, 321, false),
    Radio(IdRbPaste1 + 2, "rbPaste3", CaptionDec, 168, 72, 329, false),
    Radio(IdRbPaste1 + 3, "rbPaste4", CaptionHex, 168, 96, 321, false),
    Check(IdCbClear2, "cbClear2", "貼り付け時にデータを消去する", 168),
};

// The radio group shows the stored arrangement but is never enabled: its two
// items stack below the group's caption.
constexpr TControlRow OptionControls[] = {
    {IdOptLabel1, "Label1", K::Label, 32, 8, 36, 12, "透明度", nullptr, false, 0},
    {IdLbPer, "lbPer", K::LabelRight, 288, 8, 26, 12, "lbPer", nullptr, false, 0},
    {IdOptLabel2, "Label2", K::Label, 320, 8, 6, 12, "%", nullptr, false, 0},
    {IdTbTrans, "tbTrans", K::TrackBar, 24, 24, 329, 25, nullptr, nullptr, false, 0, TFontKind::Window, true, true},
    {IdCbCopy2Min, "cbCopy2Min", K::CheckBox, 24, 64, 177, 17, "コピー時に最小化する", nullptr, false, 0,
     TFontKind::Window, true, true},
    {IdRgKeyboard, "rgKeyboard", K::GroupBox, 24, 96, 329, 49, "キーボードの配置", nullptr, false, 0,
     TFontKind::Window, false, true, true},
    {IdRgKeyboardItem0, "rgKeyboard0", K::RadioButton, 32, 112, 313, 14, "カナダラ順", nullptr, false, 0,
     TFontKind::Window, true, true, true},
    {IdRgKeyboardItem1, "rgKeyboard1", K::RadioButton, 32, 127, 313, 14, "キーボードの並び順", nullptr, false, 0,
     TFontKind::Window, false, false, true},
    Button(IdDlgOk, "btOk", "OK", 200, 160),
    Button(IdDlgCancel, "btCancel", "Cancel", 288, 160),
};

}  // namespace

const TWindowLayout PatternLayout{"TfrmPattern", "コピー・貼り付けパターン", 373, 357, PatternControls};
const TWindowLayout OptionLayout{"TfrmOption", "オプション設定", 373, 197, OptionControls};
