// The knowledge test: the question files and their splitting, the drawing of the file and
// answer orders, the checking of answers, the report, the failures, and the shipped files.
#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <algorithm>
#include <filesystem>
#include <set>

#include "exercises/unit_frmFceTest.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "tests/shell/program_fixture.h"

namespace {

// ---- question files -----------------------------------------------------------------------------

TEST(QuestionLine, SplitsIntoNineFields) {
  const struct {
    const char* line;
    QuestionFields fields;
  } cases[] = {
      {"a|b|c|i|d|e|f|g|h|", {"a", "b", "c", "i", "d", "e", "f", "g", "h"}},
      {"a|b|c|d|e|f|g|h|i|j|k", {"a", "b", "c", "d", "e", "f", "g", "h", "i"}},  // a tenth field
      {"x|y|z|", {"x", "y", "z", "", "", "", "", "", ""}},
      {"x|y", {"x", "", "", "", "", "", "", "", ""}},  // no bar after "y": no field
      {"jen text", {}},
      {"", {}},
      {" a |||| 2 |", {" a ", "", "", "", " 2 ", "", "", "", ""}},  // blanks are kept
  };
  for (const auto& c : cases) EXPECT_EQ(SplitQuestionLine(c.line), c.fields) << c.line;
}

// ---- drawing ----------------------------------------------------------------------------------

// Draws from a script; the test fails when the script runs out.
struct Script {
  std::vector<int> draws;
  size_t used = 0;
  int operator()() {
    if (used >= draws.size()) {
      ADD_FAILURE() << "more draws than the script holds";
      return 1;
    }
    return draws[used++];
  }
};

TEST(Drawing, ATakenNumberIsDrawnAgainAndCheckedFromTheStart) {
  const struct {
    std::vector<int> draws;
    std::array<int, 11> order;
  } files[] = {
      {{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
      // Entry 3 draws 5 (entry 2's), then 2 (entry 1's, found only by checking from the start
      // again), then 7.
      {{2, 5, 5, 2, 7, 1, 3, 4, 6, 8, 9, 10}, {0, 2, 5, 7, 1, 3, 4, 6, 8, 9, 10}},
      {{10, 10, 10, 9, 9, 10, 8, 1, 2, 3, 4, 5, 6, 7}, {0, 10, 9, 8, 1, 2, 3, 4, 5, 6, 7}},
  };
  for (const auto& c : files) {
    Script script{c.draws};
    std::array<int, 11> order{};
    DrawFileOrder(order, std::ref(script));
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(script.used, c.draws.size());
  }

  const struct {
    std::vector<int> draws;
    std::array<int, 6> order;
  } answers[] = {
      {{1, 2, 3, 4, 5}, {0, 1, 2, 3, 4, 5}},
      // Position 3 draws 3 (position 1's), then 1 (position 2's), then 5.
      {{3, 3, 1, 3, 1, 5, 2, 2, 4}, {0, 3, 1, 5, 2, 4}},
  };
  for (const auto& c : answers) {
    Script script{c.draws};
    std::array<int, 6> order{};
    DrawAnswerOrder(order, std::ref(script));
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(script.used, c.draws.size());
  }
}

TEST(Drawing, OverManySeedsTheOrdersArePermutationsAndTheCorrectAnswerGoesEverywhere) {
  std::array<int, 6> correctAt{};
  const int runs = 2000;
  for (int seed = 1; seed <= runs; ++seed) {
    SetRandSeed(static_cast<std::uint32_t>(seed * 7919));
    std::array<int, 11> files{};
    DrawFileOrder(files, [] { return Random(10) + 1; });
    std::vector<int> sortedFiles(files.begin() + 1, files.end());
    std::sort(sortedFiles.begin(), sortedFiles.end());
    ASSERT_EQ(sortedFiles, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10})) << seed;

    std::array<int, 6> answers{};
    DrawAnswerOrder(answers, [] { return Random(5) + 1; });
    std::vector<int> sortedAnswers(answers.begin() + 1, answers.end());
    std::sort(sortedAnswers.begin(), sortedAnswers.end());
    ASSERT_EQ(sortedAnswers, (std::vector<int>{1, 2, 3, 4, 5})) << seed;
    const auto at = std::find(answers.begin() + 1, answers.end(), 1) - answers.begin();
    ASSERT_LT(at, 6);
    ++correctAt[static_cast<size_t>(at)];
  }
  for (int p = 1; p <= 5; ++p) {
    EXPECT_GT(correctAt[p], runs / 5 - 100) << "position " << p;
    EXPECT_LT(correctAt[p], runs / 5 + 100) << "position " << p;
  }
}

TEST(Marks, FromTheNumberOfRightAnswers) {
  const char* marks[] = {"5", "5", "5", "4", "4", "3", "3", "2", "2", "1", "1"};
  for (int right = 0; right <= 10; ++right) EXPECT_EQ(MarkFor(right), marks[right]) << right;
}

// ---- the page -----------------------------------------------------------------------------------

void WriteJpeg(const std::string& path, int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
  f.write(EncodeJpeg(image, 80));
}

void WriteText(const std::string& path, const std::string& utf8) {
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
  const std::string cp1250 = Utf8ToCp1250(utf8);
  f.write(cp1250.data(), static_cast<qint64>(cp1250.size()));
}

constexpr const char* kQuestion = "Kolik je 2 + 2?||||4|3|5|22|0|\r\n";

// The page opened through the shell in a folder of its own, with icons and mark pictures; the
// width of a mark picture tells its mark.
class TestPageTest : public ProgramTest {
 protected:
  void SetUp() override {
    ProgramTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    home = std::filesystem::current_path();
    std::filesystem::current_path(dir.path().toStdString());
    std::filesystem::create_directories("test");
    std::filesystem::create_directories("img/ikony/kapky");
    for (int i = 1; i <= 10; ++i)
      WriteJpeg("img/ikony/kapky/u" + std::to_string(i) + ".jpg", 33, 33);
    for (int m = 1; m <= 5; ++m) WriteJpeg("test/v" + std::to_string(m) + ".jpg", 10 * m, 81);
  }
  void TearDown() override {
    SetRandomizeSource({});
    std::filesystem::current_path(home);
    ProgramTest::TearDown();
  }

