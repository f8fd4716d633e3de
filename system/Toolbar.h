#pragma once
// The browser toolbar button that starts the program: its registration under
// HKEY_LOCAL_MACHINE, the menu item that switches it, the first-run offer.
#include "Registry.h"
#include "SystemUi.h"
#include <string>

// Where the program runs from at the moment of a command.
struct TExeLocation {
  std::wstring Directory;  // with its trailing separator
  std::wstring File;       // the executable's full path
};

// Registered means "Default Visible" reads exactly "Yes" (case-sensitive).
bool IsToolbarRegistered(TRegistry& reg);

// The toolbar menu command: removes a registration or writes one, confirms,
// and relabels the item from what the registry holds afterwards. A refused
// change is reported as such, never confirmed.
void ToggleToolbarButton(TRegistry& reg, TSystemUi& ui, const TExeLocation& exe);

// Last step of the main window's creation: label the item from the registry
// and, on a first run without a registration, offer to register.
void ToolbarStartupStep(TRegistry& reg, TSystemUi& ui, const TExeLocation& exe,
                        bool firstRun);
