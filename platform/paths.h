// File paths: relative to the working directory; a backslash is a separator.
#pragma once

#include <string>
#include <string_view>

// The path with every backslash turned into a slash.
std::string NormalizePath(std::string_view path);
// The absolute form of a path (relative paths against the working directory), "." and ".."
// resolved, as the class library's ExpandFileName.
std::string ExpandFileName(std::string_view path);
// Whether a file (not a folder) exists at the path.
bool FileExists(std::string_view path);
