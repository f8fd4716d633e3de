// Clipboard commands: read every format as raw bytes, set CF_TEXT and
// CF_UNICODETEXT from hex, and hold the clipboard open as another program
// would while the keyboard tries to paste.
#include "Probe.h"
#include "WinHandles.h"
#include <cstdio>
#include <cstring>

namespace {

// The clipboard may be busy for a moment while the keyboard copies.
class TOpenClipboard : TNonCopyable {
public:
  TOpenClipboard() {
    for (int i = 0; i < 100 && !open_; ++i) {
      open_ = OpenClipboard(nullptr) != FALSE;
      if (!open_) Sleep(20);
    }
    if (!open_) ProbeFail("cannot open the clipboard");
  }
  ~TOpenClipboard() { CloseClipboard(); }
private:
  bool open_ = false;
};

std::wstring FormatName(UINT format) {
  switch (format) {
    case CF_TEXT: return L"CF_TEXT";
    case CF_OEMTEXT: return L"CF_OEMTEXT";
    case CF_UNICODETEXT: return L"CF_UNICODETEXT";
    case CF_LOCALE: return L"CF_LOCALE";
    case CF_BITMAP: return L"CF_BITMAP";
    case CF_DIB: return L"CF_DIB";
  }
  wchar_t name[256] = L"";
  if (GetClipboardFormatNameW(format, name, 256) > 0) return name;
  return L"?";
}

// Lists the formats the owner put there itself, not those Windows derives.
void ClipFormats(const TProbeArgs&, TProbeOut& out) {
  TOpenClipboard clipboard;
  for (UINT f = EnumClipboardFormats(0); f; f = EnumClipboardFormats(f))
    out.Line(std::to_string(f) + " " + TProbeOut::Utf8(FormatName(f)));
}

// The bytes of a text format up to its terminating zero unit.
void PrintTextFormat(UINT format, size_t unit, TProbeOut& out) {
  TOpenClipboard clipboard;
  HANDLE data = GetClipboardData(format);
  if (!data) ProbeFail("format not on the clipboard");
  TGlobalLock lock(data);
  if (!lock.Get()) ProbeFail("cannot lock the clipboard data");
  auto* bytes = static_cast<const unsigned char*>(lock.Get());
  size_t size = lock.Size(), length = 0;
  auto isZeroUnit = [&](size_t at) {
    for (size_t k = 0; k < unit; ++k)
      if (bytes[at + k]) return false;
    return true;
  };
  while (length + unit <= size && !isZeroUnit(length)) length += unit;
  out.Line(Hex(bytes, length));
}

void ClipText(const TProbeArgs&, TProbeOut& out) { PrintTextFormat(CF_TEXT, 1, out); }
void ClipUnicode(const TProbeArgs&, TProbeOut& out) { PrintTextFormat(CF_UNICODETEXT, 2, out); }

void SetFormat(UINT format, std::vector<unsigned char> bytes, size_t unit) {
  bytes.resize(bytes.size() + unit, 0);
  TGlobal memory(GMEM_MOVEABLE, bytes.size());
  {
    TGlobalLock lock(memory.Get());
    if (!lock.Get()) ProbeFail("out of memory");
    std::memcpy(lock.Get(), bytes.data(), bytes.size());
  }
  if (!SetClipboardData(format, memory.Get())) ProbeFail("SetClipboardData failed");
  memory.Detach();
}

// clip-set [text HEX] [unicode HEX]: empties the clipboard and sets the given
// formats, each with its terminating zero added.
void ClipSet(const TProbeArgs& args, TProbeOut&) {
  if (args.size() % 2 != 0) ProbeFail("usage: clip-set [text HEX] [unicode HEX]");
  TOpenClipboard clipboard;
  EmptyClipboard();
  for (size_t i = 0; i < args.size(); i += 2) {
    if (args[i] == L"text") SetFormat(CF_TEXT, ParseHex(args[i + 1]), 1);
    else if (args[i] == L"unicode") SetFormat(CF_UNICODETEXT, ParseHex(args[i + 1]), 2);
    else ProbeFail("unknown format: " + TProbeOut::Utf8(args[i]));
  }
}

// Prints "held" as soon as the clipboard is ours, so the caller knows when to
// act, then keeps it for the given milliseconds.
void ClipHold(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 1, "clip-hold MS");
  long ms = ParseNumber(args[0]);
  TOpenClipboard clipboard;
  std::fputs("held\n", stdout);
  std::fflush(stdout);
  Sleep(DWORD(ms));
}

}  // namespace

const TProbeCommandRow ClipboardCommands[] = {
  {"clip-formats", ClipFormats, "clip-formats                 formats on the clipboard: NUMBER NAME"},
  {"clip-text", ClipText, "clip-text                    CF_TEXT bytes in hex, without the zero"},
  {"clip-unicode", ClipUnicode, "clip-unicode                 CF_UNICODETEXT bytes in hex, without the zero"},
  {"clip-set", ClipSet, "clip-set [text HEX] [unicode HEX]  empty the clipboard, set formats"},
  {"clip-hold", ClipHold, "clip-hold MS                 keep the clipboard open (prints held)"},
  {nullptr, nullptr, nullptr},
};
