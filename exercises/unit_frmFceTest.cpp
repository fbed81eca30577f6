#include "exercises/unit_frmFceTest.h"

#include <algorithm>
#include <exception>

#include "platform/sysutils.h"
#include "platform/textfile.h"
#include "platform/timers.h"

TfrmFceTest* frmFceTest = nullptr;

namespace {

struct QuestionSetEntry {
  int file = 0;   // 1 to 10, the number of the question file
  int count = 0;  // its lines
};

struct AnswerControls {
  TRadioButton* button = nullptr;
  TLabel* label = nullptr;
  TImage* picture = nullptr;
};

// Entries 1 to 10; entry 0 is unused, as the positions' entry 0 below.
std::array<QuestionSetEntry, 11> QuestionSet;
std::array<std::string, 11> FileNames;
int QuestionNo = 0;
int CorrectCount = 0;
int CorrectPosition = 0;  // 0 while no question stands ready to be answered
bool NextQuestionDue = true;
std::int64_t TestStartTime = 0;
std::array<AnswerControls, 6> Position;
std::array<std::string, 6> Answers;
std::array<int, 6> AnswerOrder;

constexpr TColor kReportColor = 0xE7E4E0;
constexpr TColor kEmphasisColor = 0x4848F8;

// The program's clock: monotonic, so that the time taken survives midnight and clock changes;
// tests replace it with their virtual clock.
std::int64_t ClockNow() {
  return CurrentClock().NowMs();
}

// The length of a text in the rich-text box's positions: a character each (UTF-8 sequences
// counted once), a line break CR LF two.
int TextLength(std::string_view utf8) {
  return static_cast<int>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

const TFormClass& TfrmFceTest::FormClass() {
  static const TFormClass cls = [] {
    TFormClass c = TFormClass::Of<TfrmFceTest>("TfrmFceTest", "frmFceTest", &frmFceTest);
    c.Bind("ukol", &TfrmFceTest::ukol)
        .Bind("text_zadani1", &TfrmFceTest::text_zadani1)
        .Bind("img_zadani", &TfrmFceTest::img_zadani)
        .Bind("text_zadani2", &TfrmFceTest::text_zadani2)
        .Bind("btnM1", &TfrmFceTest::btnM1)
        .Bind("btnM2", &TfrmFceTest::btnM2)
        .Bind("btnM3", &TfrmFceTest::btnM3)
        .Bind("btnM4", &TfrmFceTest::btnM4)
        .Bind("btnM5", &TfrmFceTest::btnM5)
        .Bind("lblM1", &TfrmFceTest::lblM1)
        .Bind("lblM2", &TfrmFceTest::lblM2)
        .Bind("lblM3", &TfrmFceTest::lblM3)
        .Bind("lblM4", &TfrmFceTest::lblM4)
        .Bind("lblM5", &TfrmFceTest::lblM5)
        .Bind("m_img1", &TfrmFceTest::m_img1)
        .Bind("m_img2", &TfrmFceTest::m_img2)
        .Bind("m_img3", &TfrmFceTest::m_img3)
        .Bind("m_img4", &TfrmFceTest::m_img4)
        .Bind("m_img5", &TfrmFceTest::m_img5)
        .Bind("lblSpravna", &TfrmFceTest::lblSpravna)
        .Bind("btnRes", &TfrmFceTest::btnRes)
        .Bind("obdelnik", &TfrmFceTest::obdelnik)
        .Bind("hodnoceni", &TfrmFceTest::hodnoceni)
        .Bind("img_vysledek", &TfrmFceTest::img_vysledek)
        .Handler("Akce", &TfrmFceTest::Akce)
        .Handler("proved", &TfrmFceTest::proved)
        .Requires({"ukol",   "text_zadani1", "img_zadani", "text_zadani2", "btnM1",
                   "btnM2",  "btnM3",        "btnM4",      "btnM5",        "lblM1",
                   "lblM2",  "lblM3",        "lblM4",      "lblM5",        "m_img1",
                   "m_img2", "m_img3",       "m_img4",     "m_img5",       "lblSpravna",
                   "btnRes", "obdelnik",     "hodnoceni",  "img_vysledek"});
    std::vector<std::string> files;
    for (int i = 1; i <= 10; ++i) files.push_back("test/test" + std::to_string(i) + ".txt");
    for (int i = 1; i <= 10; ++i) files.push_back("img/ikony/kapky/u" + std::to_string(i) + ".jpg");
    for (int i = 1; i <= 5; ++i) files.push_back("test/v" + std::to_string(i) + ".jpg");
    c.RequiresFiles(files);
    return c;
  }();
  return cls;
}

// ---- question files -----------------------------------------------------------------------------

QuestionFields SplitQuestionLine(std::string_view line) {
  QuestionFields fields;
  for (std::string& field : fields) {
    const auto bar = line.find('|');
    if (bar == std::string_view::npos) break;
    field = std::string(line.substr(0, bar));
    line.remove_prefix(bar + 1);
  }
  return fields;
}

// ---- drawing ----------------------------------------------------------------------------------

void DrawFileOrder(std::array<int, 11>& order, const std::function<int()>& draw) {
  for (int i = 1; i <= 10; ++i) {
    order[i] = draw();
    for (int j = 1; j < i;) {
      if (order[j] == order[i]) {
        order[i] = draw();
        j = 1;  // the new number is checked against every earlier entry again
      } else {
        ++j;
      }
    }
  }
}

void DrawAnswerOrder(std::array<int, 6>& order, const std::function<int()>& draw) {
  order.fill(0);
  for (int p = 1; p <= 5; ++p) {
    int r = draw();
    for (int j = 1; j <= 5;) {
      if (order[j] == r) {
        r = draw();
        j = 1;
      } else {
        ++j;
      }
    }
    order[p] = r;
  }
}

std::string MarkFor(int correctCount) {
  if (correctCount >= 9) return "1";
  if (correctCount >= 7) return "2";
  if (correctCount >= 5) return "3";
  if (correctCount >= 3) return "4";
  return "5";
}

// ---- the page ---------------------------------------------------------------------------------

void TfrmFceTest::Akce(TObject*) {
  Randomize();
  for (int i = 1; i <= 10; ++i) FileNames[i] = "test" + IntToStr(i) + ".txt";
  QuestionNo = 0;
  obdelnik->Brush().SetColor(kReportColor);
  obdelnik->Invalidate();
  Position = {{{},
               {btnM1, lblM1, m_img1},
               {btnM2, lblM2, m_img2},
               {btnM3, lblM3, m_img3},
               {btnM4, lblM4, m_img4},
               {btnM5, lblM5, m_img5}}};
  CorrectCount = 0;
  NextQuestionDue = true;
  CorrectPosition = 0;

  // A test started again on the same page (a new activation) begins on the question view, not
  // on the report or a start that failed.
  obdelnik->Hide();
  hodnoceni->Hide();
  img_vysledek->Hide();
  lblSpravna->Hide();
  ukol->Show();
  btnRes->Show();
  btnRes->SetEnabled(true);
  for (int p = 1; p <= 5; ++p) Position[p].button->Show();

  try {
    std::array<int, 11> order{};
    DrawFileOrder(order, [] { return Random(10) + 1; });
    for (int i = 1; i <= 10; ++i) {
      QuestionSet[i].file = order[i];
      QuestionSet[i].count = 0;
    }
    for (int i = 1; i <= 10; ++i) {
      QuestionSet[i].count = CountTextFileLines("./test/" + FileNames[QuestionSet[i].file]);
    }
  } catch (...) {
    // Without the line counts of all ten files no question can be drawn: the test stays shut
    // until the page is opened again.
    btnRes->SetEnabled(false);
    for (int p = 1; p <= 5; ++p) Position[p].button->SetEnabled(false);
    throw;
  }

  // The time runs from question 1 on, also when that question could not be put.
  try {
    btnRes->Click();
  } catch (...) {
    TestStartTime = ClockNow();
    throw;
  }
  TestStartTime = ClockNow();
}

void TfrmFceTest::proved(TObject*) {
  if (!NextQuestionDue) {
    CheckAnswer();
    return;
  }
  for (int p = 1; p <= 5; ++p) {
    Position[p].button->SetEnabled(true);
    Position[p].button->SetChecked(false);
  }
  ++QuestionNo;
  NextQuestionDue = false;
  lblSpravna->Hide();
  btnRes->SetCaption("hotovo");
  if (QuestionNo > 10) {
    ShowReport();
  } else {
    PutQuestion();
  }
}

void TfrmFceTest::PutQuestion() {
  CorrectPosition = 0;
  try {
    ukol->Picture().LoadFromFile("img\\ikony\\kapky\\u" + IntToStr(QuestionNo) + ".jpg");

    const QuestionSetEntry& set = QuestionSet[QuestionNo];
    const int lineNo = Random(set.count) + 1;
    const QuestionFields fields =
        SplitQuestionLine(ReadCp1250FileLine("./test/" + FileNames[set.file], lineNo));

    int x = 48;
    if (!fields[0].empty()) {
      text_zadani1->SetCaption(fields[0]);
      text_zadani1->Show();
      x += text_zadani1->Width() + 10;
    } else {
      text_zadani1->Hide();
    }
    if (!fields[1].empty()) {
      img_zadani->Picture().LoadFromFile("test\\" + fields[1]);
      img_zadani->SetLeft(x);
      x += img_zadani->Picture().Width() + 10;
      img_zadani->Show();
    } else {
      img_zadani->Hide();
    }
    if (!fields[2].empty()) {
      text_zadani2->SetCaption(fields[2]);
      text_zadani2->Show();
      text_zadani2->SetLeft(x);
    } else {
      text_zadani2->Hide();
    }

    for (int a = 1; a <= 5; ++a) Answers[a] = fields[3 + a];
    DrawAnswerOrder(AnswerOrder, [] { return Random(5) + 1; });
    const bool pictureAnswers = fields[3] == "i";
    for (int p = 1; p <= 5; ++p) {
      const std::string& answer = Answers[AnswerOrder[p]];
      if (pictureAnswers) {
        Position[p].picture->Picture().LoadFromFile("test\\" + answer);
        Position[p].picture->Show();
        Position[p].label->Hide();
      } else {
        Position[p].label->SetCaption(answer);
        Position[p].label->Show();
        Position[p].picture->Hide();
      }
    }
    for (int p = 1; p <= 5; ++p) {
      if (AnswerOrder[p] == 1) CorrectPosition = p;
    }
  } catch (...) {
    AbandonQuestion();
    throw;
  }
}

// A question that could not be put is not answered: nothing of it stays on the page, no
// answer can be chosen, and the button moves on to the next question.
void TfrmFceTest::AbandonQuestion() {
  CorrectPosition = 0;
  text_zadani1->Hide();
  img_zadani->Hide();
  text_zadani2->Hide();
  for (int p = 1; p <= 5; ++p) {
    Position[p].button->SetEnabled(false);
    Position[p].label->Hide();
    Position[p].picture->Hide();
  }
  NextQuestionDue = true;
  btnRes->SetCaption("další");
}

void TfrmFceTest::CheckAnswer() {
  bool right = false;
  for (int p = 1; p <= 5; ++p) {
    if (Position[p].button->Checked() && p == CorrectPosition) right = true;
    Position[p].button->SetEnabled(false);
  }
  if (right) {
    ++CorrectCount;
    lblSpravna->Font().SetColor(clBlack);
    lblSpravna->SetCaption("Správná odpověď.");
  } else {
    const std::string letter =
        CorrectPosition >= 1 ? Position[CorrectPosition].button->Caption() : std::string();
    lblSpravna->Font().SetColor(clRed);
    lblSpravna->SetCaption("Chyba! Správná odpověď:   " + letter);
  }
  lblSpravna->Show();
  btnRes->SetCaption("další");
  NextQuestionDue = true;
}

void TfrmFceTest::Emphasise(int start, int length) {
  hodnoceni->SetSelStart(start);
  hodnoceni->SetSelLength(length);
  hodnoceni->SelAttributes().SetStyle(fsBold);
  hodnoceni->SelAttributes().SetColor(kEmphasisColor);
}

void TfrmFceTest::ShowReport() {
  for (int p = 1; p <= 5; ++p) {
    Position[p].button->Hide();
    Position[p].label->SetCaption("");
    Position[p].label->Hide();
    Position[p].picture->Hide();
  }
  ukol->Hide();
  img_zadani->Hide();
  btnRes->Hide();
  obdelnik->Show();
  text_zadani1->Hide();
  text_zadani2->Hide();
  hodnoceni->Show();

  const std::int64_t elapsed = ClockNow() - TestStartTime;
  hodnoceni->SetColor(kReportColor);
  hodnoceni->Lines().Clear();

  // Positions count a carriage return inside a line as one character and the break after a
  // line as two. The class library's box holds a line's break as soon as the line is added;
  // this one puts the break in with the next line, so the part of a range that covers the
  // break is applied then.
  int breakCovered = 0;  // characters of the last line's break that a range covers, 0 to 2
  auto addLine = [&](const std::string& line) {
    const int breakAt = TextLength(hodnoceni->Text());
    hodnoceni->Lines().Add(line);
    if (breakCovered > 0) Emphasise(breakAt, breakCovered);
    breakCovered = 0;
  };
  auto emphasise = [&](int start, int length) {
    Emphasise(start, length);
    const int end = TextLength(hodnoceni->Text());
    breakCovered = std::max(breakCovered, std::clamp(start + length - end, 0, 2));
  };

  addLine("Celkový počet otázek: 10\r\rPočet správně zodpovězených otázek: " +
          IntToStr(CorrectCount));
  const int d = CorrectCount == 10 ? 2 : 1;
  emphasise(22, 2);
  emphasise(62, d);

  const std::string mark = MarkFor(CorrectCount);
  // A missing mark picture is reported once the report stands, so that it never costs the
  // user the mark and the time.
  std::exception_ptr pictureError;
  try {
    img_vysledek->Picture().LoadFromFile("test\\v" + mark + ".jpg");
  } catch (...) {
    pictureError = std::current_exception();
  }
  addLine("\rZnámka: " + mark);
  emphasise(72 + d, 5);
  addLine("\rČas řešení testu: " + FormatLongTime(elapsed));
  emphasise(95 + d, 10);
  hodnoceni->Font().SetName("Verdana");
  if (pictureError) std::rethrow_exception(pictureError);
  img_vysledek->Show();
}
