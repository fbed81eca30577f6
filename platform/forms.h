// Forms, the application object and message boxes.
#pragma once

#include <QPointer>
#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

class QWidget;
class TMainMenu;
class FormWidget;

enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
using TBorderIcons = unsigned;
inline constexpr TBorderIcons biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8;

// A window. Creating a form from its layout (see streaming.h) runs its OnCreate and, when it is
// visible, its OnShow; an MDI child form then becomes the active child and runs its OnActivate.
// A top-level form runs OnActivate when its window becomes the active one. A top-level form is
// a window of its own, its Width and Height those of its client area (BorderWidth lies around
// it); an MDI child form lives in the client area of the application's MDI frame form and
// fills it when maximised.
class TForm : public TWinControl {
 public:
  explicit TForm(TComponent* owner);
  ~TForm() override;
  std::string_view ClassName() const override { return "TForm"; }

  TFormStyle FormStyle() const { return formStyle_; }
  void SetFormStyle(TFormStyle style);
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
  int BorderWidth() const { return borderWidth_; }
  void SetBorderWidth(int width);
  TBorderIcons BorderIcons() const { return borderIcons_; }
  void SetBorderIcons(TBorderIcons icons);
  TWindowState WindowState() const { return windowState_; }
  void SetWindowState(TWindowState state);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TMainMenu* Menu() const { return menu_; }
  void SetMenu(TMainMenu* menu);
  TPicture& Icon() { return icon_; }

  void SetClientWidth(int w) { SetWidth(w); }
  void SetClientHeight(int h) { SetHeight(h); }

  const TNotifyEvent& OnCreate() const { return onCreate_; }
  void SetOnCreate(TNotifyEvent e) { onCreate_ = std::move(e); }
  const TNotifyEvent& OnShow() const { return onShow_; }
  void SetOnShow(TNotifyEvent e) { onShow_ = std::move(e); }
  const TNotifyEvent& OnActivate() const { return onActivate_; }
  void SetOnActivate(TNotifyEvent e) { onActivate_ = std::move(e); }
  const TNotifyEvent& OnDestroy() const { return onDestroy_; }
  void SetOnDestroy(TNotifyEvent e) { onDestroy_ = std::move(e); }
  // A close request of the window manager (the close box). Without a handler the form hides.
  const TNotifyEvent& OnClose() const { return onClose_; }
  void SetOnClose(TNotifyEvent e) { onClose_ = std::move(e); }

  // Shows the window and brings it to the front.
  void ShowForm();
  // Shows a hidden window without taking the focus from the active one.
  void ShowWithoutActivating();
  // Closes the window as its close box would.
  void Close();
  bool Active() const;
  // The MDI child form that is active in this MDI frame form.
  TForm* ActiveMDIChild() const { return activeChild_.get(); }
  QWidget* ClientWidget() const override;
  // The area of an MDI frame form in which its child forms live.
  QWidget* MDIClientWidget() const;

  // Runs OnCreate, then shows the form if it is visible (OnShow, and OnActivate for an MDI
  // child, which becomes the active child). Called once by the form factory after loading.
  void RunCreationEvents();
  // Runs the form's OnActivate (for the activation rules of the application).
  void Activate();

  void BeforeDestruction() override;
  void Loaded() override;
  // Runs when the form is freed (after OnDestroy).
  void SetOnFreed(std::function<void()> f) { onFreed_ = std::move(f); }

  // Fields of the form's class that name their control (TField): each is bound by name once
  // the layout has been read; `bind` answers whether the control has the field's class.
  struct FieldBinding {
    std::string name;
    std::function<bool(TComponent*)> bind;
  };
  void AddFieldBinding(FieldBinding binding) { fieldBindings_.push_back(std::move(binding)); }
  const std::vector<FieldBinding>& FieldBindings() const { return fieldBindings_; }

  // Called by the window; not for page code.
  void WindowActivated();
  void WindowCloseRequested();
  void WindowStateChangedBySystem(bool minimized);
  void WindowResized(int width, int height);
  void WindowMoved(int left, int top);
  void PaintWidget(QPainter& painter) override;
  void WidgetResized() override;

 protected:
  void TextChanged() override;
  void VisibleChanged() override;
  void BoundsChanged() override;
  void ColorChanged() override;

