// One value of a profile file on disk: a missing or unreadable file reads as an empty file,
// and a file that cannot be written keeps what it had.
#pragma once

#include <string>

namespace kestrum {

class FileSystem;

class SettingsFile {
  public:
    SettingsFile(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}

    // The stored value, or the empty text when the file, the section or the key is missing.
    // At most 10239 bytes, the room the programs give it.
    std::string read(const std::string& section, const std::string& key) const;
    // Creates the file and the section when they are missing. False when the write failed.
    bool write(const std::string& section, const std::string& key, const std::string& value);

    const std::string& path() const { return path_; }

  private:
    FileSystem& files_;
    std::string path_;
};

}  // namespace kestrum
