// Any clipboard text through the reference reader; every value it appends
// must also survive a round trip through both reference forms.
#include <cstdlib>

#include "Exchange.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  TTextList values;
  ParseRefs(text, values);
  if (values.size() > size) std::abort();  // at most one entry per byte
  for (TRefForm form : {TRefForm::Dec, TRefForm::Hex}) {
    TTextList back;
    ParseRefs(RefText(values, form), back);
    if (back != values) std::abort();
  }
  return 0;
}
