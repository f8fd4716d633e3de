#include "Cmsaver.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#include "ExeDir.h"

namespace {

std::string Utf8Name(const std::filesystem::path& name) {
  const std::u8string u8 = name.u8string();
  return std::string(u8.begin(), u8.end());
}

[[noreturn]] void ThrowCannotOpen(const std::filesystem::path& name) {
  throw EAppError("ファイル " + Utf8Name(name) + " は開けません");
}

[[noreturn]] void ThrowCannotCreate(const std::filesystem::path& name) {
  throw EAppError("ファイル " + Utf8Name(name) + " を作成できません");
}

// A fresh name in the target's own folder, so the final rename never crosses
// volumes; the random part keeps us off any file the user already has.
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& name) {
  static std::mt19937 generator{std::random_device{}()};
  static const char digits[] = "0123456789abcdef";
  std::string suffix = ".";
  for (int i = 0; i < 8; ++i) suffix.push_back(digits[generator() % 16]);
  suffix += ".tmp";
  std::filesystem::path temp = name;
  temp += suffix;
  return temp;
}

void RemoveQuietly(const std::filesystem::path& path) {
  std::error_code ec;
  std::filesystem::remove(path, ec);
}

}  // namespace

int32_t TCommonSaver::Load(const std::filesystem::path& name, void* block, int32_t size, int32_t* bytesRead) {
  const size_t wanted = size > 0 ? static_cast<size_t>(size) : 0;
  if (bytesRead) *bytesRead = 0;
  if (wanted > 0) std::memset(block, 0, wanted);
  std::error_code ec;
  const auto status = std::filesystem::status(name, ec);
  if (status.type() == std::filesystem::file_type::not_found) return -1;
  if (ec || std::filesystem::is_directory(status)) ThrowCannotOpen(name);
  std::ifstream in(name, std::ios::binary);
  if (!in) ThrowCannotOpen(name);
  in.read(static_cast<char*>(block), static_cast<std::streamsize>(wanted));
  if (in.bad()) {
    std::memset(block, 0, wanted);
    ThrowCannotOpen(name);
  }
  if (bytesRead) *bytesRead = static_cast<int32_t>(in.gcount());
  return 0;
}

int32_t TCommonSaver::Save(const std::filesystem::path& name, const void* block, int32_t size) {
  WriteFileReplacing(name, block, size > 0 ? static_cast<size_t>(size) : 0);
  return 0;
}

// Writes everything to a temporary file first and only then renames it over
// the target, so that a full disk or a missing folder never leaves the target
// short or empty: it keeps its old content until the new one is complete.
void WriteFileReplacing(const std::filesystem::path& name, const void* data, size_t size) {
  const std::filesystem::path temp = TemporaryNameBeside(name);
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) ThrowCannotCreate(name);
    if (size > 0) out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.flush();
    out.close();
    if (!out) {
      RemoveQuietly(temp);
      throw EAppError("ストリームへの書き込みエラー");
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, name, ec);
  if (ec) {
    RemoveQuietly(temp);
    ThrowCannotCreate(name);
  }
}

void ApplySettingDefaults(TSettingData& s, int32_t bytesRead) {
  if (bytesRead < static_cast<int32_t>(sizeof s.Version)) s.Version = 0;
  if (s.Version >= 2) return;
  s.Version = 2;
  s.Alpha = 200;
  s.CopyMinimize = 1;
}

std::filesystem::path SettingsFileName() { return FileBesideExe("tolvex.dat"); }
