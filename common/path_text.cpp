#include "common/path_text.h"

namespace kestrum {

std::string withTrailingSeparator(std::string& directory) {
    if (directory.empty() || directory.back() != kPathSeparator)
        directory += kPathSeparator;
    return directory;
}

}  // namespace kestrum
