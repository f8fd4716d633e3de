#pragma once
// TCommonSaver: loads and saves a block of bytes from and to a named file.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include "Sdat.h"

// An error whose text the application's error box shows as it stands (UTF-8).
class EAppError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

class TCommonSaver {
public:
  // Zero-fills the block, returns -1 when the file does not exist, else reads
  // up to size bytes and returns 0. Throws EAppError "ファイル %s は開けません".
  // bytesRead, when given, receives how many bytes the file supplied.
  int32_t Load(const std::filesystem::path& name, void* block, int32_t size, int32_t* bytesRead = nullptr);
  // Writes size bytes via a temporary file renamed over the target. Throws
  // EAppError "ファイル %s を作成できません"; the old file survives a failure.
  int32_t Save(const std::filesystem::path& name, const void* block, int32_t size);
};

// Replaces the file's whole content through a temporary file in the same
// folder, so a failed write never destroys the existing file. Throws
// EAppError "ファイル %s を作成できません" when the file cannot be created and
// "ストリームへの書き込みエラー" when writing fails.
void WriteFileReplacing(const std::filesystem::path& name, const void* data, size_t size);

// Version < 2 gets Version 2, Alpha 200, CopyMinimize 1. A file of fewer than
// 4 bytes holds no Version at all: it counts as 0, so its stray bytes cannot
// pass for a current record (with Alpha 0, an invisible window).
void ApplySettingDefaults(TSettingData& s, int32_t bytesRead = sizeof(TSettingData));
// "tolvex.dat" beside the running executable.
std::filesystem::path SettingsFileName();
