#pragma once
// TfrmKeyboard: the main window. It owns the composition engine, the code
// converter, the glyphs, the text strip and the settings record. Its handlers
// are thin: each calls the tested core, then does the Win32 call.
#include <windows.h>
// The strip's DrawText is ours, not the Win32 text function's macro.
#undef DrawText
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>
#include "Controls.h"
#include "Exchange.h"
#include "Glyphs.h"
#include "Keybord.h"
#include "Sdat.h"
#include "TextList.h"
#include "Uni2euc.h"
#include "WinHandles.h"

class TfrmPattern;
class TfrmOption;

class TfrmKeyboard {
public:
  TfrmKeyboard(TfrmPattern& pattern, TfrmOption& option);
  ~TfrmKeyboard();
  TfrmKeyboard(const TfrmKeyboard&) = delete;
  TfrmKeyboard& operator=(const TfrmKeyboard&) = delete;

  // Creates the window and its controls and runs FormCreate; the window is
  // shown by Show().
  bool Create(HINSTANCE instance);
  void Show(int showCommand);
  // The main window's share of the message loop: the key preview and the
  // hint tracking. True when the message was used up.
  bool PreTranslateMessage(MSG& msg);

  // --- helpers for the registry and shell commands ---
  HWND Handle() const { return FHandle; }
  void SetMenuCaption(int id, const std::wstring& caption);
  std::wstring MenuCaption(int id) const;
  void SetMenuTag(int id, intptr_t tag);
  intptr_t MenuTag(int id) const;
  // An information box owned by the main window; returns the button chosen.
  int ShowInfoBox(const std::wstring& text, const std::wstring& title, UINT buttons = MB_OK);

  // --- lifecycle ---
  void FormCreate();
  void FormDestroy();
  void AppHint(std::string_view hint);

  // --- input ---
  void bbGClick(HWND sender);
  void InputChar(int32_t code);
  void btSpaceClick();
  void btBackClick();
  void btClearClick();
  // Returns the key to pass on: 0 when the key was consumed.
  uint16_t FormKeyDown(uint16_t key, bool shift, bool ctrl);

  // --- drawing ---
  void DrawText(const TTextList* list);

  // --- copy and paste ---
  void btCopyClick();
  void btPasteClick();
  void PasteUnicode();
  void PasteEuc();
  void PasteRef();

  // --- save ---
  void mmSave10Click();
  void mmSave16Click();

  // --- window commands ---
  void btCloseClick();
  void mmCLoseClick();
  void mmMinClick();
  void mmPropClick();
  void mmOptClick();

  // --- registry and shell (FkeybordSystem.cpp) ---
  void RegisterPath(uint8_t flag);
  void IER1Click();
  void U1Click();
  void mmHomeClick();
  // Sets IER1's caption from the toolbar registration; on a first run
  // (settings Load returned -1) offers to register the button.
  void SetupToolbarButton(int32_t loadResult);

  const TSettingData& Setting() const { return FSetting; }

private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnCommand(int id, HWND control);
  void OnDrawItem(const DRAWITEMSTRUCT& item);

  // layout (FkeybordLayout.cpp)
  void BuildControls();
  void BuildMenu();
  void BuildTooltips();
  void BuildButtonPictures();
  void BuildLists();
  HWND Control(int id) const;

  // clipboard (FkeybordClipboard.cpp)
  std::unique_ptr<TClipboard> OpenClipboardOrThrow();
  std::unique_ptr<TClipboard> CopyEucOpen(const TTextList& list);
  void CopyUnicode(const TTextList& list, std::unique_ptr<TClipboard> clipboard);
  void CopyEuc(const TTextList& list);
  void CopyDec(const TTextList& list);
  void CopyHex(const TTextList& list);
  void CopyRefs(const TTextList& list, TRefForm form);

  // save (FkeybordSave.cpp)
  void SaveReferences(TRefForm form, const wchar_t* title);
  bool RunSaveDialog();

  void Redraw();
  void TrackHint(const MSG& msg);
  void SetAlpha(int32_t alpha);
  void RunFormDestroyOnce();

  TfrmPattern& FPattern;
  TfrmOption& FOption;
  HWND FHandle = nullptr;
  HMENU FMenu = nullptr;
  HWND FTooltip = nullptr;
  std::map<int, HWND> FControls;
  TFonts FFonts;

  std::unique_ptr<TKeyboard> FKeyboard;
  std::unique_ptr<TUni2Euc> FUni2Euc;
  std::vector<HWND> FButtons;  // the 40 jamo buttons in glyph order
  TGlyphs FGlyphs;             // the 19 atlases and the 40 jamo pictures
  bool FGlyphsLoaded = false;
  std::vector<std::unique_ptr<TImageList>> FButtonImages;
  std::vector<std::unique_ptr<TGdiObject>> FButtonPictures;
  HWND FMoji = nullptr;
  TStrip FStrip;
  TSettingData FSetting{};

  std::wstring FSaveFileName;  // the name chosen last, for the next save
  int FHintId = -1;
  bool FDestroyed = false;
};

extern TfrmKeyboard* frmKeyboard;
