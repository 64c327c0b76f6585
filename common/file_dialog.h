// The open and save file dialogs: fills a dialog request from the caller's options and the
// defaults of the omitted ones, runs it through Services, and puts the current directory
// back afterwards unless asked to keep the one the dialog left.
#pragma once

#include <optional>
#include <string>

#include "common/form/services.h"

namespace kestrum {

class FileSystem;

struct SaveFileOptions {
    const Form* owner = nullptr;
    std::optional<std::string> initialDirectory;  // omitted: the current directory
    std::optional<std::string> title;             // omitted: "保存文件"
    std::optional<std::string> defaultFileName;   // omitted: empty
    std::optional<std::string> filter;  // omitted: "TXT文档(*.txt)|*.txt|所有文件(*.*)|*.*"
    std::optional<int> filterIndex;     // omitted or 0: 1
    std::optional<bool> keepDirectory;  // omitted: false
};

struct OpenFileOptions {
    const Form* owner = nullptr;
    std::optional<std::string> initialDirectory;  // omitted: the current directory
    std::optional<std::string> title;             // omitted: "打开文件"
    std::optional<std::string> filter;            // omitted: "所有文件(*.*)|*.*"
    std::optional<bool> keepDirectory;            // omitted: false
};

// The dialog's path buffer holds 512 bytes; a save dialog's default name takes its share.
inline constexpr int kDialogPathBuffer = 512;

class FileDialog {
  public:
    FileDialog(Services& services, FileSystem& files) : services_(services), files_(files) {}

    // The chosen path, or the empty text when the user cancels.
    std::string save(const SaveFileOptions& options = {});
    std::string open(const OpenFileOptions& options = {});

    static FileDialogRequest saveRequest(const SaveFileOptions& options,
                                         const std::string& currentDirectory);
    static FileDialogRequest openRequest(const OpenFileOptions& options,
                                         const std::string& currentDirectory);

  private:
    std::string run(const FileDialogRequest& request, bool keepDirectory,
                    const std::string& remembered);

    Services& services_;
    FileSystem& files_;
};

// Whether a chosen path fits the room the request leaves for it (with its terminating NUL);
// a dialog whose path does not fit fails like a cancel.
bool pathFitsRequest(const FileDialogRequest& request, const std::string& path);

// The filter text cut at "|": empty pieces between separators stay, an empty last piece is
// dropped, and the empty text gives no pieces.
std::vector<std::string> splitFilter(const std::string& filter);

}  // namespace kestrum
