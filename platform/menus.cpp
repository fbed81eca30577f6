#include "platform/menus.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <algorithm>

namespace {

// Captions are plain text: an ampersand is shown, not taken as an accelerator.
QString PlainCaption(const std::string& caption) {
  return QString::fromStdString(caption).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {
  action_ = new QAction();
  QObject::connect(action_, &QAction::triggered, [this] {
    if (items_.empty()) Dispatch([this] { Click(); });
  });
  bitmap_.OnChange = [this] { UpdateAction(); };
}

TMenuItem::~TMenuItem() {
  if (parent_) parent_->Remove(this);
  for (TMenuItem* i : items_) i->parent_ = nullptr;
  delete menu_.data();
  delete action_.data();
}

void TMenuItem::UpdateAction() {
  if (!action_) return;
  action_->setText(PlainCaption(caption_));
  action_->setEnabled(enabled_);
  action_->setVisible(visible_);
  action_->setCheckable(checked_);
  action_->setChecked(checked_);
  action_->setIcon(bitmap_.Empty() ? QIcon() : QIcon(QPixmap::fromImage(bitmap_.Image())));
}

void TMenuItem::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  UpdateAction();
}

void TMenuItem::SetEnabled(bool enabled) {
  enabled_ = enabled;
  UpdateAction();
}

void TMenuItem::SetVisible(bool visible) {
  visible_ = visible;
  UpdateAction();
}

void TMenuItem::SetChecked(bool checked) {
  checked_ = checked;
  UpdateAction();
}

void TMenuItem::Click() {
  if (enabled_) onClick_(this);
}

QMenu* TMenuItem::Submenu() {
  if (!menu_) {
    menu_ = new QMenu();
    QObject::connect(menu_, &QMenu::aboutToShow, [this] { Dispatch([this] { Click(); }); });
    action_->setMenu(menu_);
  }
  return menu_;
}

void TMenuItem::Add(TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  item->parent_ = this;
  items_.push_back(item);
  Submenu()->addAction(item->Action());
}

void TMenuItem::Remove(TMenuItem* item) {
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->parent_ = nullptr;
  if (menu_ && item->Action()) menu_->removeAction(item->Action());
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), root_(nullptr) {
  bar_ = new QMenuBar();
  bar_->setNativeMenuBar(false);
}

TMainMenu::~TMainMenu() {
  // The items belong to the form, which frees them before the menu.
  for (TMenuItem* i : root_.items_) i->parent_ = nullptr;
  root_.items_.clear();
  delete bar_.data();
}

void TMainMenu::Add(TMenuItem* item) {
  if (item->parent_) item->parent_->Remove(item);
  item->parent_ = &root_;
  root_.items_.push_back(item);
  if (bar_) bar_->addAction(item->Action());
}
