// Registry and shell integration of the main window: the browser toolbar
// button, the install path and the information page.
#include "Fkeybord.h"

void TfrmKeyboard::RegisterPath(uint8_t) {}

void TfrmKeyboard::SetupToolbarButton(int32_t) {}

void TfrmKeyboard::IER1Click() {}

void TfrmKeyboard::U1Click() {}

void TfrmKeyboard::mmHomeClick() {}