 private:
  void ApplyWindowFlags();
  void ApplyWindowState();
  void AttachToFrame();
  void LayoutMDIChildren();

  TFormStyle formStyle_ = TFormStyle::fsNormal;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  int borderWidth_ = 0;
  TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
  TWindowState windowState_ = TWindowState::wsNormal;
  bool autoSize_ = false;
  bool created_ = false;
  bool shownOnce_ = false;
  TMainMenu* menu_ = nullptr;
  TPicture icon_;
  FormWidget* window_ = nullptr;
  QPointer<QWidget> client_;
  QPointer<QWidget> mdiClient_;
  TRef<TForm> activeChild_;
  TNotifyEvent onCreate_, onShow_, onActivate_, onDestroy_, onClose_;
  std::function<void()> onFreed_;
  std::vector<FieldBinding> fieldBindings_;
  bool passiveShow_ =
      false;  // shown without activating: the activation that follows is not the user's
};

// A field of a form that names its control, in one line: `TField<TLabel> popis{this, "popis"};`
// binds itself when the layout has been read (a layout without the control, or with one of
// another class, is rejected like a layout that lacks a bound field), and then reads like a
// pointer to the control.
template <class C>
class TField {
 public:
  TField(TForm* form, std::string name) {
    form->AddFieldBinding({std::move(name), [this](TComponent* c) {
                             control_ = dynamic_cast<C*>(c);
                             return control_ != nullptr;
                           }});
  }
  // A copy is a plain reference to the same control (it binds nothing itself).
  TField(const TField& other) : control_(other.control_) {}
  TField& operator=(const TField&) = delete;

  C* get() const { return control_; }
  C* operator->() const { return control_; }
  C& operator*() const { return *control_; }
  operator C*() const { return control_; }  // NOLINT: reads like the pointer it stands for

 private:
  C* control_ = nullptr;
};

// Message box flags and answers.
inline constexpr int MB_OK = 0, MB_OKCANCEL = 1, MB_YESNO = 4, MB_ICONSTOP = 16,
                     MB_ICONQUESTION = 32, MB_ICONEXCLAMATION = 48, MB_ICONINFORMATION = 64;
inline constexpr int IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7;

using MessageBoxHandler =
    std::function<int(const std::string& text, const std::string& caption, int flags)>;

// The application: title, main form, message loop, message boxes, the default error handler
// and the activation rules of the program's windows.
class TApplication : public TComponent {
 public:
  TApplication();
  ~TApplication() override;
  std::string_view ClassName() const override { return "TApplication"; }

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);
  TForm* MainForm() const { return mainForm_.get(); }
  void SetMainForm(TForm* form) { mainForm_ = form; }

  // Runs the message loop until Terminate.
  void Run();
  // Ends the message loop (and any loop running inside it, as a message box's) at once,
  // without asking the windows to close.
  void Terminate();
  bool Terminated() const { return terminated_; }
  void ProcessMessages();

  // A message box with the Czech buttons "Ano", "Ne", "OK"; returns IDYES, IDNO, IDOK (closing
  // the box answers No, or OK where OK is the only button).
  int MessageBox(const std::string& text, const std::string& caption, int flags);
  // Replaces the message boxes (tests); an empty handler restores them.
  void SetMessageBoxHandler(MessageBoxHandler handler) { messageBoxHandler_ = std::move(handler); }
  // The default error handler: the message (with a full stop added, as the class library does)
  // in a message box under the application title with the stop icon.
  void ShowException(const std::string& message);

  // A form of the program became the active window: it runs its OnActivate. An MDI frame form
  // that becomes active right after another form of the program was active also runs the
  // OnActivate of its active child form (the focus comes back into the page). Message boxes
  // and other applications in between break that chain. Hiding the active window of the
  // program activates the main form.
  void FormActivated(TForm* form);
  void ForeignWindowActivated();
  // The form of the program that was active last, or null after a message box or another
  // application.
  TForm* LastActiveForm() const { return lastActive_.get(); }

 private:
  std::string title_;
  TRef<TForm> mainForm_;
  TRef<TForm> lastActive_;
  bool terminated_ = false;
  bool running_ = false;
  MessageBoxHandler messageBoxHandler_;
};

extern TApplication* Application;

// The screen: its size and the available area.
class TScreen {
 public:
  static int Width();
  static int Height();
  static QRect WorkArea();
};
