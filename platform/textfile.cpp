#include "platform/textfile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/paths.h"
#include "platform/sysutils.h"

namespace {

constexpr size_t kBufferSize = 64 * 1024;

[[noreturn]] void RaiseFileError(const char* what, const std::string& path, int error) {
  throw EInOutError(std::string(what) + " \"" + ExpandFileName(path) + "\". " +
                        std::strerror(error ? error : EIO),
                    error ? error : EIO);
}

}  // namespace

TextFileReader::TextFileReader(const std::string& path)
    : path_(path), file_(nullptr, std::fclose), buffer_(new char[kBufferSize]) {
  file_.reset(std::fopen(NormalizePath(path).c_str(), "rb"));
  if (!file_) RaiseFileError("Cannot open file", path, errno);
}

TextFileReader::~TextFileReader() = default;

bool TextFileReader::Fill() {
  if (eof_) return false;
  begin_ = 0;
  end_ = std::fread(buffer_.get(), 1, kBufferSize, file_.get());
  if (end_ == 0) {
    // A folder opens on Linux and fails only here.
    if (std::ferror(file_.get())) RaiseFileError("Cannot read file", path_, errno);
    eof_ = true;
    return false;
  }
  return true;
}

bool TextFileReader::ReadLine(std::string& line) {
  line.clear();
  bool any = false;       // a byte of this line was read
  bool endsInCr = false;  // the last byte read was a CR
  for (;;) {
    if (begin_ == end_ && !Fill()) break;
    const char* start = buffer_.get() + begin_;
    const size_t available = end_ - begin_;
    const void* lf = std::memchr(start, '\n', available);
    const size_t length =
        lf ? static_cast<size_t>(static_cast<const char*>(lf) - start) : available;
    if (length > 0) {
      any = true;
      endsInCr = start[length - 1] == '\r';
      line.append(start, length);
    }
    begin_ += length;
    if (lf) {
      ++begin_;
      any = true;
      break;
    }
  }
  if (!any) return false;
  if (endsInCr) line.pop_back();
  ++lineNo_;
  return true;
}

bool TextFileReader::SkipLines(long long count) {
  bool midLine = false;  // bytes of a line whose end is not read yet were passed
  while (count > 0) {
    if (begin_ == end_ && !Fill()) {
      // A last line without an end.
      if (!midLine) return false;
      ++lineNo_;
      return --count == 0;
    }
    const char* start = buffer_.get() + begin_;
    const size_t available = end_ - begin_;
    const long long ends = std::count(start, start + available, '\n');
    if (ends < count) {
      lineNo_ += ends;
      count -= ends;
      midLine = start[available - 1] != '\n';
      begin_ = end_;
      continue;
    }
    const char* p = start;
    for (long long k = 0; k < count; ++k) {
      p = static_cast<const char*>(
          std::memchr(p, '\n', static_cast<size_t>(start + available - p)));
      ++p;
    }
    begin_ += static_cast<size_t>(p - start);
    lineNo_ += count;
    return true;
  }
  return true;
}

int CountTextFileLines(const std::string& path) {
  TextFileReader file(path);
  file.SkipLines(LLONG_MAX);
  return static_cast<int>(std::min<long long>(file.LineNo(), INT_MAX));
}

std::string ReadCp1250FileLine(const std::string& path, int number) {
  TextFileReader file(path);
  if (number < 1) return {};
  if (!file.SkipLines(number - 1)) return {};
  std::string raw;
  if (!file.ReadLine(raw)) return {};
  std::string utf8;
  size_t bad = 0;
  if (!TryCp1250ToUtf8(raw, utf8, bad)) {
    char byte[8];
    std::snprintf(byte, sizeof byte, "$%02X", static_cast<unsigned char>(raw[bad]));
    throw EInOutError("Cannot read line " + std::to_string(number) + " of file \"" +
                          ExpandFileName(path) + "\": the byte " + byte + " at position " +
                          std::to_string(bad + 1) + " is no character of code page 1250",
                      EILSEQ);
  }
  return utf8;
}
