// Page 4.8  Cyklometrické funkce: the comment, seven pictures read from files and the
// properties, the choice of the function that reloads them, a missing file, the formatted
// blank and x of the first comment.
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "lessons/unit_frmFceElemCyklom.h"
#include "platform/comctrls.h"
#include "platform/extctrls.h"
#include "tests/lessons/stepped_page_fixture.h"

namespace {

constexpr int kRow = 27;
const std::vector<std::string> kFunctions = {"arcsin", "arccos", "arctg", "arccotg"};
const std::vector<std::string> kStages = {"graf01", "graf02", "graf03", "graf04",
                                          "graf05", "graf06", "graf07"};

// The picture a file holds, decoded as the program decodes it.
QImage FileImage(const std::string& path) {
  TPicture p;
  p.LoadFromFile(path);
  return p.Image();
}

class CyklomTest : public SteppedPageTest {
 protected:
  TfrmFceElemCyklom* OpenPage() {
    SteppedPageTest::OpenPage(kRow);
    return static_cast<TfrmFceElemCyklom*>(Page());
  }
  std::string Comment() {
    std::string text = Get<TRichEdit>("komentar")->Lines().Text();
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    return text;
  }
  // The visible controls of the derivation, in order.
  std::string Visible() {
    std::string out;
    for (const char* n : {"komentar", "graf01", "graf02", "graf03", "graf04", "graf05", "graf06",
                          "graf07", "obdelnik", "vlastnosti"}) {
      if (Shown(n)) out += (out.empty() ? "" : " ") + std::string(n);
    }
    return out;
  }
  // Whether the stage pictures and (when asked) the properties are those of the function.
  void ExpectPicturesOf(const std::string& f, bool properties) {
    for (size_t k = 0; k < kStages.size(); ++k) {
      EXPECT_EQ(Get<TImage>(kStages[k])->Picture().Image(),
                FileImage("img/Teorie/E_cyklom/" + f + "0" + std::to_string(k + 1) + ".jpg"))
          << f << " " << kStages[k];
    }
    if (properties) {
      EXPECT_EQ(Get<TImage>("vlastnosti")->Picture().Image(),
                FileImage("img/Teorie/E_cyklom/def_" + f + ".jpg"))
          << f;
    }
  }
  void Choose(int item) {
    Dispatch([&] { Get<TComboBox>("fce")->PickByUser(item); });
  }
  // The format of the character at `position` of the comment, counted as the class library
  // counts.
  QTextCharFormat CharAt(int position) {
    auto* box = Get<TRichEdit>("komentar");
    QTextCursor c(box->TextEdit()->document());
    c.setPosition(box->DocumentPosition(position) + 1);
    return c.charFormat();
  }
  QChar CharacterAt(int position) {
    auto* box = Get<TRichEdit>("komentar");
    return box->TextEdit()->document()->characterAt(box->DocumentPosition(position));
  }
};

TEST_F(CyklomTest, DerivesArcsinStepByStepAndThenTicksWithoutEffect) {
  const struct Row {
    std::int64_t t;
    const char* visible;
    const char* comment;
  } rows[] = {
      {0, "", "Mějme funkci sin x. Načrtněme si její graf."},
      {1500, "komentar", "Mějme funkci sin x. Načrtněme si její graf."},
      {3500, "komentar graf01", "Mějme funkci sin x. Načrtněme si její graf."},
      {5500, "komentar graf01", "Funkce není prostá, zvýrazněme si její prostou část."},
      {7500, "komentar graf01 graf02", "Funkce není prostá, zvýrazněme si její prostou část."},
      {9500, "komentar graf01 graf02 graf03",
       "Funkce není prostá, zvýrazněme si její prostou část."},
      {11500, "komentar graf01 graf02 graf03",
       "Nyní můžeme k této prosté části najít funkci inverzní."},
      {13500, "komentar graf01 graf02 graf03 graf04",
       "Nyní můžeme k této prosté části najít funkci inverzní."},
      {19500, "komentar graf01 graf02 graf03 graf04 graf05 graf06 graf07",
       "Nyní můžeme k této prosté části najít funkci inverzní."},
      {21499, "komentar graf01 graf02 graf03 graf04 graf05 graf06 graf07",
       "Nyní můžeme k této prosté části najít funkci inverzní."},
      {21500, "komentar graf01 graf02 graf03 graf04 graf05 graf06 graf07 obdelnik vlastnosti",
       "Nyní můžeme k této prosté části najít funkci inverzní."},
      {120000, "komentar graf01 graf02 graf03 graf04 graf05 graf06 graf07 obdelnik vlastnosti",
       "Nyní můžeme k této prosté části najít funkci inverzní."},
  };
  TfrmFceElemCyklom* page = OpenPage();
  EXPECT_EQ(page->fce->ItemIndex(), 0);
  EXPECT_EQ(page->fce->ComboBox()->currentText().toStdString(), "arcsin x");
  ExpectPicturesOf("arcsin", true);
  EXPECT_EQ(page->obdelnik->Brush().Color(), static_cast<TColor>(0xE7E4E0));
  for (const Row& r : rows) {
    At(r.t);
    SCOPED_TRACE(r.t);
    EXPECT_EQ(Visible(), r.visible);
    EXPECT_EQ(Comment(), r.comment);
    EXPECT_TRUE(Running()) << "the timer never stops";
  }
  EXPECT_EQ(StepTimer->Interval(), 2000);
  PressTool(&TfrmMain::Pauza);
  PressTool(&TfrmMain::Pauza);
  At(130000);
  EXPECT_EQ(Visible(),
            "komentar graf01 graf02 graf03 graf04 graf05 graf06 graf07 obdelnik vlastnosti");
  EXPECT_TRUE(boxes.empty());
}

// The blank before the x of the first comment becomes a narrow italic blank of 6 points, the x
// an italic x of 11 points; the characters around keep the box's font.
TEST_F(CyklomTest, TheFirstCommentSetsTheBlankAndTheXOfEachFunction) {
  const struct {
    int item;
    const char* comment;
    int blank;
  } cases[] = {
      {0, "Mějme funkci sin x. Načrtněme si její graf.", 16},
      {1, "Mějme funkci cos x. Načrtněme si její graf.", 16},
      {2, "Mějme funkci tg x. Načrtněme si její graf.", 15},
      {3, "Mějme funkci cotg x. Načrtněme si její graf.", 17},
  };
  TfrmFceElemCyklom* page = OpenPage();
  auto pixels = [](int points) {
    TFont font;
    font.SetSize(points);
    return -font.Height();
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.comment);
    if (c.item) Choose(c.item);
    EXPECT_EQ(Comment(), c.comment);
    EXPECT_EQ(CharacterAt(c.blank), QChar(' '));
    EXPECT_EQ(CharacterAt(c.blank + 1), QChar('x'));
    const QTextCharFormat blank = CharAt(c.blank), x = CharAt(c.blank + 1);
    for (const QTextCharFormat& f : {blank, x}) {
      EXPECT_TRUE(f.fontItalic());
      EXPECT_FALSE(f.font().bold());
      EXPECT_EQ(f.fontFamilies().toStringList().front(), "Liberation Serif");
    }
    EXPECT_EQ(blank.font().pixelSize(), pixels(6));
    EXPECT_EQ(x.font().pixelSize(), pixels(11));
    for (int around : {c.blank - 1, c.blank + 2}) {
      EXPECT_FALSE(CharAt(around).fontItalic()) << around;
      EXPECT_EQ(CharAt(around).font().pixelSize(), 13) << around;
    }
  }
  EXPECT_EQ(page->fce->ItemIndex(), 3);
}

