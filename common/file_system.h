// The files and folders the programs touch: the program's own folder, the current directory
// and whole-file reading and writing. Paths are GBK texts like every other text of the
// programs; the backend turns them into the platform's file names. platform/files holds the
// POSIX implementation; tests/support an in-memory one.
#pragma once

#include <optional>
#include <string>

namespace kestrum {

class FileSystem {
  public:
    virtual ~FileSystem() = default;

    // Folder of the running program file, without a trailing separator.
    virtual std::string programFolder() = 0;

    // Empty when it cannot be obtained.
    virtual std::string currentDirectory() = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;

    virtual bool fileExists(const std::string& path) = 0;
    // Whole file; nothing when it is missing or cannot be read.
    virtual std::optional<std::string> readFile(const std::string& path) = 0;
    // Creates the file or empties it, then writes the bytes. False when any of that fails.
    virtual bool writeFile(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace kestrum
