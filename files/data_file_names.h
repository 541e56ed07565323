#pragma once

#include <string>

// The folder part of a path as written ("" when the path names no folder).
std::string GetFolderPart(const std::string& path);
// The file name and extension of a path.
std::string GetFileNamePart(const std::string& path);

// The name under which a data file is written into a scalar data file: bare (name and
// extension) when it lies in the project file's folder (both made absolute against the working
// folder), else its absolute name, so that reading the scalar data file finds it from any folder.
std::string GetBaseDataFileName(const std::string& dataFileName, const std::string& projectPath);

// Completes a data file name read from a scalar data file: a relative name is taken relative
// to the folder of the scalar data file; an absolute one is kept.
std::string ExpandDataFileName(const std::string& dataFileName, const std::string& scalarFilePath);

// The path with its extension replaced by the given one (without the dot).
std::string ReplaceFileExtension(const std::string& path, const std::string& extension);
