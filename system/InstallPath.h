#pragma once
// The install-path record under the program's own key, and the menu item
// that forgets it before an uninstall and can record it again.
#include "Registry.h"
#include "SystemUi.h"
#include <cstdint>
#include <string>

enum class TPathChange { None, Written, Deleted, Refused };

// flag 1: write the executable's path when none is stored (a stored path is
// kept, whatever it names); flag 0: delete the key when a path is stored.
// The uninstall item is relabelled only when the registry really changed.
TPathChange RegisterInstallPath(TRegistry& reg, TSystemUi& ui,
                                const std::wstring& exeFile, uint8_t flag);

// The uninstall menu command; tag is the item's current tag.
void PrepareUninstallClick(TRegistry& reg, TSystemUi& ui,
                           const std::wstring& exeFile, int tag);
