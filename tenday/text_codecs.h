// Base64 for proxy credentials, and the quote service's UTF-8 answers turned into GBK.
#pragma once

#include <string>
#include <string_view>

namespace kestrum {

// Standard Base64 with "=" padding and no line breaks; empty input gives an empty text.
std::string base64Encode(std::string_view bytes);

// UTF-8 bytes as GBK text. Conversion stops at an embedded zero byte; characters GBK cannot
// show and malformed sequences become "?".
std::string utf8ToAnsi(std::string_view bytes);

}  // namespace kestrum
