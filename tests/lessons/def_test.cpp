// Page 1.2  Definice funkce: its timeline, step mode, the texts its opening writes and
// formats, and its layout.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "lessons/unit_frmFceDef.h"
#include "platform/extctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

// The controls of steps 0 to 19, a step's controls together.
const std::vector<std::vector<const char*>> kSteps = {{"def01", "text01"},
                                                      {"pr01", "obr01", "text02"},
                                                      {"obr02"},
                                                      {"obr03"},
                                                      {"obr04"},
                                                      {"obr05"},
                                                      {"obr06"},
                                                      {"obr07"},
                                                      {"obr08"},
                                                      {"obr09"},
                                                      {"obr10"},
                                                      {"obr11"},
                                                      {"obr12"},
                                                      {"obr13"},
                                                      {"obr14"},
                                                      {"obr15"},
                                                      {"obr16", "text04"},
                                                      {"obr_p01", "text_p01"},
                                                      {"obr_p02", "text_p02"},
                                                      {"text_p03"}};

class DefTest : public SteppedPageTest {
 protected:
  void OpenPage() {
    SteppedPageTest::OpenPage(3);
    page = static_cast<TfrmFceDef*>(frmMain->OpenPage());
  }
  // How many steps are on the screen; the controls of those steps, and no others, visible.
  int StepsShown() {
    const int n = static_cast<int>(kSteps.size());
    int shown = 0;
    while (shown < n && C(kSteps[shown][0])->Visible()) ++shown;
    for (int i = 0; i < n; ++i) {
      for (const char* c : kSteps[i]) {
        if (C(c)->Visible() != (i < shown)) ADD_FAILURE() << c << " with " << shown << " steps";
      }
    }
    return shown;
  }

  TfrmFceDef* page = nullptr;
};

TEST_F(DefTest, RevealsOneStepATickOnItsDelaysAndStopsAtTheTwentyFirst) {
  const struct Row {
    std::int64_t t;
    int steps;
    bool running;
  } rows[] = {
      {0, 0, true},      {999, 0, true},     {1000, 1, true},    // the definition
      {10999, 1, true},  {11000, 2, true},                       // the example, 10 s later
      {17999, 2, true},  {18000, 3, true},                       // the first stage, 7 s later
      {19999, 3, true},  {20000, 4, true},   {44000, 16, true},  // obr15
      {46000, 17, true}, {48000, 18, true},  {50000, 19, true},
      {51999, 19, true}, {52000, 20, true},  // text_p03
      {53999, 20, true}, {54000, 20, false}, {90000, 20, false},
  };
  OpenPage();
  for (const Row& r : rows) {
    At(r.t);
    SCOPED_TRACE(r.t);
    EXPECT_EQ(StepsShown(), r.steps);
    EXPECT_EQ(Running(), r.running);
    EXPECT_EQ(frmMain->btnPozast->Enabled(), true);
    EXPECT_EQ(frmMain->btnKrok->Enabled(), false);
  }
  // A restart after the end shows nothing and stops again.
  frmMain->Pauza(nullptr);
  At(90100);
  EXPECT_FALSE(Running());
  EXPECT_EQ(StepsShown(), 20);
}

TEST_F(DefTest, StepModeShowsOneStepPerPress) {
  frmMain->btnKrokujClick(nullptr);
  OpenPage();
  At(1000);
  EXPECT_EQ(StepsShown(), 1);
  EXPECT_FALSE(Running());
  EXPECT_FALSE(frmMain->btnPozast->Enabled());
  At(60000);
  EXPECT_EQ(StepsShown(), 1) << "waits for the user";
  for (int step = 2; step <= 21; ++step) {
    frmMain->btnKrokClick(nullptr);
    clock.Advance(99);
    EXPECT_EQ(StepsShown(), std::min(step - 1, 20));
    clock.Advance(1);
    EXPECT_EQ(StepsShown(), std::min(step, 20)) << "press " << step - 1;
    EXPECT_FALSE(Running());
    EXPECT_TRUE(frmMain->btnKrok->Enabled());
  }
  // Leaving step mode at the end: the timer starts and the next tick stops it again.
  frmMain->btnKrokujClick(nullptr);
  clock.Advance(100);
  EXPECT_FALSE(Running());
}

TEST_F(DefTest, ActivatingAgainKeepsTheOnePresentation) {
  OpenPage();
  At(11500);
  TTimer* timer = StepTimer.get();
  page->Activate();
  EXPECT_EQ(StepTimer.get(), timer);
  EXPECT_EQ(page->text02->Lines().Count(), 2);
  At(17999);
  EXPECT_EQ(StepsShown(), 2);
  At(18000);
  EXPECT_EQ(StepsShown(), 3);
}

// Every character of a rich-text box with its format, indexed by document position (a line
// break is one paragraph separator there).
std::vector<std::pair<QChar, QTextCharFormat>> Characters(TRichEdit* box) {
  std::vector<std::pair<QChar, QTextCharFormat>> out;
  for (QTextBlock b = box->TextEdit()->document()->begin(); b.isValid(); b = b.next()) {
    if (b != box->TextEdit()->document()->begin()) {
      out.emplace_back(QChar::ParagraphSeparator, QTextCharFormat());
    }
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      QTextFragment f = it.fragment();
      for (QChar c : f.text()) out.emplace_back(c, f.charFormat());
    }
  }
  return out;
}

