// Stand-in while this build has no Strip.cpp.
#include "Keys.h"

TWriteStrip StripWriter() { return nullptr; }
