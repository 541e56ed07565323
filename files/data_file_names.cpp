#include "files/data_file_names.h"

#include <filesystem>
#include <system_error>

std::string GetFolderPart(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string GetFileNamePart(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

namespace {

// The path made absolute against the working folder, "." and ".." resolved by name.
std::filesystem::path AbsolutePath(const std::string& path) {
    std::error_code error;
    std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? std::filesystem::path(path) : absolute.lexically_normal();
}

} // namespace

std::string GetBaseDataFileName(const std::string& dataFileName, const std::string& projectPath) {
    if (dataFileName.empty() || projectPath.empty()) {
        return dataFileName;
    }
    // Relative names are relative to the working folder here but to the scalar data file's folder
    // when read: a file in another folder is written with its absolute name.
    const std::filesystem::path data = AbsolutePath(dataFileName);
    if (data.parent_path() == AbsolutePath(projectPath).parent_path()) {
        return data.filename().string();
    }
    return dataFileName[0] == '/' ? dataFileName : data.string();
}

std::string ExpandDataFileName(const std::string& dataFileName, const std::string& scalarFilePath) {
    if (dataFileName.empty() || dataFileName[0] == '/') {
        return dataFileName;
    }
    return GetFolderPart(scalarFilePath) + dataFileName;
}

std::string ReplaceFileExtension(const std::string& path, const std::string& extension) {
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    std::string stem = path;
    // A dot in a folder name or at the start of the file name (a hidden file) is no extension.
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    if (dot != std::string::npos && dot > nameStart) {
        stem = path.substr(0, dot);
    }
    return stem + "." + extension;
}
