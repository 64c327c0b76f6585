# cmake -DINPUT=<file> -DOUTPUT=<source> -DFUNCTION=<name> -P embed_file.cmake
# Writes a source file defining kestrum::resources::<name>() over the file's bytes.
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR size "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Sixteen bytes a line keeps the generated file readable in a debugger.
string(REGEX REPLACE "((0x..,){16})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}
"// Generated from ${INPUT}; do not edit.
#include \"common/resources/embedded_data.h\"

namespace {
const unsigned char kData[${size}] = {
${bytes}
};
}  // namespace

std::string_view kestrum::resources::${FUNCTION}() {
    return {reinterpret_cast<const char*>(kData), sizeof kData};
}
")
