#pragma once
// The folder of the running executable, with its trailing separator, so that
// files that lie beside the program are found wherever it was unpacked.
#include <filesystem>

std::filesystem::path ExeDirectory();
std::filesystem::path FileBesideExe(const std::filesystem::path& name);
