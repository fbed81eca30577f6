// Image lists: numbered pictures of one size for tool buttons, tabs and menu items.
#pragma once

#include <QIcon>
#include <QImage>
#include <vector>

#include "platform/classes.h"

class TImageList : public TComponent {
 public:
  explicit TImageList(TComponent* owner) : TComponent(owner) {}
  std::string_view ClassName() const override { return "TImageList"; }

  int Width() const { return width_; }
  void SetWidth(int w) { width_ = w; }
  int Height() const { return height_; }
  void SetHeight(int h) { height_ = h; }
  int Count() const { return static_cast<int>(images_.size()); }
  void Add(const QImage& image) { images_.push_back(image); }
  void Clear() { images_.clear(); }
  // The picture at an index; a null image outside the list.
  QImage Image(int index) const;
  // An icon of the picture, with the greyed picture that the class library draws for
  // disabled buttons.
  QIcon Icon(int index) const;

 private:
  int width_ = 16, height_ = 16;
  std::vector<QImage> images_;
};
