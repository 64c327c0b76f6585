// Folder texts: the separator of the platform's paths and the helper that ends a folder
// with it.
#pragma once

#include <string>

namespace kestrum {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Appends the separator to the caller's text unless it already ends with one (an empty text
// becomes a lone separator), and returns a copy of the result.
std::string withTrailingSeparator(std::string& directory);

}  // namespace kestrum
