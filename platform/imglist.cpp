#include "platform/imglist.h"

#include <QPixmap>

QImage TImageList::Image(int index) const {
  if (index < 0 || index >= Count()) return QImage();
  return images_[index];
}

QIcon TImageList::Icon(int index) const {
  QImage img = Image(index);
  if (img.isNull()) return QIcon();
  QIcon icon(QPixmap::fromImage(img));
  // The disabled look: the picture's shape in one grey, as the class library draws it.
  QImage grey = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < grey.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) {
      int a = qAlpha(line[x]);
      int v = qGray(line[x]);
      line[x] = a < 40 ? qRgba(0, 0, 0, 0) : qRgba(128, 128, 128, v < 200 ? a : a / 3);
    }
  }
  icon.addPixmap(QPixmap::fromImage(grey), QIcon::Disabled);
  return icon;
}
