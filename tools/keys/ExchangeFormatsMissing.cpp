// Stand-in while this build has no ExchangeFormats.cpp.
#include "Keys.h"

std::span<const TOutputFormat> ExchangeOutputFormats() { return {}; }
std::span<const TInputDecoder> ExchangeDecoders() { return {}; }
