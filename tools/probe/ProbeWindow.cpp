// Window commands: find the keyboard, its dialogs and message boxes, and read
// what a user sees in them (texts, checks, focus, transparency, menu); post a
// command or a click where a test needs to drive the program directly.
#include "Probe.h"
#include <commctrl.h>
#include <cstdio>

HWND ResolveWindow(const std::wstring& spec) {
  HWND h = nullptr;
  if (spec.rfind(L"0x", 0) == 0) h = reinterpret_cast<HWND>(static_cast<INT_PTR>(wcstoull(spec.c_str(), nullptr, 16)));
  else h = FindWindowW(nullptr, spec.c_str());
  if (!h || !IsWindow(h)) ProbeFail("no window " + TProbeOut::Utf8(spec));
  return h;
}

namespace {

std::string HandleText(HWND h) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(h)));
  return buf;
}

// WM_GETTEXT is marshalled across processes, unlike GetWindowText on controls.
std::wstring WindowText(HWND h) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(h, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000, &copied);
  text.resize(copied);
  return text;
}

std::wstring ClassOf(HWND h) {
  wchar_t name[128] = L"";
  GetClassNameW(h, name, 128);
  return name;
}

LRESULT Ask(HWND h, UINT msg, WPARAM w = 0, LPARAM l = 0) {
  DWORD_PTR result = 0;
  SendMessageTimeoutW(h, msg, w, l, SMTO_ABORTIFHUNG, 2000, &result);
  return LRESULT(result);
}

std::string RectText(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom);
}

void Info(const TProbeArgs& args, TProbeOut& out) {
  NeedArgs(args, 1, "info WINDOW");
  HWND h = ResolveWindow(args[0]);
  LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
  DWORD pid = 0;
  GetWindowThreadProcessId(h, &pid);
  out.Line("hwnd " + HandleText(h));
  out.Line("caption " + TProbeOut::Escaped(WindowText(h)));
  out.Line("class " + TProbeOut::Escaped(ClassOf(h)));
  out.Line("pid " + std::to_string(pid));
  out.Line(std::string("visible ") + (IsWindowVisible(h) ? "1" : "0"));
  out.Line(std::string("iconic ") + (IsIconic(h) ? "1" : "0"));
  out.Line(std::string("enabled ") + (IsWindowEnabled(h) ? "1" : "0"));
  out.Line(std::string("topmost ") + ((ex & WS_EX_TOPMOST) ? "1" : "0"));
  out.Line(std::string("layered ") + ((ex & WS_EX_LAYERED) ? "1" : "0"));
  BYTE alpha = 0;
  DWORD flags = 0;
  if ((ex & WS_EX_LAYERED) && GetLayeredWindowAttributes(h, nullptr, &alpha, &flags) && (flags & LWA_ALPHA))
    out.Line("alpha " + std::to_string(alpha));
  else
    out.Line("alpha none");
  RECT client{}, window{};
  GetClientRect(h, &client);
  GetWindowRect(h, &window);
  POINT origin{0, 0};
  ClientToScreen(h, &origin);
  out.Line("client " + std::to_string(client.right) + " " + std::to_string(client.bottom));
  out.Line("client-origin " + std::to_string(origin.x) + " " + std::to_string(origin.y));
  out.Line("window-rect " + RectText(window));
  out.Line("style " + HandleText(reinterpret_cast<HWND>(GetWindowLongPtrW(h, GWL_STYLE))));
}

// One line per descendant control, as tab-separated key=value pairs.
void Children(const TProbeArgs& args, TProbeOut& out) {
  NeedArgs(args, 1, "children WINDOW");
  HWND parent = ResolveWindow(args[0]);
  std::vector<HWND> found;
  EnumChildWindows(parent, [](HWND h, LPARAM l) {
    reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&found));
  for (HWND h : found) {
    std::wstring cls = ClassOf(h);
    RECT r{};
    GetWindowRect(h, &r);
    std::string line = "hwnd=" + HandleText(h) + "\tid=" + std::to_string(GetDlgCtrlID(h)) +
                       "\tclass=" + TProbeOut::Escaped(cls) + "\ttext=" + TProbeOut::Escaped(WindowText(h)) +
                       "\tvisible=" + (IsWindowVisible(h) ? "1" : "0") + "\tenabled=" + (IsWindowEnabled(h) ? "1" : "0") +
                       "\trect=" + RectText(r);
    if (_wcsicmp(cls.c_str(), L"Button") == 0) line += "\tchecked=" + std::to_string(Ask(h, BM_GETCHECK));
    if (_wcsicmp(cls.c_str(), TRACKBAR_CLASSW) == 0) line += "\tpos=" + std::to_string(Ask(h, TBM_GETPOS));
    out.Line(line);
  }
}

void Text(const TProbeArgs& args, TProbeOut& out) {
  NeedArgs(args, 2, "text WINDOW ID");
  HWND control = GetDlgItem(ResolveWindow(args[0]), int(ParseNumber(args[1])));
  if (!control) ProbeFail("no control with that ID");
  out.Line(TProbeOut::Escaped(WindowText(control)));
}

// The control that has the keyboard focus in the window's thread.
void Focus(const TProbeArgs& args, TProbeOut& out) {
  NeedArgs(args, 1, "focus WINDOW");
  DWORD thread = GetWindowThreadProcessId(ResolveWindow(args[0]), nullptr);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(thread, &info)) ProbeFail("GetGUIThreadInfo failed");
  if (!info.hwndFocus) ProbeFail("no focus");
  out.Line(std::to_string(GetDlgCtrlID(info.hwndFocus)) + " " + TProbeOut::Escaped(ClassOf(info.hwndFocus)) + " " +
           HandleText(info.hwndFocus) + " active " + HandleText(info.hwndActive));
}

