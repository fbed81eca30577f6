// Text files read a line at a time, never held whole, as the run-time library's Readln reads
// them: a line ends with LF or CR LF, a last line without an end counts too, and a file without
// bytes has no lines.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

class TextFileReader {
 public:
  // Raises EInOutError "Cannot open file "<absolute path>". <reason>".
  explicit TextFileReader(const std::string& path);
  ~TextFileReader();
  TextFileReader(const TextFileReader&) = delete;
  TextFileReader& operator=(const TextFileReader&) = delete;

  // The next line without its end; false at the end of the file. Raises EInOutError "Cannot
  // read file ..." when reading fails (a folder, for one).
  bool ReadLine(std::string& line);
  // Passes over the next `count` lines without keeping them, a buffer at a time; false when the
  // file ends first. Memory stays the same however long the lines are.
  bool SkipLines(long long count);
  // The number of lines read or skipped so far.
  long long LineNo() const { return lineNo_; }
  const std::string& Path() const { return path_; }

 private:
  bool Fill();

  std::string path_;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
  std::unique_ptr<char[]> buffer_;
  size_t begin_ = 0, end_ = 0;
  bool eof_ = false;
  long long lineNo_ = 0;
};

// The number of lines of a text file, in one pass of constant memory; at most INT_MAX.
int CountTextFileLines(const std::string& path);

// Line `number` (from 1) of a text file in code page 1250, in UTF-8; empty past the end or for a
// number below 1, as reading that many lines keeps the last one read. A byte the code page does
// not define raises EInOutError naming the file, the line and the byte.
std::string ReadCp1250FileLine(const std::string& path, int number);
