#include "platform/files/posix_file_system.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "common/charset.h"

namespace kestrum {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::string PosixFileSystem::programFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return utf8ToGbk(program.parent_path().string());
}

std::string PosixFileSystem::currentDirectory() {
    std::error_code error;
    const std::filesystem::path current = std::filesystem::current_path(error);
    if (error)
        return {};
    return utf8ToGbk(current.string());
}

bool PosixFileSystem::setCurrentDirectory(const std::string& path) {
    std::error_code error;
    std::filesystem::current_path(gbkToUtf8(path), error);
    return !error;
}

bool PosixFileSystem::fileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(gbkToUtf8(path), error);
}

std::optional<std::string> PosixFileSystem::readFile(const std::string& path) {
    FileHandle file(std::fopen(gbkToUtf8(path).c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0)
        bytes.append(buffer, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

bool PosixFileSystem::writeFile(const std::string& path, const std::string& bytes) {
    std::FILE* raw = std::fopen(gbkToUtf8(path).c_str(), "wb");
    if (!raw)
        return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), raw) == bytes.size();
    const bool closed = std::fclose(raw) == 0;
    return written && closed;
}

}  // namespace kestrum
