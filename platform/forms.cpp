#include "platform/forms.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/menus.h"

TApplication* Application = nullptr;

// The Qt window (or, for an MDI child, the child widget) of a form.
class FormWidget : public QWidget {
 public:
  explicit FormWidget(TForm* form) : form_(form) {}
  bool asChild = false;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::WindowActivate && isWindow()) form_->WindowActivated();
    return QWidget::event(e);
  }
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    Dispatch([this] { form_->WindowCloseRequested(); });
  }
  void changeEvent(QEvent* e) override {
    if (e->type() == QEvent::WindowStateChange && isWindow()) {
      bool minimized = isMinimized();
      Dispatch([this, minimized] { form_->WindowStateChangedBySystem(minimized); });
    }
    QWidget::changeEvent(e);
  }
  void resizeEvent(QResizeEvent*) override {
    if (asChild) {
      form_->WidgetResized();
    } else {
      form_->WindowResized(width(), height());
    }
  }
  void moveEvent(QMoveEvent*) override {
    if (!asChild) form_->WindowMoved(pos().x(), pos().y());
  }
  void paintEvent(QPaintEvent*) override {
    // A window paints its border (BorderWidth) in the form's colour; its client area paints
    // itself.
    QPainter p(this);
    form_->PaintWidget(p);
  }

 private:
  TForm* form_;
};

namespace {

// The area of an MDI frame form below its aligned controls, where the child forms live.
class MdiClient : public QWidget {
 public:
  MdiClient(QWidget* parent, std::function<void()> onResize)
      : QWidget(parent), onResize_(std::move(onResize)) {}

 protected:
  void resizeEvent(QResizeEvent*) override { onResize_(); }

 private:
  std::function<void()> onResize_;
};

}  // namespace

// ---- TForm ----------------------------------------------------------------------------------

TForm::TForm(TComponent* owner) : TWinControl(owner) {
  window_ = new FormWidget(this);
  SetWidget(window_);
  SetVisible(false);
  SetParentColor(false);
  SetColor(clBtnFace);
  SetBounds(0, 0, 400, 300);
}

TForm::~TForm() {
  if (onFreed_) onFreed_();
  DestroyComponents();
}

void TForm::BeforeDestruction() {
  DispatchEvent(onDestroy_, this);
}

QWidget* TForm::ClientWidget() const {
  if (formStyle_ == TFormStyle::fsMDIChild) return window_;
  if (!client_) {
    auto* self = const_cast<TForm*>(this);
    auto* layout = new QVBoxLayout(window_);
    layout->setContentsMargins(borderWidth_, borderWidth_, borderWidth_, borderWidth_);
    layout->setSpacing(0);
    self->client_ = new ControlWidget(self, window_);
    layout->addWidget(client_, 1);
  }
  return client_;
}

QWidget* TForm::MDIClientWidget() const {
  if (!mdiClient_) {
    auto* self = const_cast<TForm*>(this);
    self->mdiClient_ = new MdiClient(ClientWidget(), [self] { self->LayoutMDIChildren(); });
    self->mdiClient_->lower();
    self->Realign();
    self->mdiClient_->setGeometry(self->AlignedRemainder());
    self->mdiClient_->show();
  }
  return mdiClient_;
}

void TForm::LayoutMDIChildren() {
  if (!mdiClient_) return;
  for (QObject* o : mdiClient_->children()) {
    auto* w = qobject_cast<QWidget*>(o);
    auto* child = dynamic_cast<TForm*>(TControl::FromWidget(w));
    if (child && child->WindowState() == TWindowState::wsMaximized) {
      child->SetBounds(0, 0, mdiClient_->width(), mdiClient_->height());
    }
  }
}

void TForm::WidgetResized() {
  Realign();
  if (mdiClient_) mdiClient_->setGeometry(AlignedRemainder());
}

