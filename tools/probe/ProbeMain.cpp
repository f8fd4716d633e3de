// Entry and dispatch of tolvex-probe. "tolvex-probe COMMAND ARGS..." runs one
// command; "tolvex-probe repl" reads tab-separated commands from stdin, one per
// line, and answers each with its lines followed by "OK" or "ERR text", so a
// test pays for starting a Windows process only once.
#include "Probe.h"
#include <shellapi.h>
#include <cstdio>
#include <cstring>
#include <iostream>

std::string TProbeOut::Utf8(const std::wstring& s) {
  if (s.empty()) return {};
  int n = WideCharToMultiByte(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0, nullptr, nullptr);
  std::string r(size_t(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, s.data(), int(s.size()), r.data(), n, nullptr, nullptr);
  return r;
}

std::string TProbeOut::Escaped(const std::wstring& s) {
  std::string r;
  for (char c : Utf8(s)) {
    switch (c) {
      case '\\': r += "\\\\"; break;
      case '\t': r += "\\t"; break;
      case '\r': r += "\\r"; break;
      case '\n': r += "\\n"; break;
      default: r += c;
    }
  }
  return r;
}

void ProbeFail(const std::string& text) { throw EProbeError{text}; }

void NeedArgs(const TProbeArgs& args, size_t count, const char* usage) {
  if (args.size() < count) ProbeFail(std::string("usage: ") + usage);
}

long ParseNumber(const std::wstring& s) {
  wchar_t* end = nullptr;
  long v = wcstol(s.c_str(), &end, 0);
  if (s.empty() || *end != L'\0') ProbeFail("not a number: " + TProbeOut::Utf8(s));
  return v;
}

std::string Hex(const void* data, size_t size) {
  static const char digits[] = "0123456789abcdef";
  std::string r;
  auto* p = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) {
    r += digits[p[i] >> 4];
    r += digits[p[i] & 15];
  }
  return r;
}

std::vector<unsigned char> ParseHex(const std::wstring& hex) {
  if (hex.size() % 2 != 0) ProbeFail("odd number of hex digits");
  std::vector<unsigned char> r;
  for (size_t i = 0; i < hex.size(); i += 2) {
    std::wstring pair = hex.substr(i, 2);
    wchar_t* end = nullptr;
    unsigned long v = wcstoul(pair.c_str(), &end, 16);
    if (*end != L'\0' || !iswxdigit(pair[0])) ProbeFail("bad hex: " + TProbeOut::Utf8(pair));
    r.push_back(static_cast<unsigned char>(v));
  }
  return r;
}

namespace {

const TProbeCommandRow* const CommandTables[] = {ClipboardCommands, WindowCommands, SystemCommands};

const TProbeCommandRow* FindCommand(const std::wstring& name) {
  std::string wanted = TProbeOut::Utf8(name);
  for (const TProbeCommandRow* table : CommandTables)
    for (const TProbeCommandRow* row = table; row->Name; ++row)
      if (wanted == row->Name) return row;
  return nullptr;
}

void PrintUsage() {
  std::printf("usage: tolvex-probe COMMAND [ARGS...] | tolvex-probe repl\n");
  for (const TProbeCommandRow* table : CommandTables)
    for (const TProbeCommandRow* row = table; row->Name; ++row) std::printf("  %s\n", row->Usage);
}

// Runs one command and writes its answer; returns false when it failed.
bool RunCommand(const TProbeArgs& words) {
  TProbeOut out;
  bool ok = true;
  std::string error;
  const TProbeCommandRow* row = words.empty() ? nullptr : FindCommand(words[0]);
  if (!row) {
    ok = false;
    error = "unknown command";
  } else {
    try {
      row->Run(TProbeArgs(words.begin() + 1, words.end()), out);
    } catch (const EProbeError& e) {
      ok = false;
      error = e.Text;
    }
  }
  std::fwrite(out.Text().data(), 1, out.Text().size(), stdout);
  if (ok) std::fputs("OK\n", stdout);
  else std::fprintf(stdout, "ERR %s\n", error.c_str());
  std::fflush(stdout);
  return ok;
}

std::wstring FromUtf8(const std::string& s) {
  if (s.empty()) return {};
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), nullptr, 0);
  std::wstring r(size_t(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), int(s.size()), r.data(), n);
  return r;
}

TProbeArgs SplitTabs(const std::string& line) {
  TProbeArgs words;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    words.push_back(FromUtf8(line.substr(start, tab - start)));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return words;
}

int Repl() {
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    if (line == "quit") break;
    RunCommand(SplitTabs(line));
  }
  return 0;
}

}  // namespace

int main() {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  TProbeArgs words;
  for (int i = 1; i < argc; ++i) words.emplace_back(argv[i]);
  LocalFree(argv);
  if (words.empty()) {
    PrintUsage();
    return 2;
  }
  if (words.size() == 1 && words[0] == L"repl") return Repl();
  return RunCommand(words) ? 0 : 1;
}
