#pragma once
// The folder of the running executable, with its trailing separator, so that
// files that lie beside the program are found wherever it was unpacked.
#include <filesystem>

std::filesystem::path ExeFile();       // full path of the running executable
std::filesystem::path ExeDirectory();  // its folder
std::filesystem::path FileBesideExe(const std::filesystem::path& name);