TEST_F(CyklomTest, ANewChoiceHidesEverythingAndStartsAgainWithItsPictures) {
  TfrmFceElemCyklom* page = OpenPage();
  At(12000);
  ASSERT_EQ(Visible(), "komentar graf01 graf02 graf03");
  Choose(2);
  EXPECT_EQ(Visible(), "") << "at once";
  EXPECT_EQ(Comment(), "Mějme funkci tg x. Načrtněme si její graf.");
  ExpectPicturesOf("arctg", true);
  // The timer goes on: the next tick of its period shows the comment, and so on.
  At(13499);
  EXPECT_EQ(Visible(), "");
  At(13500);
  EXPECT_EQ(Visible(), "komentar");
  At(15500);
  EXPECT_EQ(Visible(), "komentar graf01");
  At(33500);
  EXPECT_EQ(Visible(),
            "komentar graf01 graf02 graf03 graf04 graf05 graf06 graf07 obdelnik vlastnosti");
  // In step mode the next press shows the comment of a new choice.
  PressTool(&TfrmMain::btnKrokujClick);
  Choose(1);
  At(40000);
  EXPECT_EQ(Visible(), "");
  PressTool(&TfrmMain::btnKrokClick);
  At(40100);
  EXPECT_EQ(Visible(), "komentar");
  EXPECT_EQ(Comment(), "Mějme funkci cos x. Načrtněme si její graf.");
  ExpectPicturesOf("arccos", true);
  EXPECT_FALSE(Running());
  EXPECT_EQ(page->fce->ItemIndex(), 1);
}

