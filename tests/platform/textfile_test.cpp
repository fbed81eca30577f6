// Text files read a line at a time: line ends, counting, picking one line, decoding code page
// 1250 with errors that name the file and the line, and memory that does not grow with the file.
#include <sys/resource.h>

#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "platform/sysutils.h"
#include "platform/textfile.h"
#include "tests/support/test_support.h"

namespace {

class TextFiles : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = dir.path().toStdString() + "/" + name;
    QFile f(QString::fromStdString(path));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly)) << path;
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return path;
  }
  static std::vector<std::string> Lines(const std::string& path) {
    std::vector<std::string> lines;
    TextFileReader file(path);
    for (std::string line; file.ReadLine(line);) lines.push_back(line);
    return lines;
  }
  QTemporaryDir dir;
};

TEST_F(TextFiles, LinesEndWithLfOrCrLf) {
  using Lines_ = std::vector<std::string>;
  const std::string longLine(70000, 'a');  // longer than one buffer
  const struct {
    std::string content;
    Lines_ lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"\n", {""}},
      {"a\n\nb\n", {"a", "", "b"}},  // an empty line counts
      {"a\r\n\r\n", {"a", ""}},
      {"a\rb\r", {"a\rb"}},  // a CR alone ends no line
      {longLine + "\r\n" + longLine + "x", {longLine, longLine + "x"}},
      {std::string(65535, 'b') + "\r\nc", {std::string(65535, 'b'), "c"}},  // CR, LF split
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content.substr(0, 20));
    const std::string path = Write("lines.txt", c.content);
    EXPECT_EQ(Lines(path), c.lines);
    EXPECT_EQ(CountTextFileLines(path), static_cast<int>(c.lines.size()));
    for (size_t n = 1; n <= c.lines.size(); ++n) {
      EXPECT_EQ(ReadCp1250FileLine(path, static_cast<int>(n)), c.lines[n - 1]) << n;
    }
    // Past the end, and before the first line, as reading that many lines keeps the last.
    EXPECT_EQ(ReadCp1250FileLine(path, static_cast<int>(c.lines.size()) + 1), "");
    EXPECT_EQ(ReadCp1250FileLine(path, 0), "");
  }
}

TEST_F(TextFiles, AFileThatCannotBeReadRaisesAnInputOutputErrorNamingIt) {
  const std::string folder = dir.path().toStdString();
  for (const std::string& path : {folder + "/missing.txt", folder}) {
    for (int call = 0; call < 2; ++call) {
      try {
        if (call == 0) {
          CountTextFileLines(path);
        } else {
          ReadCp1250FileLine(path, 1);
        }
        ADD_FAILURE() << path << " was read";
      } catch (const EInOutError& e) {
        EXPECT_NE(e.Message().find("\"" + ExpandFileName(path) + "\""), std::string::npos)
            << e.Message();
      }
    }
  }
}

// A byte that code page 1250 does not define: a short message in UTF-8 that names the file, the
// line and the byte, never the line itself (a long line laid out in a message box stalls the
// program).
TEST_F(TextFiles, AByteTheCodePageLacksIsNamedNotTheLine) {
  const std::string line2 = std::string(1000000, 'a') + "\x81" + std::string(1000, 'b');
  const std::string path = Write("q.txt", "P\xf8\xedli\x9a \x96|\r\n" + line2 + "\r\n");
  EXPECT_EQ(ReadCp1250FileLine(path, 1), "Příliš –|");
  try {
    ReadCp1250FileLine(path, 2);
    ADD_FAILURE() << "decoded";
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.Message(), "Cannot read line 2 of file \"" + ExpandFileName(path) +
                               "\": the byte $81 at position 1000001 is no character of code "
                               "page 1250");
  }
  try {
    Cp1250ToUtf8(line2);
    ADD_FAILURE() << "decoded";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "The byte $81 at position 1000001 is no character of code page 1250");
  }
  try {
    Utf8ToCp1250(std::string(5000, 'a') + "π");
    ADD_FAILURE() << "encoded";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(),
              "The character at position 5001 (byte $CF) cannot be written in code page 1250");
  }
}

long PeakKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// Counting and picking a line read the file once, a buffer at a time: 16 MB of line breaks cost
// no more memory than a few lines.
TEST_F(TextFiles, MemoryStaysTheSameHoweverManyLines) {
  const std::string path = Write("breaks.txt", std::string(16 << 20, '\n') + "last|");
  const long before = PeakKilobytes();
  EXPECT_EQ(CountTextFileLines(path), (16 << 20) + 1);
  EXPECT_EQ(ReadCp1250FileLine(path, (16 << 20) + 1), "last|");
  EXPECT_EQ(ReadCp1250FileLine(path, 1000), "");
  EXPECT_LT(PeakKilobytes() - before, 8 * 1024) << "kilobytes more at the peak";
}

}  // namespace
