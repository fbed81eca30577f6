// The main menu and its items.
#pragma once

#include <QPointer>
#include <vector>

#include "platform/classes.h"
#include "platform/graphics.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

// A menu item. An item with items of its own opens a submenu; its OnClick runs when the
// submenu opens. Click() runs OnClick only while the item is enabled, whether the user chose
// the item or the program clicked it.
class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner);
  ~TMenuItem() override;
  std::string_view ClassName() const override { return "TMenuItem"; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Checked() const { return checked_; }
  void SetChecked(bool checked);
  TPicture& Bitmap() { return bitmap_; }

  const TNotifyEvent& OnClick() const { return onClick_; }
  void SetOnClick(TNotifyEvent e) { onClick_ = std::move(e); }
  // Runs OnClick if the item is enabled; exceptions go to the caller.
  void Click();

  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(index); }
  TMenuItem* Parent() const { return parent_; }
  void Add(TMenuItem* item);

  QAction* Action() const { return action_; }

 private:
  friend class TMainMenu;
  void Remove(TMenuItem* item);
  void UpdateAction();
  QMenu* Submenu();

  std::string caption_;
  bool enabled_ = true, visible_ = true, checked_ = false;
  TPicture bitmap_;
  TNotifyEvent onClick_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  QPointer<QAction> action_;
  QPointer<QMenu> menu_;
};

// The menu bar of a form: its items are the bar's items.
class TMainMenu : public TComponent {
 public:
  explicit TMainMenu(TComponent* owner);
  ~TMainMenu() override;
  std::string_view ClassName() const override { return "TMainMenu"; }

  // The invisible root item whose items stand on the bar.
  TMenuItem* Items() { return &root_; }
  void Add(TMenuItem* item);
  QMenuBar* MenuBar() const { return bar_; }

 private:
  TMenuItem root_;
  QPointer<QMenuBar> bar_;
};
