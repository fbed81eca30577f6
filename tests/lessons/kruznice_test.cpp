// Page 4.7  jednotková kružnice: each choice of the list shows its two pictures a second apart
// and then its definition, a file that cannot be read leaves the page as it was, the page's own
// timer is out of the tool bar's reach, and the runtime folder holds the pictures.
#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <filesystem>

#include "lessons/unit_frmFceElemGonKruznice.h"
#include "platform/graphics.h"
#include "platform/jpeg.h"
#include "platform/paths.h"
#include "tests/shell/program_fixture.h"

namespace {

constexpr int kRow = 21;

class KruzniceTest : public ProgramTest {
 protected:
  TfrmFceElemGonKruznice* page() const { return frmFceElemGonKruznice; }
  void OpenPage() {
    Open(kRow);
    ASSERT_EQ(OpenClass(), "frmFceElemGonKruznice");
  }
  void Pick(int item) {
    Dispatch([&] { page()->fce->PickByUser(item); });
  }
  // The picture file as the platform reads it.
  static QImage FileImage(const std::string& path) {
    TPicture picture;
    picture.LoadFromFile(path);
    return picture.Image();
  }
  // The controls of the box that are shown: the definition pictures and the rich text.
  std::string Box() const {
    std::string s;
    for (const char* n : {"sin", "cos", "tg", "cotg", "definice"}) {
      if (C(n)->Visible()) s += std::string(s.empty() ? "" : " ") + n;
    }
    return s;
  }
  bool Framed() const {
    return page()->obdelnik->Visible() && page()->obdelnik->Width() == 312 &&
           page()->obdelnik->Height() == 176;
  }
};

struct Choice {
  int item;
  const char* file;  // the pictures' short name
  const char* box;   // what the box shows at the end; "": no box
};

const Choice kChoices[] = {
    {0, "sin", "sin"},         {1, "cos", "cos"},         {2, "tg", "tg"}, {3, "cotg", "cotg"},
    {4, "sincos", "definice"}, {5, "tgcotg", "definice"}, {6, "vse", ""},
};

TEST_F(KruzniceTest, EachChoiceShowsItsTwoPicturesAndThenItsDefinition) {
  OpenPage();
  EXPECT_EQ(page()->fce->ItemIndex(), -1);
  for (const Choice& c : kChoices) {
    SCOPED_TRACE(c.file);
    const std::string first = std::string("img/Teorie/E_goniom/kr_") + c.file + "01.jpg";
    const std::string second = std::string("img/Teorie/E_goniom/kr_") + c.file + "02.jpg";
    clock.Advance(300);  // the choice falls between two ticks
    Pick(c.item);
    EXPECT_FALSE(page()->kr01->Visible());
    EXPECT_FALSE(page()->kr02->Visible());
    EXPECT_FALSE(page()->obdelnik->Visible());
    EXPECT_EQ(Box(), "");
    clock.Advance(1000);
    EXPECT_TRUE(page()->kr01->Visible());
    EXPECT_FALSE(page()->kr02->Visible());
    EXPECT_EQ(page()->kr01->Picture().Image(), FileImage(first));
    clock.Advance(1000);
    EXPECT_TRUE(page()->kr02->Visible());
    EXPECT_EQ(page()->kr02->Picture().Image(), FileImage(second));
    EXPECT_FALSE(page()->obdelnik->Visible());
    clock.Advance(1000);
    EXPECT_EQ(Box(), c.box);
    EXPECT_EQ(Framed(), *c.box != 0);
    EXPECT_EQ(page()->obdelnik->Brush().Color(), 0xE7E4E0);
    if (std::string(c.box) == "definice") {
      EXPECT_EQ(page()->definice->Color(), 0xE7E4E0);
      EXPECT_EQ(page()->definice->Lines().Text(), std::string(kComparisonText) + "\r\n");
    }
    clock.Advance(5000);
    EXPECT_EQ(Box(), c.box) << "the page rests";
  }
}

// The letters p that stand for π show as π in the Symbol font; the p of "pro" stays.
TEST_F(KruzniceTest, ThePairsComparisonShowsItsFourPi) {
  OpenPage();
  Pick(5);
  clock.Advance(3000);
  const QString shown = page()->definice->TextEdit()->toPlainText();
  QString expected = QString::fromUtf8(kComparisonText);
  for (int at : kComparisonPi) {
    ASSERT_EQ(expected[at], 'p');
    expected[at] = QChar(0x03C0);
  }
  EXPECT_EQ(shown, expected);
  EXPECT_TRUE(shown.contains("pro násobky"));
}

TEST_F(KruzniceTest, AChoiceDuringTheSequenceStartsItAgainAndTheToolBarDoesNotReachIt) {
  OpenPage();
  EXPECT_EQ(StepTimer.get(), nullptr) << "the page's timer is its own";
  Pick(0);
  clock.Advance(2000);
  ASSERT_TRUE(page()->kr02->Visible());
  Pick(1);
  EXPECT_FALSE(page()->kr01->Visible());
  EXPECT_FALSE(page()->kr02->Visible());
  for (auto handler : {&TfrmMain::Pauza, &TfrmMain::btnKrokujClick, &TfrmMain::btnKrokClick}) {
    Dispatch([&] { (frmMain->*handler)(nullptr); });
  }
  clock.Advance(1000);
  EXPECT_TRUE(page()->kr01->Visible());
  clock.Advance(2000);
  EXPECT_EQ(Box(), "cos");
  Dispatch([&] { frmMain->btnKrokujClick(nullptr); });
}

// Before the first choice, and on a page opened again, the ticks change nothing visible: the
// box has no size and every picture is the plain circle.
TEST_F(KruzniceTest, OpenedAgainThePageShowsThePlainCircleAndAwaitsAChoice) {
  OpenPage();
  const QImage plain = C("kr00")->Visible() ? Get<TImage>("kr00")->Picture().Image() : QImage();
  ASSERT_FALSE(plain.isNull());
  for (int leaveAfterMs : {0, 1000, 1500, 3000}) {
    SCOPED_TRACE(leaveAfterMs);
    Pick(4);
    clock.Advance(leaveAfterMs);
    Open(22);
    OpenPage();
    EXPECT_EQ(page()->fce->ItemIndex(), -1);
    for (int tick = 0; tick < 5; ++tick) {
      for (TImage* p : {page()->kr01.get(), page()->kr02.get()}) {
        if (p->Visible()) {
          EXPECT_EQ(p->Picture().Image(), plain) << p->Name();
        }
      }
      EXPECT_TRUE(!page()->obdelnik->Visible() || page()->obdelnik->Width() == 0);
      EXPECT_EQ(Box(), "");
      clock.Advance(1000);
    }
  }
}

TEST_F(KruzniceTest, ASecondActivationStartsNoSecondTimerAndKeepsTheBox) {
  OpenPage();
  Pick(2);
  clock.Advance(3000);
  Dispatch([&] { page()->Activate(); });
  int timers = 0;
  for (int i = 0; i < page()->ComponentCount(); ++i) {
    timers += dynamic_cast<TTimer*>(page()->Components(i)) != nullptr;
  }
  EXPECT_EQ(timers, 1);
  EXPECT_TRUE(Framed());
  EXPECT_EQ(Box(), "tg");
}

void WriteJpeg(const std::string& path, QColor colour) {
  QImage image(431, 401, QImage::Format_RGB32);
  image.fill(colour);
  QFile f(QString::fromStdString(path));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path;
  f.write(EncodeJpeg(image, 90));
}

// In a folder that lacks kr_cos02.jpg, choosing "kosinus" reports the file with the platform's
// error and leaves the page as the last good choice left it, its list included.
class MissingFileTest : public KruzniceTest {
 protected:
  void SetUp() override {
    KruzniceTest::SetUp();
    ASSERT_TRUE(dir.isValid());
    home = std::filesystem::current_path();
    std::filesystem::current_path(dir.path().toStdString());
    std::filesystem::create_directories("img/Teorie/E_goniom");
    WriteJpeg("img/Teorie/E_goniom/kr_sin01.jpg", Qt::red);
    WriteJpeg("img/Teorie/E_goniom/kr_sin02.jpg", Qt::green);
    WriteJpeg("img/Teorie/E_goniom/kr_cos01.jpg", Qt::blue);
  }
  void TearDown() override {
    std::filesystem::current_path(home);
    KruzniceTest::TearDown();
  }
  QTemporaryDir dir;
  std::filesystem::path home;
};

TEST_F(MissingFileTest, AMissingSecondPictureKeepsThePageAsItWas) {
  OpenPage();
  Pick(0);
  clock.Advance(3000);
  const QImage first = page()->kr01->Picture().Image(), second = page()->kr02->Picture().Image();
  ASSERT_EQ(Box(), "sin");
  boxes.clear();

  Pick(1);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("Cannot open file"), std::string::npos) << boxes[0].text;
  EXPECT_NE(boxes[0].text.find("kr_cos02.jpg"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(page()->fce->ItemIndex(), 0) << "the list shows what the page shows";
  for (int tick = 0; tick < 4; ++tick) {
    EXPECT_TRUE(page()->kr01->Visible());
    EXPECT_TRUE(page()->kr02->Visible());
    EXPECT_EQ(page()->kr01->Picture().Image(), first);
    EXPECT_EQ(page()->kr02->Picture().Image(), second);
    EXPECT_TRUE(Framed());
    EXPECT_EQ(Box(), "sin");
    clock.Advance(1000);
  }
  // The next good choice works as ever.
  Pick(0);
  clock.Advance(3000);
  EXPECT_EQ(Box(), "sin");
}

TEST_F(MissingFileTest, AMissingPictureBeforeAnyChoiceLeavesThePlainCircle) {
  OpenPage();
  Pick(3);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("kr_cotg01.jpg"), std::string::npos) << boxes[0].text;
  EXPECT_EQ(page()->fce->ItemIndex(), -1);
  clock.Advance(4000);
  EXPECT_TRUE(C("kr00")->Visible());
  EXPECT_TRUE(!page()->obdelnik->Visible() || page()->obdelnik->Width() == 0);
  EXPECT_EQ(Box(), "");
}

// The fourteen pictures lie in the runtime folder (where the tests run), under the names that
// the page opens; the layout checker fails the build without them.
TEST(KruzniceFiles, TheRuntimeFolderHoldsTheFourteenPictures) {
  const TFormClass* cls = &TfrmFceElemGonKruznice::FormClass();
  std::vector<std::string> expected;
  for (int item = 0; item < 7; ++item) {
    for (int which : {1, 2}) expected.push_back(UnitCirclePicture(item, which));
  }
  EXPECT_EQ(cls->requiredFiles, expected);
  EXPECT_EQ(expected.size(), 14u);
  EXPECT_EQ(UnitCirclePicture(0, 1), ".\\img\\Teorie\\E_goniom\\kr_sin01.jpg");
  EXPECT_EQ(UnitCirclePicture(6, 2), ".\\img\\Teorie\\E_goniom\\kr_vse02.jpg");
  for (const std::string& f : expected) EXPECT_TRUE(FileExists(f)) << f;
}

}  // namespace