// Memory inside another process, for messages that fill a caller's buffer.
class TRemoteBuffer {
public:
  TRemoteBuffer(HWND owner, SIZE_T size) : size_(size) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (process_) memory_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!memory_) ProbeFail("cannot reach the other process's memory");
  }
  ~TRemoteBuffer() {
    if (memory_) VirtualFreeEx(process_, memory_, 0, MEM_RELEASE);
    if (process_) CloseHandle(process_);
  }
  TRemoteBuffer(const TRemoteBuffer&) = delete;
  TRemoteBuffer& operator=(const TRemoteBuffer&) = delete;
  LPARAM Address() const { return reinterpret_cast<LPARAM>(memory_); }
  std::wstring ReadText() const {
    std::wstring text(size_ / sizeof(wchar_t), L'\0');
    SIZE_T got = 0;
    ReadProcessMemory(process_, memory_, text.data(), size_, &got);
    return text.substr(0, text.find(L'\0'));
  }
private:
  SIZE_T size_;
  HANDLE process_ = nullptr;
  void* memory_ = nullptr;
};

// A status bar in simple mode keeps its text apart from its parts, where
// WM_GETTEXT does not look; SB_GETTEXT needs a buffer in the owner's process.
void Status(const TProbeArgs& args, TProbeOut& out) {
  NeedArgs(args, 1, "status WINDOW");
  HWND bar = FindWindowExW(ResolveWindow(args[0]), nullptr, STATUSCLASSNAMEW, nullptr);
  if (!bar) ProbeFail("no status bar");
  if (!Ask(bar, SB_ISSIMPLE)) {
    out.Line(TProbeOut::Escaped(WindowText(bar)));
    return;
  }
  // Wine answers for the simple text as part 0, Windows as SB_SIMPLEID.
  std::wstring text;
  for (WPARAM part : {WPARAM(0), WPARAM(SB_SIMPLEID)}) {
    TRemoteBuffer buffer(bar, 2048 * sizeof(wchar_t));
    Ask(bar, SB_GETTEXTW, part, buffer.Address());
    text = buffer.ReadText();
    if (!text.empty()) break;
  }
  out.Line(TProbeOut::Escaped(text));
}

void ListMenu(HMENU menu, const std::string& path, TProbeOut& out) {
  int count = GetMenuItemCount(menu);
  if (count < 0) ProbeFail("cannot read the menu");
  for (int i = 0; i < count; ++i) {
    wchar_t caption[256] = L"";
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_STATE | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
    info.dwTypeData = caption;
    info.cch = 256;
    if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) ProbeFail("cannot read a menu item");
    std::string state = (info.fType & MFT_SEPARATOR) ? "separator" : (info.fState & MFS_DISABLED) ? "grayed" : "enabled";
    if (info.fState & MFS_CHECKED) state += ",checked";
    std::string where = path + std::to_string(i);
    out.Line(where + "\t" + std::to_string(info.wID) + "\t" + state + "\t" + TProbeOut::Escaped(caption));
    if (info.hSubMenu) ListMenu(info.hSubMenu, where + ".", out);
  }
}

// Menus live in the owning process; Wine may not let another process read them.
void Menu(const TProbeArgs& args, TProbeOut& out) {
  NeedArgs(args, 1, "menu WINDOW");
  HMENU menu = GetMenu(ResolveWindow(args[0]));
  if (!menu) ProbeFail("no menu");
  ListMenu(menu, "", out);
}

void Command(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 2, "command WINDOW ID");
  if (!PostMessageW(ResolveWindow(args[0]), WM_COMMAND, MAKEWPARAM(ParseNumber(args[1]), 0), 0)) ProbeFail("PostMessage failed");
}

// Presses a button of a dialog or message box as a user's click would.
void Click(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 2, "click WINDOW ID");
  HWND control = GetDlgItem(ResolveWindow(args[0]), int(ParseNumber(args[1])));
  if (!control) ProbeFail("no control with that ID");
  PostMessageW(control, BM_CLICK, 0, 0);
}

void Close(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 1, "close WINDOW");
  PostMessageW(ResolveWindow(args[0]), WM_CLOSE, 0, 0);
}

// Every top-level window: HWND PID VISIBLE CLASS CAPTION.
void Windows(const TProbeArgs&, TProbeOut& out) {
  std::vector<HWND> found;
  EnumWindows([](HWND h, LPARAM l) {
    reinterpret_cast<std::vector<HWND>*>(l)->push_back(h);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&found));
  for (HWND h : found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    out.Line(HandleText(h) + "\t" + std::to_string(pid) + "\t" + (IsWindowVisible(h) ? "1" : "0") + "\t" +
             TProbeOut::Escaped(ClassOf(h)) + "\t" + TProbeOut::Escaped(WindowText(h)));
  }
}

}  // namespace

const TProbeCommandRow WindowCommands[] = {
  {"info", Info, "info WINDOW                  caption, visible, iconic, topmost, alpha, client size, ..."},
  {"children", Children, "children WINDOW              every control: id, class, text, checked, pos, rect"},
  {"text", Text, "text WINDOW ID               text of a control"},
  {"focus", Focus, "focus WINDOW                 ID CLASS HWND of the focused control"},
  {"status", Status, "status WINDOW                status bar text"},
  {"menu", Menu, "menu WINDOW                  PATH ID STATE CAPTION per menu item"},
  {"command", Command, "command WINDOW ID            post WM_COMMAND"},
  {"click", Click, "click WINDOW ID              post BM_CLICK to a button"},
  {"close", Close, "close WINDOW                 post WM_CLOSE"},
  {"windows", Windows, "windows                      top-level windows: HWND PID VISIBLE CLASS CAPTION"},
  {nullptr, nullptr, nullptr},
};
