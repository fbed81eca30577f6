// The edit's selection as the class library keeps it: HideSelection and AutoSelect from the
// layout, the selection through a loss of the focus and the window's activation, the caret on
// a focus taken by Tab, and the cut to the clipboard.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <string>

#include "platform/stdctrls.h"
#include "tests/support/test_support.h"

namespace {

const char* kEdits = R"(
object frmEdits: TForm
  Width = 300
  Height = 120
  Color = clMoneyGreen
  object Keeping: TEdit
    Left = 8
    Top = 8
    HideSelection = False
    AutoSelect = False
  end
  object Plain: TEdit
    Left = 8
    Top = 40
  end
  object Other: TButton
    Left = 8
    Top = 72
  end
end
)";

class EditSelectionTest : public PlatformFixture {
 protected:
  void SetUp() override {
    PlatformFixture::SetUp();
    static const TFormClass cls = TFormClass::Of<TForm>("TForm", "frmEdits");
    form_.reset(FormFromText(cls, kEdits));
    keeping = Find<TEdit>("Keeping");
    plain = Find<TEdit>("Plain");
    other = Find<TButton>("Other");
    // The focus moves only inside the active window.
    QWidget* window = form_->Widget()->window();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
  }
  void TearDown() override {
    form_.reset();
    PlatformFixture::TearDown();
  }
  template <class T>
  T* Find(const char* name) {
    auto* c = dynamic_cast<T*>(form_->FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return c;
  }
  // The pixels of the edit painted in a highlight colour, active or inactive.
  static int Highlighted(TEdit* edit) {
    const QPalette pal = edit->LineEdit()->palette();
    const QColor active = pal.color(QPalette::Active, QPalette::Highlight),
                 inactive = pal.color(QPalette::Inactive, QPalette::Highlight);
    QImage img = Grab(edit);
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
      for (int x = 0; x < img.width(); ++x) {
        QColor p = img.pixelColor(x, y);
        n += p == active || p == inactive;
      }
    }
    return n;
  }

  struct FreeForm {
    void operator()(TForm* f) const { Free(f); }
  };
  std::unique_ptr<TForm, FreeForm> form_;
  TEdit* keeping = nullptr;
  TEdit* plain = nullptr;
  TButton* other = nullptr;
};

TEST_F(EditSelectionTest, TheLayoutSetsHideSelectionAndAutoSelect) {
  EXPECT_FALSE(keeping->HideSelection());
  EXPECT_FALSE(keeping->AutoSelect());
  EXPECT_TRUE(plain->HideSelection());
  EXPECT_TRUE(plain->AutoSelect());
}

// With HideSelection off the selection, its direction included, survives the loss of the focus
// and the window's activation and stays painted.
TEST_F(EditSelectionTest, WithoutHideSelectionTheSelectionSurvivesTheFocusAndTheWindow) {
  struct SelectionCase {
    bool hide;
    const char* selText;
    int caret;
  };
  for (const SelectionCase& c :
       {SelectionCase{true, "", 1}, SelectionCase{false, "bc", 1}, SelectionCase{false, "bc", 3}}) {
    SCOPED_TRACE(std::string(c.hide ? "hiding" : "keeping") + ", caret " + std::to_string(c.caret));
    QLineEdit* line = plain->LineEdit();
    plain->SetHideSelection(c.hide);
    plain->SetText("abcd");
    plain->SetFocus();
    line->setSelection(c.caret == 1 ? 3 : 1, c.caret == 1 ? -2 : 2);
    other->SetFocus();
    ASSERT_FALSE(plain->Focused());
    // The user comes back from another window: Qt drops an unfocused edit's selection then.
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(line->window(), &activate);
    QApplication::processEvents();
    EXPECT_EQ(plain->SelText(), c.selText);
    EXPECT_EQ(line->cursorPosition(), c.caret);
    EXPECT_EQ(Highlighted(plain) > 0, !c.hide);
  }
}

// With AutoSelect off the focus taken by Tab keeps the caret instead of selecting everything.
TEST_F(EditSelectionTest, WithoutAutoSelectTheFocusByTabKeepsTheCaret) {
  struct FocusCase {
    TEdit* edit;
    int selLength;
  };
  for (const FocusCase& c : {FocusCase{plain, 4}, FocusCase{keeping, 0}}) {
    SCOPED_TRACE(c.edit->Name());
    c.edit->SetText("abcd");
    c.edit->SetFocus();
    c.edit->SetSelStart(2);
    other->SetFocus();
    c.edit->LineEdit()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(c.edit->Focused());
    EXPECT_EQ(c.edit->SelLength(), c.selLength);
    if (c.selLength == 0) {
      EXPECT_EQ(c.edit->SelStart(), 2);
    }
  }
}

TEST_F(EditSelectionTest, CutToClipboardMovesTheSelectionOutAndFiresChange) {
  int changes = 0;
  plain->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  QGuiApplication::clipboard()->setText("old");
  plain->SetText("abcd");
  changes = 0;
  plain->SetSelStart(3);
  plain->CutToClipboard();  // nothing selected
  EXPECT_EQ(plain->Text(), "abcd");
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "old");
  EXPECT_EQ(changes, 0);
  plain->LineEdit()->setSelection(3, -2);
  plain->CutToClipboard();
  EXPECT_EQ(plain->Text(), "ad");
  EXPECT_EQ(plain->SelStart(), 1);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "bc");
  EXPECT_EQ(changes, 1);
}

}  // namespace