void TForm::SetFormStyle(TFormStyle style) {
  formStyle_ = style;
  if (style == TFormStyle::fsMDIChild) {
    window_->asChild = true;
    TForm* frame = Application ? Application->MainForm() : nullptr;
    if (frame && frame->FormStyle() == TFormStyle::fsMDIForm) {
      window_->setParent(frame->MDIClientWidget());
      frame->activeChild_ = this;
    }
  }
  ApplyWindowFlags();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
  borderStyle_ = style;
  ApplyWindowFlags();
}

void TForm::SetBorderWidth(int width) {
  borderWidth_ = std::max(width, 0);
  if (formStyle_ == TFormStyle::fsMDIChild) return;
  if (auto* layout = window_->layout()) {
    layout->setContentsMargins(borderWidth_, borderWidth_, borderWidth_, borderWidth_);
  }
  BoundsChanged();
}

void TForm::SetBorderIcons(TBorderIcons icons) {
  borderIcons_ = icons;
  ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
  if (formStyle_ == TFormStyle::fsMDIChild) return;
  Qt::WindowFlags f = Qt::Window;
  if (borderStyle_ == TFormBorderStyle::bsNone) {
    f |= Qt::FramelessWindowHint;
  } else if (borderIcons_ != (biSystemMenu | biMinimize | biMaximize)) {
    f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (borderIcons_ & biSystemMenu) f |= Qt::WindowCloseButtonHint;
    if (borderIcons_ & biMinimize) f |= Qt::WindowMinimizeButtonHint;
    if (borderIcons_ & biMaximize) f |= Qt::WindowMaximizeButtonHint;
  }
  if (formStyle_ == TFormStyle::fsStayOnTop) f |= Qt::WindowStaysOnTopHint;
  bool wasVisible = window_->isVisible();
  window_->setWindowFlags(f);
  if (wasVisible) window_->show();
}

void TForm::SetWindowState(TWindowState state) {
  windowState_ = state;
  if (created_) ApplyWindowState();
}

void TForm::ApplyWindowState() {
  if (formStyle_ == TFormStyle::fsMDIChild) {
    if (windowState_ == TWindowState::wsMaximized) LayoutMDIChildren();
    if (TForm* frame = Application ? Application->MainForm() : nullptr) frame->LayoutMDIChildren();
    return;
  }
  if (!Visible() && windowState_ != TWindowState::wsMinimized) return;
  switch (windowState_) {
    case TWindowState::wsMaximized: {
      // Cover the available area even where no window manager maximises the window.
      window_->setGeometry(TScreen::WorkArea());
      window_->showMaximized();
      break;
    }
    case TWindowState::wsMinimized:
      window_->showMinimized();
      break;
    default:
      window_->showNormal();
      break;
  }
}

void TForm::SetAutoSize(bool value) {
  autoSize_ = value;
}

void TForm::SetMenu(TMainMenu* menu) {
  menu_ = menu;
  if (!menu) return;
  ClientWidget();  // builds the window's layout
  if (auto* layout = qobject_cast<QVBoxLayout*>(window_->layout())) {
    layout->setMenuBar(menu->MenuBar());
  }
}

void TForm::TextChanged() {
  if (formStyle_ != TFormStyle::fsMDIChild)
    window_->setWindowTitle(QString::fromStdString(Caption()));
}

void TForm::ColorChanged() {
  TWinControl::ColorChanged();
  if (client_) client_->update();
  if (mdiClient_) mdiClient_->update();
}

void TForm::PaintWidget(QPainter& p) {
  p.fillRect(QRect(0, 0, p.device()->width(), p.device()->height()), ToQColor(Color()));
}

void TForm::BoundsChanged() {
  if (formStyle_ == TFormStyle::fsMDIChild) return;
  if (window_->isVisible() && windowState_ == TWindowState::wsMaximized) return;
  if (window_->pos() != QPoint(Left(), Top())) window_->move(Left(), Top());
  // Width and Height are the client area's; the border lies around it.
  const int w = Width() + 2 * borderWidth_, h = Height() + 2 * borderWidth_;
  if (autoSize_) {
    window_->setFixedSize(w, h);
  } else {
    window_->resize(w, h);
  }
}

