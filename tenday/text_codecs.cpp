#include "tenday/text_codecs.h"

#include "common/charset.h"

namespace kestrum {

std::string base64Encode(std::string_view bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        if (left > 1)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (left > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        text += kAlphabet[(group >> 18) & 0x3F];
        text += kAlphabet[(group >> 12) & 0x3F];
        text += left > 1 ? kAlphabet[(group >> 6) & 0x3F] : '=';
        text += left > 2 ? kAlphabet[group & 0x3F] : '=';
    }
    return text;
}

std::string utf8ToAnsi(std::string_view bytes) {
    return utf8ToGbk(bytes.substr(0, bytes.find('\0')));
}

}  // namespace kestrum
