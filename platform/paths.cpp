#include "platform/paths.h"

#include <filesystem>
#include <system_error>

std::string NormalizePath(std::string_view path) {
  std::string out(path);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

std::string ExpandFileName(std::string_view path) {
  std::error_code ec;
  std::filesystem::path p = std::filesystem::absolute(NormalizePath(path), ec);
  if (ec) return NormalizePath(path);
  return p.lexically_normal().string();
}

bool FileExists(std::string_view path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(NormalizePath(path), ec);
}