void TForm::WindowMoved(int left, int top) {
  SyncBounds(left, top, Width(), Height());
}

void TForm::WindowResized(int width, int height) {
  if (formStyle_ != TFormStyle::fsMDIChild) {
    QPoint pos = window_->pos();
    SyncBounds(pos.x(), pos.y(), std::max(0, width - 2 * borderWidth_),
               std::max(0, height - 2 * borderWidth_));
  }
}

void TForm::Loaded() {
  if (formStyle_ == TFormStyle::fsMDIChild) return;
  if (!icon_.Empty()) window_->setWindowIcon(QIcon(QPixmap::fromImage(icon_.Image())));
  BoundsChanged();
}

void TForm::VisibleChanged() {
  if (!created_) return;
  if (Visible()) {
    if (formStyle_ == TFormStyle::fsMDIChild) {
      window_->show();
    } else {
      if (windowState_ == TWindowState::wsMinimized) windowState_ = TWindowState::wsNormal;
      ApplyWindowState();
      if (windowState_ == TWindowState::wsNormal) window_->show();
    }
    onShow_(this);
  } else {
    // A minimised window that is hidden stays on the taskbar as a minimised window, so that
    // the user can bring the program back.
    if (formStyle_ != TFormStyle::fsMDIChild && window_->isMinimized()) return;
    const bool wasActive = Application && Application->LastActiveForm() == this;
    window_->hide();
    // The focus goes back to the main window, whether or not a window manager hands it over.
    TForm* main = Application ? Application->MainForm() : nullptr;
    if (wasActive && main && main != this && main->Visible()) {
      main->Widget()->activateWindow();
      Application->FormActivated(main);
    }
  }
}

void TForm::ShowWithoutActivating() {
  if (formStyle_ == TFormStyle::fsMDIChild || Visible()) return;
  // Where the window system activates the window all the same, that activation is not taken
  // for the user's and the main window gets the focus back.
  passiveShow_ = true;
  window_->setAttribute(Qt::WA_ShowWithoutActivating, true);
  SetVisible(true);
  window_->setAttribute(Qt::WA_ShowWithoutActivating, false);
  TRef<TForm> self(this);
  QTimer::singleShot(300, [self] {
    if (self) self->passiveShow_ = false;
  });
}

void TForm::RunCreationEvents() {
  DispatchEvent(onCreate_, this);
  created_ = true;
  if (!Visible()) return;
  if (formStyle_ == TFormStyle::fsMDIChild) {
    window_->show();
    ApplyWindowState();
  } else {
    ApplyWindowState();
    if (windowState_ == TWindowState::wsNormal) window_->show();
  }
  DispatchEvent(onShow_, this);
  if (formStyle_ == TFormStyle::fsMDIChild) {
    if (TForm* frame = Application ? Application->MainForm() : nullptr) frame->activeChild_ = this;
    DispatchEvent(onActivate_, this);
  }
}

void TForm::Activate() {
  DispatchEvent(onActivate_, this);
}

void TForm::ShowForm() {
  passiveShow_ = false;
  SetVisible(true);
  if (formStyle_ != TFormStyle::fsMDIChild) {
    window_->raise();
    window_->activateWindow();
  }
}

void TForm::Close() {
  WindowCloseRequested();
}

bool TForm::Active() const {
  return window_->isActiveWindow();
}

void TForm::WindowActivated() {
  if (passiveShow_) {
    passiveShow_ = false;
    if (TForm* main = Application ? Application->MainForm() : nullptr) {
      if (main != this) main->Widget()->activateWindow();
    }
    return;
  }
  if (Application) Application->FormActivated(this);
}

void TForm::WindowCloseRequested() {
  if (onClose_) {
    onClose_(this);
  } else {
    SetVisible(false);
  }
}