  // The page's Randomize seeds the generator with `seed` from now on.
  void SeedWith(std::uint32_t seed) {
    SetRandomizeSource([seed] { return seed; });
  }

  void AllFiles(const std::string& content) {
    for (int i = 1; i <= 10; ++i) WriteText("test/test" + std::to_string(i) + ".txt", content);
  }
  void OpenTest() { Open(59); }

  TfrmFceTest* Page() const { return frmFceTest; }
  TRadioButton* Button(int p) const {
    return std::array{Page()->btnM1, Page()->btnM2, Page()->btnM3, Page()->btnM4,
                      Page()->btnM5}[p - 1];
  }
  TLabel* Label(int p) const {
    return std::array{Page()->lblM1, Page()->lblM2, Page()->lblM3, Page()->lblM4,
                      Page()->lblM5}[p - 1];
  }
  TImage* AnswerPicture(int p) const {
    return std::array{Page()->m_img1, Page()->m_img2, Page()->m_img3, Page()->m_img4,
                      Page()->m_img5}[p - 1];
  }
  // A click on "hotovo" / "další", through the default error handler.
  void Press() {
    Dispatch([this] { Page()->btnRes->Click(); });
  }
  // The position that shows a text answer; 0 when none does.
  int PositionOf(const std::string& answer) const {
    for (int p = 1; p <= 5; ++p) {
      if (Label(p)->Visible() && Label(p)->Caption() == answer) return p;
    }
    return 0;
  }
  // Answers the question on the page (right or wrong) and goes on to the next one.
  void Answer(bool right, const std::string& correct = "4") {
    const int at = PositionOf(correct);
    if (at != 0) Button(right ? at : at % 5 + 1)->SetChecked(true);
    Press();
    Press();
  }
  std::vector<std::string> ReportLines() const { return Page()->hodnoceni->Lines().Lines(); }
  // The text of the question before the picture; "" when it is hidden.
  std::string QuestionText() const {
    return Page()->text_zadani1->Visible() ? Page()->text_zadani1->Caption() : std::string();
  }
  // The position of the correct answer, as the verdict on no choice names it; the question is
  // answered then.
  int CorrectPositionNamed() {
    for (int p = 1; p <= 5; ++p) Button(p)->SetChecked(false);
    Press();
    const std::string verdict = Page()->lblSpravna->Caption();
    const std::string lead = "Chyba! Správná odpověď:   ";
    if (verdict.size() != lead.size() + 1 || !verdict.starts_with(lead)) {
      ADD_FAILURE() << verdict;
      return 0;
    }
    const char letter = verdict.back();
    return letter >= 'A' && letter <= 'E' ? letter - 'A' + 1 : 0;
  }

