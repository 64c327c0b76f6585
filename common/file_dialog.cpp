#include "common/file_dialog.h"

#include "common/charset.h"
#include "common/file_system.h"
#include "common/gbk_text.h"

namespace kestrum {

std::vector<std::string> splitFilter(const std::string& filter) {
    return splitText(filter, "|");
}

bool pathFitsRequest(const FileDialogRequest& request, const std::string& path) {
    return static_cast<int>(path.size()) < request.maxFile;
}

FileDialogRequest FileDialog::saveRequest(const SaveFileOptions& options,
                                          const std::string& currentDirectory) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Save;
    request.owner = options.owner;
    request.title = options.title.value_or(gbk("保存文件"));
    request.filterPieces =
        splitFilter(options.filter.value_or(gbk("TXT文档(*.txt)|*.txt|所有文件(*.*)|*.*")));
    const int index = options.filterIndex.value_or(1);
    request.filterIndex = index == 0 ? 1 : index;
    // The name shares the 512-byte path buffer with its terminating NUL.
    request.defaultFileName = options.defaultFileName.value_or("");
    if (request.defaultFileName.size() > kDialogPathBuffer - 1)
        request.defaultFileName.resize(kDialogPathBuffer - 1);
    request.maxFile = kDialogPathBuffer - static_cast<int>(request.defaultFileName.size());
    request.initialDirectory = options.initialDirectory.value_or(currentDirectory);
    request.emptyDefaultExtension = true;
    return request;
}

FileDialogRequest FileDialog::openRequest(const OpenFileOptions& options,
                                          const std::string& currentDirectory) {
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Open;
    request.owner = options.owner;
    request.title = options.title.value_or(gbk("打开文件"));
    request.filterPieces = splitFilter(options.filter.value_or(gbk("所有文件(*.*)|*.*")));
    request.filterIndex = 1;
    request.maxFile = kDialogPathBuffer;
    request.initialDirectory = options.initialDirectory.value_or(currentDirectory);
    return request;
}

std::string FileDialog::run(const FileDialogRequest& request, bool keepDirectory,
                            const std::string& remembered) {
    std::string path = services_.runFileDialog(request);
    if (!keepDirectory)
        files_.setCurrentDirectory(remembered);
    if (!pathFitsRequest(request, path))
        return {};
    return path;
}

std::string FileDialog::save(const SaveFileOptions& options) {
    const std::string remembered = files_.currentDirectory();
    return run(saveRequest(options, remembered), options.keepDirectory.value_or(false), remembered);
}

std::string FileDialog::open(const OpenFileOptions& options) {
    const std::string remembered = files_.currentDirectory();
    return run(openRequest(options, remembered), options.keepDirectory.value_or(false), remembered);
}

}  // namespace kestrum
