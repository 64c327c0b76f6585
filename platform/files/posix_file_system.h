// FileSystem on Linux: the program's folder from /proc/self/exe, the current directory from
// std::filesystem, files through C stdio. GBK paths of the programs become UTF-8 file names.
#pragma once

#include "common/file_system.h"

namespace kestrum {

class PosixFileSystem : public FileSystem {
  public:
    std::string programFolder() override;
    std::string currentDirectory() override;
    bool setCurrentDirectory(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    std::optional<std::string> readFile(const std::string& path) override;
    bool writeFile(const std::string& path, const std::string& bytes) override;
};

}  // namespace kestrum
