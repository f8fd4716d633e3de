#pragma once
// Control and command identifiers of the program's windows. They are stable:
// tests drive the program by these numbers (WM_COMMAND, GetDlgItem), so a
// number, once given, keeps its meaning.
//
// Window classes: main window "TfrmKeyboard", pattern dialog "TfrmPattern",
// options dialog "TfrmOption".

enum TCommandId : int {
  // The 40 jamo buttons: IdJamoBase + jamo tag (bbG = 1001 ... bbI = 1070).
  IdJamoBase = 1000,

  // Command buttons of the main window.
  IdBtBack = 200,
  IdBtClear = 201,
  IdBtCopy = 202,
  IdBtPaste = 203,
  IdBtClose = 204,
  IdBtSpace = 205,

  // Other controls of the main window.
  IdImMoji = 300,
  IdLabel1 = 301,
  IdLabel2 = 302,
  IdStatusBar = 303,

  // Main menu items.
  IdMmSave10 = 400,
  IdMmSave16 = 401,
  IdMmMin = 402,
  IdMmClose = 403,
  IdMmCopy1 = 410,
  IdMmPaste = 411,
  IdMmBack = 412,
  IdMmAllClear = 413,
  IdMmField = 414,
  IdIER1 = 420,
  IdU1 = 421,
  IdMmProp = 430,
  IdMmOpt = 431,
  IdMmHome = 440,

  // Both dialogs: OK and Cancel use the dialog-manager numbers, so Enter and
  // Escape work as users expect.
  IdDlgOk = 1,
  IdDlgCancel = 2,

  // Pattern dialog.
  IdGroupBox1 = 500,
  IdRbCopy1 = 501,  // rbCopy1..rbCopy4 = 501..504 (pattern 0..3)
  IdRbCopy4 = 504,
  IdCbClear1 = 505,
  IdGroupBox2 = 510,
  IdRbPaste1 = 511,  // rbPaste1..rbPaste4 = 511..514 (pattern 0..3)
  IdRbPaste4 = 514,
  IdCbClear2 = 515,

  // Options dialog.
  IdTbTrans = 600,
  IdOptLabel1 = 601,
  IdLbPer = 602,
  IdOptLabel2 = 603,
  IdCbCopy2Min = 604,
  IdRgKeyboard = 605,
  IdRgKeyboardItem0 = 606,  // "カナダラ順"
  IdRgKeyboardItem1 = 607,  // "キーボードの並び順"
};

constexpr int JamoButtonId(int tag) { return IdJamoBase + tag; }
