#pragma once
// tolvex-probe: a console tool that looks at a running keyboard window and the
// clipboard from outside, so the end-to-end tests can check what a user would
// see. Every command writes plain text lines; strings are UTF-8 with \t, \r,
// \n and \\ escaped so that one value always stays on one line.
#include <windows.h>
#include <string>
#include <vector>

using TProbeArgs = std::vector<std::wstring>;

// Collects the answer of one command.
class TProbeOut {
public:
  void Line(const std::string& utf8) { text_ += utf8; text_ += '\n'; }
  void Line(const std::wstring& s) { Line(Utf8(s)); }
  const std::string& Text() const { return text_; }
  static std::string Utf8(const std::wstring& s);
  static std::string Escaped(const std::wstring& s);
private:
  std::string text_;
};

// A command fails by throwing this; its text becomes the "ERR" line.
struct EProbeError {
  std::string Text;
};

[[noreturn]] void ProbeFail(const std::string& text);
void NeedArgs(const TProbeArgs& args, size_t count, const char* usage);
long ParseNumber(const std::wstring& s);
std::string Hex(const void* data, size_t size);
std::vector<unsigned char> ParseHex(const std::wstring& hex);

using TProbeCommand = void (*)(const TProbeArgs& args, TProbeOut& out);
struct TProbeCommandRow {
  const char* Name;
  TProbeCommand Run;
  const char* Usage;
};

// The command tables of each area; each ends with a row whose Name is null.
extern const TProbeCommandRow ClipboardCommands[];
extern const TProbeCommandRow WindowCommands[];
extern const TProbeCommandRow SystemCommands[];

// A window named by a handle ("0x1234") or by its exact caption.
HWND ResolveWindow(const std::wstring& spec);
