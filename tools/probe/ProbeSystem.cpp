// Registry and file commands for the tests of the system side: read, write and
// delete values under HKEY_LOCAL_MACHINE, and keep a file locked as another
// program would.
#include "Probe.h"
#include "WinHandles.h"
#include <sddl.h>
#include <cstdio>

namespace {

// Accepts "Software\x" and "\Software\x", as the program spells its keys.
std::wstring KeyPath(const std::wstring& path) {
  return path.rfind(L"\\", 0) == 0 ? path.substr(1) : path;
}

// reg-get KEY VALUE: "REG_SZ text" or "REG_DWORD number"; fails when missing.
void RegGet(const TProbeArgs& args, TProbeOut& out) {
  NeedArgs(args, 2, "reg-get KEY VALUE");
  TRegKey key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, KeyPath(args[0]).c_str(), 0, KEY_READ, key.Out()) != ERROR_SUCCESS)
    ProbeFail("no key");
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key.Get(), args[1].c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    ProbeFail("no value");
  std::vector<BYTE> data(size + 2, 0);
  RegQueryValueExW(key.Get(), args[1].c_str(), nullptr, &type, data.data(), &size);
  if (type == REG_SZ || type == REG_EXPAND_SZ)
    out.Line(std::string(type == REG_SZ ? "REG_SZ " : "REG_EXPAND_SZ ") +
             TProbeOut::Escaped(reinterpret_cast<const wchar_t*>(data.data())));
  else if (type == REG_DWORD && size == 4)
    out.Line("REG_DWORD " + std::to_string(*reinterpret_cast<const DWORD*>(data.data())));
  else
    out.Line("TYPE" + std::to_string(type) + " " + Hex(data.data(), size));
}

void RegSet(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 3, "reg-set KEY VALUE TEXT");
  TRegKey key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath(args[0]).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key.Out(),
                      nullptr) != ERROR_SUCCESS)
    ProbeFail("cannot create the key");
  const std::wstring& text = args[2];
  if (RegSetValueExW(key.Get(), args[1].c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                     DWORD((text.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
    ProbeFail("cannot write the value");
}

// Deletes a key with everything below it; a missing key is not an error.
void RegDelete(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 1, "reg-delete KEY");
  LSTATUS status = RegDeleteTreeW(HKEY_LOCAL_MACHINE, KeyPath(args[0]).c_str());
  if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) {
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, KeyPath(args[0]).c_str());
    return;
  }
  ProbeFail("cannot delete the key: " + std::to_string(status));
}

// Gives a key (created when missing) the access list in SDDL form, e.g. one
// that only allows reading, as HKEY_LOCAL_MACHINE is for a user without
// administrator rights.
void SetKeyAcl(const std::wstring& path, const wchar_t* sddl) {
  TRegKey key;
  if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, KeyPath(path).c_str(), 0, nullptr, 0, WRITE_DAC, nullptr, key.Out(),
                      nullptr) != ERROR_SUCCESS)
    ProbeFail("cannot open the key");
  PSECURITY_DESCRIPTOR sd = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(sddl, SDDL_REVISION_1, &sd, nullptr))
    ProbeFail("bad access list");
  LSTATUS status = RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION, sd);
  LocalFree(sd);
  if (status != ERROR_SUCCESS) ProbeFail("cannot set the access list: " + std::to_string(status));
}

void RegLock(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 1, "reg-lock KEY");
  SetKeyAcl(args[0], L"D:P(A;;KR;;;WD)");
}

void RegUnlock(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 1, "reg-unlock KEY");
  SetKeyAcl(args[0], L"D:(A;;KA;;;WD)");
}

// Opens a file with no sharing at all and keeps it for the given milliseconds.
void HoldFile(const TProbeArgs& args, TProbeOut&) {
  NeedArgs(args, 2, "hold-file PATH MS");
  HANDLE file = CreateFileW(args[0].c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) ProbeFail("cannot open the file");
  std::fputs("held\n", stdout);
  std::fflush(stdout);
  Sleep(DWORD(ParseNumber(args[1])));
  CloseHandle(file);
}

}  // namespace

const TProbeCommandRow SystemCommands[] = {
  {"reg-get", RegGet, "reg-get KEY VALUE            a value under HKLM: TYPE DATA"},
  {"reg-set", RegSet, "reg-set KEY VALUE TEXT       write a REG_SZ value under HKLM"},
  {"reg-delete", RegDelete, "reg-delete KEY               delete a key under HKLM with its subkeys"},
  {"reg-lock", RegLock, "reg-lock KEY                 let everyone only read a key (created if missing)"},
  {"reg-unlock", RegUnlock, "reg-unlock KEY               give everyone full access to a key again"},
  {"hold-file", HoldFile, "hold-file PATH MS            keep a file open without sharing (prints held)"},
  {nullptr, nullptr, nullptr},
};
