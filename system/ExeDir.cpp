#include "ExeDir.h"

#ifdef _WIN32
#include <windows.h>
#include <string>

std::filesystem::path ExeFile() {
  std::wstring buf(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = GetModuleFileNameW(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) { buf.resize(n); break; }
    buf.resize(buf.size() * 2);  // long paths: grow until the name fits
  }
  return std::filesystem::path(buf);
}
#else
#include <system_error>

std::filesystem::path ExeFile() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path{} : exe;
}
#endif

std::filesystem::path ExeDirectory() { return ExeFile().parent_path(); }

std::filesystem::path FileBesideExe(const std::filesystem::path& name) {
  return ExeDirectory() / name;
}
