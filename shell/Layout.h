#pragma once
// The windows' layouts as data: every control and menu item is one row, and
// one loop in the Win32 glue builds them. Texts are UTF-8. Nothing here
// needs Windows, so the tables are checked natively.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class TControlKind : uint8_t {
  Strip,        // the text strip, drawn by the window
  Label,        // static text
  LabelRight,   // right-aligned static text
  JamoButton,   // bitmap button showing a jamo picture
  PushButton,
  StatusBar,
  GroupBox,
  RadioButton,  // first radio of a group carries NewGroup
  CheckBox,
  TrackBar,
};

enum class TFontKind : uint8_t { Window, CommandButton };

struct TControlRow {
  int Id;
  const char* Name;
  TControlKind Kind;
  int Left, Top, Width, Height;
  const char* Caption;  // nullptr: none
  const char* Hint;     // nullptr: none (the status bar is emptied)
  bool Tooltip;
  int8_t Tag;           // jamo tag of a jamo button, else 0
  TFontKind Font = TFontKind::Window;
  bool TabStop = false;
  bool NewGroup = false;  // starts a new group for arrow keys and radio exclusion
  bool Disabled = false;
};

struct TMenuRow {
  int Menu;             // index of the top-level menu
  int Id;               // 0 for a separator
  const char* Name;
  const char* Caption;  // "-" for a separator
  const char* Hint;
  bool Enabled = true;
};

struct TWindowLayout {
  const char* ClassName;
  const char* Caption;
  int ClientWidth, ClientHeight;
  std::span<const TControlRow> Controls;  // in creation (= focus) order
};

// --- main window ---
extern const TWindowLayout MainLayout;
std::span<const char* const> MainMenuTitles();
std::span<const TMenuRow> MainMenuRows();
// The jamo buttons in glyph order (Unicode conjoining-jamo order, bbG first,
// bbI last), as the strip renderer numbers them.
std::span<const TControlRow* const> JamoButtonsInGlyphOrder();

const TControlRow* FindControl(const TWindowLayout& layout, std::string_view name);
const TControlRow* FindControl(const TWindowLayout& layout, int id);
// The hint of a main-window control or menu item; "" when it has none.
std::string_view MainHintFor(int id);

// --- dialogs ---
extern const TWindowLayout PatternLayout;
extern const TWindowLayout OptionLayout;

// Caption text for a control: the dialog manager reads "&" as a mnemonic
// mark, so a caption meant literally ("&#44032;") has its ampersands doubled.
std::string LiteralCaption(std::string_view caption);