TEST_F(DefTest, TheExampleTextIsInTheBoxFontAndOnlyTheXOfCislaXIsItalic) {
  OpenPage();
  EXPECT_EQ(page->text02->Lines().Lines(),
            (std::vector<std::string>{"Ukažme si definici na zadané funkci. Budeme přiřazovat "
                                      "každému reálnému číslu z dané množiny jednoznačně jiné",
                                      "reálné číslo podle daného předpisu."}));
  const auto example = Characters(page->text02);
  ASSERT_EQ(example.size(), 145u);
  for (const auto& [c, f] : example) {
    if (c == QChar::ParagraphSeparator) continue;
    EXPECT_EQ(f.font().family(), "Liberation Serif") << int(c.unicode());
    EXPECT_EQ(f.font().pixelSize(), 16) << int(c.unicode());
    EXPECT_FALSE(f.fontItalic());
  }

  TRichEdit* p03 = page->text_p03;
  ASSERT_EQ(p03->Lines().Count(), 5);
  EXPECT_EQ(p03->Lines()[0], "Často budeme předpokládat, že definičním oborem ");
  EXPECT_EQ(p03->Lines()[4], "se budeme zabývat v kapitole 1.4 Definiční obor.");
  // Position 105 counts each line break as two characters.
  const QString text = QString::fromStdString(p03->Text());
  EXPECT_EQ(text.mid(99, 7), QString::fromUtf8("čísla x"));
  const int x = p03->DocumentPosition(105);
  const auto chars = Characters(p03);
  int italic = 0;
  for (int i = 0; i < static_cast<int>(chars.size()); ++i) {
    if (chars[i].first == QChar::ParagraphSeparator) continue;
    if (chars[i].second.fontItalic()) ++italic;
    EXPECT_EQ(chars[i].second.font().family(), "Liberation Serif");
  }
  EXPECT_EQ(italic, 1);
  ASSERT_LT(x, static_cast<int>(chars.size()));
  EXPECT_EQ(chars[x].first, QChar('x'));
  EXPECT_TRUE(chars[x].second.fontItalic());
}

// The rich texts that the page gives word for word, line by line.
TEST_F(DefTest, KeepsItsGivenTexts) {
  OpenPage();
  const struct {
    const char* box;
    std::vector<std::string> lines;
  } texts[] = {
      {"text04", {"Vypočítané hodnoty obvykle zapisujeme do přehledné tabulky."}},
      {"text_p01", {"Definičním oborem funkce je v našem příkladu podle ", "zadání množina"}},
      {"text_p02", {"a oborem hodnot množina"}},
  };
  for (const auto& t : texts) {
    auto* box = dynamic_cast<TRichEdit*>(C(t.box));
    ASSERT_TRUE(box) << t.box;
    EXPECT_EQ(box->Lines().Lines(), t.lines) << t.box;
  }
}

TEST_F(DefTest, LayoutStacksTheStagesAndFitsThePage) {
  OpenPage();
  auto bounds = [](TControl* c) {
    return std::vector<int>{c->Left(), c->Top(), c->Width(), c->Height()};
  };
  TImage* previous = nullptr;
  int order = -1;
  for (int k = 1; k <= 15; ++k) {
    const std::string n = (k < 10 ? "obr0" : "obr") + std::to_string(k);
    auto* stage = dynamic_cast<TImage*>(C(n.c_str()));
    ASSERT_NE(stage, nullptr) << n;
    SCOPED_TRACE(n);
    EXPECT_EQ(bounds(stage), bounds(C("obr01")));
    int at = -1;
    for (int i = 0; i < page->ControlCount(); ++i) {
      if (page->Controls(i) == stage) at = i;
    }
    EXPECT_GT(at, order) << "a later stage lies above the one before";
    order = at;
    if (previous) {
      EXPECT_NE(stage->Picture().Image(), previous->Picture().Image()) << "one step further";
    }
    previous = stage;
  }
  for (const auto& step : kSteps) {
    for (const char* n : step) {
      TControl* c = C(n);
      EXPECT_LE(c->Left() + c->Width(), 800) << n;
      EXPECT_LE(c->Top() + c->Height(), 545) << n;
      if (auto* img = dynamic_cast<TImage*>(c)) {
        EXPECT_EQ(img->Picture().Width(), c->Width()) << n;
        EXPECT_EQ(img->Picture().Height(), c->Height()) << n;
        EXPECT_FALSE(img->Picture().Image().hasAlphaChannel()) << n;
      }
    }
  }
  // Each line of a rich text stays one line in its box.
  At(52000);
  for (const char* n : {"text02", "text04", "text_p01", "text_p02", "text_p03"}) {
    auto* box = static_cast<TRichEdit*>(C(n));
    QTextDocument* doc = box->TextEdit()->document();
    doc->size();  // lays the document out
    int lines = 0;
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) lines += b.layout()->lineCount();
    EXPECT_EQ(lines, std::string(n) == "text04" ? 2 : box->Lines().Count()) << n;
  }
}

}  // namespace