// The pictures lie beside the program: the form class names all 32 for the layout checker,
// and the runtime folder holds them at the size of their controls.
TEST_F(CyklomTest, TheRuntimeFolderHoldsEveryFileThePageReads) {
  const TFormClass& cls = TfrmFceElemCyklom::FormClass();
  std::vector<std::string> expected;
  for (const std::string& f : kFunctions) {
    for (int k = 1; k <= 7; ++k) {
      expected.push_back("img/Teorie/E_cyklom/" + f + "0" + std::to_string(k) + ".jpg");
    }
    expected.push_back("img/Teorie/E_cyklom/def_" + f + ".jpg");
  }
  EXPECT_EQ(cls.requiredFiles, expected);
  TfrmFceElemCyklom* page = OpenPage();
  for (const std::string& file : expected) {
    SCOPED_TRACE(file);
    const QImage image = FileImage(file);
    const bool stage = file.find("/def_") == std::string::npos;
    EXPECT_EQ(image.width(), stage ? 337 : page->vlastnosti->Width());
    EXPECT_EQ(image.height(), stage ? 337 : page->vlastnosti->Height());
  }
  // Until the first choice the properties show the picture of the layout: that of arcsin.
  EXPECT_EQ(page->vlastnosti->Picture().Image(), FileImage("img/Teorie/E_cyklom/def_arcsin.jpg"));
}

// The runtime folder without one of the page's files, as the working folder of a test.
class MissingFile {
 public:
  explicit MissingFile(const QString& missing) : runtime_(QDir::currentPath()) {
    const QString folder = "/img/Teorie/E_cyklom";
    QDir(dir_.path()).mkpath(folder.mid(1));
    for (const QString& name : QDir(runtime_ + folder).entryList(QDir::Files)) {
      if (name != missing)
        QFile::copy(runtime_ + folder + "/" + name, dir_.path() + folder + "/" + name);
    }
    QDir::setCurrent(dir_.path());
  }
  ~MissingFile() { QDir::setCurrent(runtime_); }

 private:
  QTemporaryDir dir_;
  QString runtime_;
};

// A missing file: the platform's error, the pictures before it loaded, the rest of the work
// skipped; the presentation runs on and the next choice works.
TEST_F(CyklomTest, AMissingStepFileLeavesThePageUsable) {
  {
    SCOPED_TRACE("at the opening");
    MissingFile missing("arcsin05.jpg");
    OpenPage();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find("Cannot open file"), std::string::npos);
    EXPECT_NE(boxes[0].text.find("img/Teorie/E_cyklom/arcsin05.jpg"), std::string::npos);
    EXPECT_EQ(Get<TImage>("graf04")->Picture().Image(),
              FileImage("img/Teorie/E_cyklom/arcsin04.jpg"));
    EXPECT_TRUE(Get<TImage>("graf05")->Picture().Empty());
    EXPECT_TRUE(Running());
    At(3500);
    EXPECT_EQ(Visible(), "komentar graf01");
    Choose(1);
    EXPECT_EQ(boxes.size(), 1u);
    ExpectPicturesOf("arccos", true);
  }
  boxes.clear();
  SCOPED_TRACE("at a choice");
  MissingFile missing("arctg03.jpg");
  OpenPage();
  ASSERT_TRUE(boxes.empty());
  const QImage arcsin03 = Get<TImage>("graf03")->Picture().Image();
  At(4000);
  Choose(2);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("img/Teorie/E_cyklom/arctg03.jpg"), std::string::npos);
  EXPECT_EQ(Get<TImage>("graf01")->Picture().Image(), FileImage("img/Teorie/E_cyklom/arctg01.jpg"));
  EXPECT_EQ(Get<TImage>("graf02")->Picture().Image(), FileImage("img/Teorie/E_cyklom/arctg02.jpg"));
  EXPECT_EQ(Get<TImage>("graf03")->Picture().Image(), arcsin03) << "kept";
  EXPECT_EQ(Comment(), "Mějme funkci sin x. Načrtněme si její graf.") << "not formatted anew";
  EXPECT_TRUE(Running());
  At(5500);
  EXPECT_EQ(Visible(), "komentar") << "the presentation starts again";
  Choose(1);
  EXPECT_EQ(boxes.size(), 1u);
  ExpectPicturesOf("arccos", true);
  EXPECT_EQ(Comment(), "Mějme funkci cos x. Načrtněme si její graf.");
}

}  // namespace