  QTemporaryDir dir;
  std::filesystem::path home;
};

TEST_F(TestPageTest, PutsTheQuestionFromTheLeftWithTextOrPictureAnswers) {
  WriteJpeg("test/q.jpg", 60, 30);
  for (int a = 1; a <= 5; ++a) WriteJpeg("test/a" + std::to_string(a) + ".jpg", 10 + a, 143);
  const struct {
    const char* line;
    bool text1, picture, text2, pictureAnswers;
    std::set<std::string> answers;  // the text answers shown
  } cases[] = {
      {"Kolik je 1 + 1?||||2|3|4|5|6|", true, false, false, false, {"2", "3", "4", "5", "6"}},
      {"Funkce|q.jpg|je:||a|b|c|d|e|", true, true, true, false, {"a", "b", "c", "d", "e"}},
      {"|q.jpg|||a|b|c|d|e|", false, true, false, false, {"a", "b", "c", "d", "e"}},
      {"Otázka||za textem||a|b|c|d|e|", true, false, true, false, {"a", "b", "c", "d", "e"}},
      {"Který graf?|||i|a1.jpg|a2.jpg|a3.jpg|a4.jpg|a5.jpg|", true, false, false, true, {}},
      {"Velké I?|||I|a1.jpg|a2.jpg|a3.jpg|a4.jpg|a5.jpg|",
       true,
       false,
       false,
       false,
       {"a1.jpg", "a2.jpg", "a3.jpg", "a4.jpg", "a5.jpg"}},
      {"Jen text|", true, false, false, false, {""}},
      {"", false, false, false, false, {""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    AllFiles(std::string(c.line) + "\r\n");
    OpenTest();
    ASSERT_TRUE(boxes.empty()) << boxes.front().text;
    TfrmFceTest* page = Page();
    EXPECT_FALSE(page->ukol->Picture().Empty());
    EXPECT_EQ(page->btnRes->Caption(), "hotovo");
    EXPECT_EQ(page->text_zadani1->Visible(), c.text1);
    EXPECT_EQ(page->img_zadani->Visible(), c.picture);
    EXPECT_EQ(page->text_zadani2->Visible(), c.text2);
    int x = 48;
    if (c.text1) {
      EXPECT_EQ(page->text_zadani1->Left(), 48);
      x += page->text_zadani1->Width() + 10;
    }
    if (c.picture) {
      EXPECT_EQ(page->img_zadani->Left(), x);
      EXPECT_EQ(page->img_zadani->Width(), 60) << "sized to its picture";
      x += 60 + 10;
    }
    if (c.text2) {
      EXPECT_EQ(page->text_zadani2->Left(), x);
    }

    std::set<std::string> shown;
    int correct = 0;
    for (int p = 1; p <= 5; ++p) {
      EXPECT_TRUE(Button(p)->Enabled());
      EXPECT_FALSE(Button(p)->Checked());
      EXPECT_EQ(Label(p)->Visible(), !c.pictureAnswers) << p;
      EXPECT_EQ(AnswerPicture(p)->Visible(), c.pictureAnswers) << p;
      if (c.pictureAnswers) {
        shown.insert(std::to_string(AnswerPicture(p)->Picture().Width()));
        if (AnswerPicture(p)->Picture().Width() == 11) correct = p;
      } else {
        shown.insert(Label(p)->Caption());
      }
    }
    if (c.pictureAnswers) {
      EXPECT_EQ(shown, (std::set<std::string>{"11", "12", "13", "14", "15"}));
      ASSERT_NE(correct, 0);
      Button(correct)->SetChecked(true);
      Press();
      EXPECT_EQ(page->lblSpravna->Caption(), "Správná odpověď.") << "the first answer is right";
    } else {
      EXPECT_EQ(shown, c.answers);
    }
  }
}

TEST_F(TestPageTest, ChecksTheAnswerAndNamesTheRightLetter) {
  AllFiles(kQuestion);
  const struct {
    const char* choice;  // "right", "wrong" or "none"
    bool right;
  } cases[] = {{"right", true}, {"wrong", false}, {"none", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.choice);
    OpenTest();
    const int at = PositionOf("4");
    ASSERT_NE(at, 0);
    if (std::string(c.choice) == "right") Button(at)->SetChecked(true);
    if (std::string(c.choice) == "wrong") Button(at % 5 + 1)->SetChecked(true);
    Press();
    TLabel* verdict = Page()->lblSpravna;
    EXPECT_TRUE(verdict->Visible());
    if (c.right) {
      EXPECT_EQ(verdict->Caption(), "Správná odpověď.");
      EXPECT_EQ(verdict->Font().Color(), clBlack);
    } else {
      EXPECT_EQ(verdict->Caption(), std::string("Chyba! Správná odpověď:   ") + "ABCDE"[at - 1]);
      EXPECT_EQ(verdict->Font().Color(), 0x0000FF);
    }
    for (int p = 1; p <= 5; ++p) EXPECT_FALSE(Button(p)->Enabled()) << p;
    EXPECT_EQ(Page()->btnRes->Caption(), "další");

    Press();  // the next question
    EXPECT_FALSE(verdict->Visible());
    EXPECT_EQ(Page()->btnRes->Caption(), "hotovo");
    for (int p = 1; p <= 5; ++p) {
      EXPECT_TRUE(Button(p)->Enabled()) << p;
      EXPECT_FALSE(Button(p)->Checked()) << p;
    }
  }
  EXPECT_TRUE(boxes.empty());
}

TEST_F(TestPageTest, TheTenQuestionsComeFromTheTenFiles) {
  for (int i = 1; i <= 10; ++i) {
    WriteText("test/test" + std::to_string(i) + ".txt",
              "Otázka ze souboru " + std::to_string(i) + "||||4|3|5|22|0|\n");
  }
  OpenTest();
  std::set<std::string> asked;
  for (int q = 1; q <= 10; ++q) {
    asked.insert(Page()->text_zadani1->Caption());
    Answer(true);
  }
  EXPECT_EQ(asked.size(), 10u);
  EXPECT_TRUE(Page()->hodnoceni->Visible());
}

// The draws of one test as the Part orders them from the seed that Randomize gives: the order
// of the files, then for each question its line and the position of its correct answer.
struct Draws {
  std::array<int, 11> files{}, lines{}, correct{};
};
Draws DrawsFrom(std::uint32_t seed, const std::array<int, 11>& linesOfFile) {
  SetRandSeed(seed);
  Draws d;
  DrawFileOrder(d.files, [] { return Random(10) + 1; });
  for (int q = 1; q <= 10; ++q) {
    d.lines[q] = Random(linesOfFile[d.files[q]]) + 1;
    std::array<int, 6> order{};
    DrawAnswerOrder(order, [] { return Random(5) + 1; });
    d.correct[q] = static_cast<int>(std::find(order.begin() + 1, order.end(), 1) - order.begin());
  }
  return d;
}

// File n holds n questions, each naming its file and line, so that every draw can be seen.
TEST_F(TestPageTest, OverManySeedsTheFilesAndAnswersAreShuffledAndEveryLineIsDrawn) {
  std::array<int, 11> linesOfFile{};
  for (int n = 1; n <= 10; ++n) {
    linesOfFile[n] = n;
    std::string content;
    for (int l = 1; l <= n; ++l) {
      content +=
          "Soubor " + std::to_string(n) + ", otázka " + std::to_string(l) + "||||4|3|5|22|0|\r\n";
    }
    WriteText("test/test" + std::to_string(n) + ".txt", content);
  }
  const int runs = 150;
  std::set<int> firstFiles;
  std::array<int, 6> correctAt{};
  std::set<std::pair<int, int>> linesDrawn;
  for (int run = 1; run <= runs; ++run) {
    const std::uint32_t seed = 7919u * run + 13u;
    SCOPED_TRACE(seed);
    const Draws expected = DrawsFrom(seed, linesOfFile);
    SeedWith(seed);
    OpenTest();
    std::set<int> files;
    for (int q = 1; q <= 10; ++q) {
      int file = 0, line = 0;
      ASSERT_EQ(std::sscanf(QuestionText().c_str(), "Soubor %d, otázka %d", &file, &line), 2)
          << QuestionText();
      files.insert(file);
      linesDrawn.insert({file, line});
      if (q == 1) firstFiles.insert(file);
      EXPECT_EQ(file, expected.files[q]) << "question " << q;
      EXPECT_EQ(line, expected.lines[q]) << "question " << q;
      const int correct = PositionOf("4");
      EXPECT_EQ(correct, expected.correct[q]) << "question " << q;
      ++correctAt[correct];
      Answer(true);
    }
    EXPECT_EQ(files.size(), 10u) << "the order of the files is a permutation";
    ASSERT_TRUE(Page()->hodnoceni->Visible());
  }
  EXPECT_EQ(firstFiles.size(), 10u) << "every file comes first in some test";
  const int questions = 10 * runs;
  for (int p = 1; p <= 5; ++p) {
    EXPECT_GT(correctAt[p], questions / 5 - 90) << "position " << p;
    EXPECT_LT(correctAt[p], questions / 5 + 90) << "position " << p;
  }
  EXPECT_EQ(linesDrawn.size(), 55u) << "every line of every file";
  EXPECT_TRUE(boxes.empty());
}

// Every line of a file is drawn, an empty line too, and nothing past the last line.
TEST_F(TestPageTest, EveryLineOfAQuestionFileIsDrawn) {
  const struct {
    const char* what;
    const char* content;
    std::set<std::string> questions;  // the texts shown, "" for an empty question
  } cases[] = {
      {"five lines ended by CR LF",
       "A||||4|3|5|22|0|\r\nB||||4|3|5|22|0|\r\nC||||4|3|5|22|0|\r\nD||||4|3|5|22|0|\r\n"
       "E||||4|3|5|22|0|\r\n",
       {"A", "B", "C", "D", "E"}},
      {"lines ended by LF, the last one without an end",
       "A||||4|3|5|22|0|\nB||||4|3|5|22|0|\nC||||4|3|5|22|0|",
       {"A", "B", "C"}},
      {"an empty line", "A||||4|3|5|22|0|\r\n\r\nC||||4|3|5|22|0|\r\n", {"A", "", "C"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    AllFiles(c.content);
    std::set<std::string> shown;
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
      SeedWith(seed * 104729u);
      OpenTest();
      for (int q = 1; q <= 10; ++q) {
        shown.insert(QuestionText());
        Answer(true);
      }
    }
    EXPECT_EQ(shown, c.questions);
  }
  EXPECT_TRUE(boxes.empty());
}

// A file of no lines puts an empty question whose correct position is still drawn.
TEST_F(TestPageTest, AFileOfNoLinesGivesAnEmptyQuestion) {
  AllFiles("");
  const std::array<int, 11> noLines{};
  std::set<int> named;
  for (std::uint32_t seed : {1u, 2u, 3u, 50u, 977u, 65537u, 4000000007u}) {
    SCOPED_TRACE(seed);
    const Draws expected = DrawsFrom(seed, noLines);
    SeedWith(seed);
    OpenTest();
    ASSERT_TRUE(boxes.empty()) << boxes.front().text;
    TfrmFceTest* page = Page();
    EXPECT_FALSE(page->text_zadani1->Visible());
    EXPECT_FALSE(page->img_zadani->Visible());
    EXPECT_FALSE(page->text_zadani2->Visible());
    for (int p = 1; p <= 5; ++p) {
      EXPECT_TRUE(Label(p)->Visible()) << p;
      EXPECT_EQ(Label(p)->Caption(), "") << p;
      EXPECT_FALSE(AnswerPicture(p)->Visible()) << p;
      EXPECT_TRUE(Button(p)->Enabled()) << p;
    }
    const int correct = CorrectPositionNamed();
    EXPECT_EQ(correct, expected.correct[1]);
    named.insert(correct);

    // The same seed again: the position named is the one graded right.
    OpenTest();
    ASSERT_GE(correct, 1);
    Button(correct)->SetChecked(true);
    Press();
    EXPECT_EQ(Page()->lblSpravna->Caption(), "Správná odpověď.");
  }
  EXPECT_GE(named.size(), 3u);
  EXPECT_TRUE(boxes.empty());
}

// The report's text with the emphasised characters (bold, $4848F8) in brackets; "¶" stands for
// a paragraph separator, the break after a line or a carriage return inside one.
std::string MarkedReport(TRichEdit* box) {
  QTextDocument* doc = box->TextEdit()->document();
  QString text;
  bool open = false;
  auto put = [&](const QString& chars, const QTextCharFormat& f) {
    const bool emphasised =
        f.fontWeight() >= QFont::Bold && f.foreground().color() == ToQColor(0x4848F8);
    if (emphasised != open) text += emphasised ? u'[' : u']';
    open = emphasised;
    text += chars;
  };
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    for (auto it = b.begin(); !it.atEnd(); ++it)
      put(it.fragment().text(), it.fragment().charFormat());
    // A block's character format is that of the separator before it.
    if (b.next().isValid()) put(QStringLiteral("¶"), b.next().charFormat());
  }
  if (open) text += u']';
  return text.toStdString();
}

TEST_F(TestPageTest, TheReportGivesTheCountTheMarkAndTheTime) {
  AllFiles(kQuestion);
  constexpr std::int64_t kDay = 24 * 3600 * 1000LL;
  const struct {
    int right;
    const char* mark;
    std::int64_t startOfDay;  // the time of day of the clock's reading at the start, or -1
  } cases[] = {
      {0, "5", -1},
      {2, "5", -1},
      {3, "4", -1},
      {5, "3", -1},
      // The reading's time of day wraps from 23:58:30 to 0:01:55; the time taken does not.
      {7, "2", (23 * 3600 + 58 * 60 + 30) * 1000LL},
      {9, "1", -1},
      {10, "1", -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.right);
    if (c.startOfDay >= 0) clock.Advance((c.startOfDay - clock.NowMs() % kDay + kDay) % kDay);
    OpenTest();
    const std::int64_t start = clock.NowMs();
    for (int q = 1; q <= 9; ++q) Answer(q <= c.right);
    const int at = PositionOf("4");
    Button(c.right == 10 ? at : at % 5 + 1)->SetChecked(true);
    Press();
    clock.Advance(3 * 60 * 1000 + 25 * 1000 + 999);
    if (c.startOfDay >= 0) {
      ASSERT_EQ(start % kDay, c.startOfDay);
      ASSERT_LT(clock.NowMs() % kDay, start % kDay) << "the time of day wraps";
    }
    Press();  // the report

    const std::string count = std::to_string(c.right);
    EXPECT_EQ(ReportLines(),
              (std::vector<std::string>{
                  "Celkový počet otázek: 10\r\rPočet správně zodpovězených otázek: " + count,
                  std::string("\rZnámka: ") + c.mark, "\rČas řešení testu: 0:03:25"}));
    // The mark's range covers the blank, the mark and the break after line 2, not the carriage
    // return that starts line 3; the ranges running past the end of the text stop there.
    EXPECT_EQ(MarkedReport(Page()->hodnoceni),
              "Celkový počet otázek: [10]¶¶Počet správně zodpovězených otázek: [" + count +
                  "]¶¶Známka:[ " + c.mark + "¶]¶Čas řešení testu: [0:03:25]");
    EXPECT_EQ(Page()->img_vysledek->Picture().Width(), 10 * std::stoi(c.mark));

    TfrmFceTest* page = Page();
    EXPECT_TRUE(page->hodnoceni->Visible());
    EXPECT_TRUE(page->obdelnik->Visible());
    EXPECT_TRUE(page->img_vysledek->Visible());
    EXPECT_EQ(page->obdelnik->Brush().Color(), 0xE7E4E0);
    EXPECT_EQ(page->hodnoceni->Color(), 0xE7E4E0);
    EXPECT_TRUE(page->hodnoceni->ReadOnly());
    for (TControl* gone : std::initializer_list<TControl*>{
             page->btnRes, page->ukol, page->img_zadani, page->text_zadani1, page->text_zadani2})
      EXPECT_FALSE(gone->Visible()) << gone->Name();
    for (int p = 1; p <= 5; ++p) {
      EXPECT_FALSE(Button(p)->Visible());
      EXPECT_FALSE(Label(p)->Visible());
      EXPECT_EQ(Label(p)->Caption(), "");
      EXPECT_FALSE(AnswerPicture(p)->Visible());
    }
  }
  EXPECT_TRUE(boxes.empty());
}

// The text of the report as laid out, in page coordinates, line by line.
std::vector<QRect> ReportTextLines(TRichEdit* box) {
  QApplication::processEvents();
  std::vector<QRect> rects;
  QTextDocument* doc = box->TextEdit()->document();
  for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
    if (b.text().trimmed().isEmpty()) continue;
    const QPointF at = doc->documentLayout()->blockBoundingRect(b).topLeft();
    QTextLayout* layout = b.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
      const QRectF r = layout->lineAt(i).naturalTextRect().translated(at);
      rects.push_back(r.toAlignedRect().translated(box->Left(), box->Top()));
    }
  }
  return rects;
}

TEST_F(TestPageTest, TheMarkPictureLeavesTheReportTextFree) {
  AllFiles(kQuestion);
  OpenTest();
  for (int q = 1; q <= 9; ++q) Answer(true);
  Button(PositionOf("4"))->SetChecked(true);
  Press();
  clock.Advance((3600 + 23 * 60 + 45) * 1000LL);
  Press();  // the report
  ASSERT_EQ(ReportLines().back(), "\rČas řešení testu: 1:23:45");
  TImage* mark = Page()->img_vysledek;
  const QRect picture(mark->Left(), mark->Top(), mark->Width(), mark->Height());
  const std::vector<QRect> lines = ReportTextLines(Page()->hodnoceni);
  ASSERT_EQ(lines.size(), 4u) << "every line of the report on one line of the box";
  for (const QRect& line : lines) {
    EXPECT_FALSE(line.intersects(picture))
        << line.x() << "," << line.y() << " " << line.width() << "x" << line.height();
    EXPECT_LE(line.bottom(), Page()->hodnoceni->Top() + Page()->hodnoceni->Height());
  }
}

TEST_F(TestPageTest, ActivatingThePageAgainStartsANewTest) {
  AllFiles(kQuestion);
  OpenTest();
  for (int q = 1; q <= 10; ++q) Answer(q <= 3);
  ASSERT_TRUE(Page()->hodnoceni->Visible());

  Dispatch([this] { Page()->Activate(); });
  TfrmFceTest* page = Page();
  EXPECT_FALSE(page->hodnoceni->Visible());
  EXPECT_FALSE(page->obdelnik->Visible());
  EXPECT_FALSE(page->img_vysledek->Visible());
  EXPECT_TRUE(page->btnRes->Visible());
  EXPECT_TRUE(page->ukol->Visible());
  for (int p = 1; p <= 5; ++p) EXPECT_TRUE(Button(p)->Visible());
  EXPECT_NE(PositionOf("4"), 0);
  for (int q = 1; q <= 10; ++q) Answer(true);
  EXPECT_EQ(ReportLines().front(),
            "Celkový počet otázek: 10\r\rPočet správně zodpovězených otázek: 10");
  EXPECT_TRUE(boxes.empty());
}

TEST_F(TestPageTest, AMissingFileAtTheStartShutsTheTest) {
  AllFiles(kQuestion);
  std::filesystem::remove("test/test7.txt");
  OpenTest();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("test7.txt"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(OpenClass(), "frmFceTest") << "the page stays open";
  EXPECT_FALSE(Page()->btnRes->Enabled());
  for (int p = 1; p <= 5; ++p) EXPECT_FALSE(Button(p)->Enabled()) << p;
  QTest::mouseClick(Page()->btnRes->Widget(), Qt::LeftButton);
  EXPECT_FALSE(Page()->lblSpravna->Visible()) << "nothing is graded";
  EXPECT_EQ(boxes.size(), 1u);
}

// A question that cannot be put is reported once, cannot be answered and counts as not
// answered; the test goes on.
TEST_F(TestPageTest, AQuestionThatCannotBePutIsReportedOnceAndSkipped) {
  for (int a = 1; a <= 5; ++a) WriteJpeg("test/a" + std::to_string(a) + ".jpg", 143, 143);
  const struct {
    const char* what;
    std::function<void()> prepare;  // before the test starts
    // After it started, told the file of question 1.
    std::function<void(int)> spoil;
  } cases[] = {
      {"a missing question picture",
       [] { WriteText("test/test3.txt", "Funkce|chybi.jpg|je:||4|3|5|22|0|\r\n"); }, [](int) {}},
      {"a missing answer picture",
       [] { WriteText("test/test5.txt", "Graf?|||i|a1.jpg|a2.jpg|a3.jpg|a4.jpg|chybi.jpg|\r\n"); },
       [](int) {}},
      {"a missing icon", [] {}, [](int) { std::filesystem::remove("img/ikony/kapky/u6.jpg"); }},
      {"a file gone after the start", [] {},
       [](int first) {
         std::filesystem::remove("test/test" + std::to_string(first % 10 + 1) + ".txt");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    for (int i = 1; i <= 10; ++i) {
      WriteText("test/test" + std::to_string(i) + ".txt",
                "Otázka " + std::to_string(i) + "||||4|3|5|22|0|\r\n");
    }
    WriteJpeg("img/ikony/kapky/u6.jpg", 33, 33);
    c.prepare();
    boxes.clear();
    OpenTest();
    int first = 0;
    std::sscanf(Page()->text_zadani1->Caption().c_str(), "Otázka %d", &first);
    c.spoil(first);
    size_t reported = 0;
    int skipped = 0;
    for (int q = 1; q <= 10; ++q) {
      if (q > 1) Press();  // question q
      if (boxes.size() == reported) {
        Button(PositionOf("4"))->SetChecked(true);
        Press();
        EXPECT_EQ(Page()->lblSpravna->Caption(), "Správná odpověď.") << q;
        continue;
      }
      reported = boxes.size();
      ++skipped;
      EXPECT_EQ(Page()->btnRes->Caption(), "další");
      EXPECT_FALSE(Page()->lblSpravna->Visible());
      EXPECT_FALSE(Page()->text_zadani1->Visible());
      for (int p = 1; p <= 5; ++p) {
        EXPECT_FALSE(Button(p)->Enabled()) << p;
        EXPECT_FALSE(Label(p)->Visible()) << p;
        EXPECT_FALSE(AnswerPicture(p)->Visible()) << p;
      }
      // Even a choice forced past the disabled buttons is no answer.
      for (int p = 1; p <= 5; ++p) Button(p)->SetChecked(true);
    }
    Press();  // the report
    EXPECT_EQ(skipped, 1);
    EXPECT_EQ(boxes.size(), 1u);
    EXPECT_EQ(ReportLines().front(),
              "Celkový počet otázek: 10\r\rPočet správně zodpovězených otázek: 9");
  }
}

// A byte that code page 1250 does not define, in a long line: a short message that names the
// file and the line, and the test goes on.
TEST_F(TestPageTest, ABadByteInAQuestionIsReportedShortlyByFileAndLine) {
  for (int i = 1; i <= 10; ++i) {
    QFile f(QString::fromStdString("test/test" + std::to_string(i) + ".txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    const std::string line = "Ot\xe1zka " + std::string(1 << 20, 'x') + "\x81||||4|3|5|22|0|";
    f.write(line.data(), static_cast<qint64>(line.size()));
  }
  OpenTest();
  ASSERT_EQ(boxes.size(), 1u);
  const std::string& text = boxes[0].text;
  EXPECT_LT(text.size(), 200u) << text.substr(0, 200);
  EXPECT_EQ(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString(), text)
      << "valid UTF-8";
  EXPECT_NE(text.find("line 1 of file \""), std::string::npos) << text;
  EXPECT_NE(text.find("/test/test"), std::string::npos) << text;
  EXPECT_EQ(Page()->btnRes->Caption(), "další") << "the question is skipped";
  Press();
  EXPECT_EQ(boxes.size(), 2u) << "the next question is reported the same way";
}

TEST_F(TestPageTest, AMissingMarkPictureLeavesTheReportWhole) {
  AllFiles(kQuestion);
  std::filesystem::remove("test/v1.jpg");
  OpenTest();
  for (int q = 1; q <= 10; ++q) Answer(true);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("v1.jpg"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(ReportLines(), (std::vector<std::string>{
                               "Celkový počet otázek: 10\r\rPočet správně zodpovězených otázek: 10",
                               "\rZnámka: 1", "\rČas řešení testu: 0:00:00"}));
  EXPECT_FALSE(Page()->img_vysledek->Visible());
}

// ---- the shipped question files -----------------------------------------------------------------

// Whether a one-letter word (a preposition or conjunction) is followed by an ordinary blank, so
// that a line of the answer or question could end with it.
bool LoneOneLetterWord(const std::string& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    const bool wordStart = i == 0 || text[i - 1] == ' ' || text[i - 1] == '(';
    if (wordStart && std::string_view("vkszaiouVKSZAIOU").find(text[i]) != std::string::npos &&
        text[i + 1] == ' ') {
      return true;
    }
  }
  return false;
}

TEST(ShippedQuestions, LoneOneLetterWordsAreFound) {
  EXPECT_TRUE(LoneOneLetterWord("sudá i lichá"));
  EXPECT_TRUE(LoneOneLetterWord("v I. kvadrantu"));
  EXPECT_FALSE(LoneOneLetterWord("sudá i\u00a0lichá"));
  EXPECT_FALSE(LoneOneLetterWord("ve III. kvadrantu"));
  EXPECT_FALSE(LoneOneLetterWord("[2; 0]"));
}

// Runs in the runtime folder, beside the program's own files.
TEST(ShippedQuestions, EveryLineIsAWholeQuestionThatFitsThePage) {
  TFont textFont;
  textFont.SetName("MS Sans Serif");
  textFont.SetHeight(-13);
  const QFontMetrics metrics(textFont.ToQFont());
  auto width = [&](const std::string& text) {
    return metrics.horizontalAdvance(QString::fromStdString(text));
  };
  int questionPictures = 0, pictureAnswers = 0;
  for (int n = 1; n <= 10; ++n) {
    const std::string file = "test/test" + std::to_string(n) + ".txt";
    SCOPED_TRACE(file);
    std::vector<std::string> lines;
    TextFileReader reader(file);
    for (std::string raw; reader.ReadLine(raw);) lines.push_back(raw);
    EXPECT_GE(lines.size(), 8u);
    for (const std::string& raw : lines) {
      const std::string line = Cp1250ToUtf8(raw);
      SCOPED_TRACE(line);
      ASSERT_EQ(std::count(line.begin(), line.end(), '|'), 9);
      ASSERT_EQ(line.back(), '|') << "nothing after the ninth bar";
      EXPECT_EQ(line.find('^'), std::string::npos) << "exponents are written in pictures";
      const QuestionFields f = SplitQuestionLine(line);
      EXPECT_FALSE(f[0].empty() && f[1].empty()) << "a question";
      const std::set<std::string> answers(f.begin() + 4, f.end());
      EXPECT_EQ(answers.size(), 5u) << "five different answers";
      EXPECT_EQ(answers.count(""), 0u);
      for (int t : {0, 2, 4, 5, 6, 7, 8}) {
        if (t >= 4 && f[3] == "i") break;
        EXPECT_FALSE(LoneOneLetterWord(f[t])) << "a non-breaking space after it: " << f[t];
      }
      EXPECT_FALSE(!f[2].empty() && f[2].find_first_not_of("?!.:, ") == std::string::npos)
          << "punctuation set apart after the picture";

      // The question's line from x = 48 to the page's right edge, above the radio buttons.
      int right = 48;
      if (!f[0].empty()) right += width(f[0]) + 10;
      if (!f[1].empty()) {
        ++questionPictures;
        ASSERT_TRUE(FileExists("test/" + f[1])) << f[1];
        TPicture picture;
        picture.LoadFromFile("test/" + f[1]);
        EXPECT_LE(128 + picture.Height(), 272) << f[1];
        right += picture.Width() + 10;
      }
      if (!f[2].empty()) right += width(f[2]);
      EXPECT_LE(right, 790);

      if (f[3] == "i") {
        ++pictureAnswers;
        for (int a = 4; a < 9; ++a) {
          ASSERT_TRUE(FileExists("test/" + f[a])) << f[a];
          TPicture picture;
          picture.LoadFromFile("test/" + f[a]);
          EXPECT_EQ(picture.Width(), 143) << f[a];
          EXPECT_EQ(picture.Height(), 143) << f[a];
        }
      } else {
        for (int a = 4; a < 9; ++a) {
          const QRect box = metrics.boundingRect(QRect(0, 0, 141, 1000), Qt::TextWordWrap,
                                                 QString::fromStdString(f[a]));
          EXPECT_LE(box.width(), 141) << f[a];
          EXPECT_LE(box.height(), 151) << f[a];
        }
      }
    }
  }
  EXPECT_GE(questionPictures, 10);
  EXPECT_GE(pictureAnswers, 10);

  for (int i = 1; i <= 10; ++i) {
    TPicture icon;
    icon.LoadFromFile("img\\ikony\\kapky\\u" + std::to_string(i) + ".jpg");
    EXPECT_EQ(icon.Width(), 33);
    EXPECT_EQ(icon.Height(), 33);
  }
  for (int m = 1; m <= 5; ++m) {
    TPicture mark;
    mark.LoadFromFile("test\\v" + std::to_string(m) + ".jpg");
    EXPECT_EQ(mark.Width(), 97);
    EXPECT_EQ(mark.Height(), 81);
  }
}

}  // namespace
