// An in-memory FileSystem for handler tests: files are a map from path to bytes, and single
// paths (or everything) can be made to refuse writing, like a read-only file or a full disk.
#pragma once

#include <map>
#include <set>
#include <string>

#include "common/file_system.h"

namespace kestrum {

class MemoryFileSystem : public FileSystem {
  public:
    explicit MemoryFileSystem(std::string programFolder = "/opt/kestrum")
        : programFolder_(programFolder), currentDirectory_(std::move(programFolder)) {}

    std::map<std::string, std::string> files;
    std::set<std::string> readOnlyPaths;
    bool refuseAllWrites = false;
    int writeCount = 0;

    std::string programFolder() override { return programFolder_; }
    std::string currentDirectory() override { return currentDirectory_; }
    bool setCurrentDirectory(const std::string& path) override {
        currentDirectory_ = path;
        return true;
    }
    std::set<std::string> unreadablePaths;
    bool fileExists(const std::string& path) override { return files.count(path) > 0; }
    std::optional<std::string> readFile(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end() || unreadablePaths.count(path))
            return std::nullopt;
        return it->second;
    }
    bool writeFile(const std::string& path, const std::string& bytes) override {
        if (refuseAllWrites || readOnlyPaths.count(path))
            return false;
        ++writeCount;
        files[path] = bytes;
        return true;
    }

  private:
    std::string programFolder_;
    std::string currentDirectory_;
};

}  // namespace kestrum
