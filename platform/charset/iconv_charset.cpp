// glibc iconv backend for common/charset.h. glibc's CP936 is the Windows GBK code page.
#include <errno.h>
#include <iconv.h>

#include <string>
#include <string_view>

#include "common/charset.h"

namespace kestrum {
namespace {

// Length of the sequence a malformed or unmappable input starts, so it can be
// replaced by one "?" and skipped whole.
size_t utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

size_t gbkSequenceLength(unsigned char lead) {
    return lead > 0x80 && lead < 0xFF ? 2 : 1;
}

std::string convert(std::string_view input, const char* to, const char* from,
                    size_t (*skipLength)(unsigned char)) {
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
    while (inLeft > 0) {
        char* out = buffer;
        size_t outLeft = sizeof buffer;
        size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
        output.append(buffer, sizeof buffer - outLeft);
        if (rc != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ or EINVAL: one "?" for the offending character, then go on.
        size_t skip = skipLength(static_cast<unsigned char>(*in));
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