void TForm::WindowStateChangedBySystem(bool minimized) {
  if (formStyle_ == TFormStyle::fsMDIChild) return;
  if (minimized) {
    windowState_ = TWindowState::wsMinimized;
    return;
  }
  if (windowState_ == TWindowState::wsMinimized) {
    windowState_ = window_->isMaximized() ? TWindowState::wsMaximized : TWindowState::wsNormal;
  }
  // Restored from the taskbar while hidden: the window is set back and shown.
  if (!Visible() && created_) SetVisible(true);
}

// ---- TApplication ---------------------------------------------------------------------------

TApplication::TApplication() : TComponent(nullptr) {
  Application = this;
  InstallFontSubstitutions();
  QApplication::setStyle(QStringLiteral("Fusion"));
  SetErrorHandler([this](const std::string& m) { ShowException(m); });
  QObject::connect(qApp, &QGuiApplication::applicationStateChanged, [this](Qt::ApplicationState s) {
    if (s == Qt::ApplicationActive) return;
    // Focus moving between two windows of the program can pass through a short inactive state;
    // only a lasting one means another application took over.
    QTimer::singleShot(200, [] {
      if (Application && QGuiApplication::applicationState() != Qt::ApplicationActive) {
        Application->ForeignWindowActivated();
      }
    });
  });
}

TApplication::~TApplication() {
  DestroyComponents();
  SetErrorHandler(nullptr);
  if (Application == this) Application = nullptr;
}

void TApplication::SetTitle(std::string title) {
  title_ = std::move(title);
}

void TApplication::Run() {
  running_ = true;
  if (!terminated_) QApplication::exec();
  running_ = false;
}

void TApplication::Terminate() {
  terminated_ = true;
  // quit() would first ask every window to close, and the main window answers a close by
  // asking the exit question again; exit() leaves every running loop at once.
  if (running_) QCoreApplication::exit(0);
}

void TApplication::ProcessMessages() {
  QApplication::processEvents();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags) {
  ForeignWindowActivated();
  if (messageBoxHandler_) return messageBoxHandler_(text, caption, flags);
  QMessageBox box;
  box.setText(QString::fromStdString(text));
  box.setWindowTitle(QString::fromStdString(caption));
  switch (flags & 0xF0) {
    case MB_ICONSTOP:
      box.setIcon(QMessageBox::Critical);
      break;
    case MB_ICONQUESTION:
      box.setIcon(QMessageBox::Question);
      break;
    case MB_ICONEXCLAMATION:
      box.setIcon(QMessageBox::Warning);
      break;
    case MB_ICONINFORMATION:
      box.setIcon(QMessageBox::Information);
      break;
    default:
      break;
  }
  QPushButton* yes = nullptr;
  QPushButton* no = nullptr;
  QPushButton* ok = nullptr;
  if ((flags & 0x0F) == MB_YESNO) {
    yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
    no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
  } else {
    ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  if (yes) return clicked == yes ? IDYES : IDNO;
  return IDOK;
}

void TApplication::ShowException(const std::string& message) {
  std::string text = message;
  // The class library ends the message with a full stop unless it ends in one already.
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  MessageBox(text, title_, MB_OK | MB_ICONSTOP);
}

void TApplication::FormActivated(TForm* form) {
  TForm* previous = lastActive_.get();
  lastActive_ = form;
  if (!form || previous == form) return;
  form->Activate();
  if (form->FormStyle() == TFormStyle::fsMDIForm && previous) {
    if (TForm* child = form->ActiveMDIChild()) child->Activate();
  }
}

void TApplication::ForeignWindowActivated() {
  lastActive_ = nullptr;
}

// ---- TScreen --------------------------------------------------------------------------------

int TScreen::Width() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().width() : 0;
}

int TScreen::Height() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->geometry().height() : 0;
}

QRect TScreen::WorkArea() {
  QScreen* s = QGuiApplication::primaryScreen();
  return s ? s->availableGeometry() : QRect(0, 0, 800, 600);
}
