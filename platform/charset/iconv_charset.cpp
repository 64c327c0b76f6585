// glibc iconv backend for common/charset.h. glibc's CP936 is the Windows GBK code page.
#include <errno.h>
#include <iconv.h>

#include <string>
#include <string_view>

#include "common/charset.h"

namespace kestrum {
namespace {

// Length of the malformed or unmappable character at the start of the input, so that it
// becomes one "?": a lead byte with the continuation bytes that follow it, never the next
// good character.
size_t utf8SequenceLength(const char* input, size_t left) {
    const auto lead = static_cast<unsigned char>(input[0]);
    size_t length = 1;
    if ((lead & 0xE0) == 0xC0)
        length = 2;
    else if ((lead & 0xF0) == 0xE0)
        length = 3;
    else if ((lead & 0xF8) == 0xF0)
        length = 4;
    size_t skip = 1;
    while (skip < length && skip < left && (static_cast<unsigned char>(input[skip]) & 0xC0) == 0x80)
        ++skip;
    return skip;
}

size_t gbkSequenceLength(const char* input, size_t left) {
    const auto lead = static_cast<unsigned char>(input[0]);
    if (lead <= 0x80 || lead == 0xFF || left < 2)
        return 1;
    const auto trail = static_cast<unsigned char>(input[1]);
    return trail >= 0x40 && trail != 0x7F && trail != 0xFF ? 2 : 1;
}

std::string convert(std::string_view input, const char* to, const char* from,
                    size_t (*skipLength)(const char*, size_t)) {
    std::string output;
    if (input.empty())
        return output;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return output;

    output.reserve(input.size() * 2);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char buffer[4096];
    // The input goes to iconv a window at a time, so that a text full of bad bytes (one call
    // each) costs no more per call than the window.
    constexpr size_t kWindow = 1024;
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        const size_t window = inLeft < kWindow ? inLeft : kWindow;
        size_t windowLeft = window;
        size_t rc = iconv(cd, &in, &windowLeft, &out, &outLeft);
        inLeft -= window - windowLeft;
        output.append(buffer, sizeof buffer - outLeft);
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // A character cut by the window's end: the next window holds it whole.
        if (errno == EINVAL && windowLeft < inLeft)
            continue;
        // EILSEQ, or EINVAL at the real end: one "?" for the offending character, then go on.
        size_t skip = skipLength(in, inLeft);
        if (skip > inLeft)
            skip = inLeft;
        in += skip;
        inLeft -= skip;
        output.push_back('?');
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return output;
}

}  // namespace

std::string gbkToUtf8(std::string_view gbkText) {
    return convert(gbkText, "UTF-8", "CP936", gbkSequenceLength);
}

std::string utf8ToGbk(std::string_view utf8Text) {
    return convert(utf8Text, "CP936", "UTF-8", utf8SequenceLength);
}

}  // namespace kestrum
