#include "KeyPreview.h"
#include "Layout.h"

TKeyPreview PreviewKey(uint16_t virtualKey, bool shift, bool ctrl) {
  TKeyPreview preview;
  preview.Action = MapKey(virtualKey, shift, ctrl);
  if (preview.Action.Kind == TKeyKind::None || preview.Action.Button == nullptr) return preview;
  if (const TControlRow* row = FindControl(MainLayout, preview.Action.Button)) preview.FocusId = row->Id;
  // A space reaching a focused push button would click it as well.
  preview.Consume = preview.Action.Kind == TKeyKind::Space;
  return preview;
}
