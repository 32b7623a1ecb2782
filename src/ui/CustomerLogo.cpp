#include "ui/CustomerLogo.h"

#include <QDir>
#include <QFileInfo>

#include "ui/JpegImage.h"

namespace kv7::ui {

QImage LoadCustomerLogo(const QString& dir) {
  const QDir folder(dir);
  // The bitmap wins when both exist; a bitmap that does not read leaves the
  // JPEG picture rather than no logo at all.
  const QString bmp = folder.filePath("customer.bmp");
  if (QFileInfo::exists(bmp)) {
    QImage image(bmp, "BMP");
    if (!image.isNull()) return image;
  }
  const QString jpg = folder.filePath("customer.jpg");
  if (QFileInfo::exists(jpg)) return DecodeJpegFile(jpg);
  return {};
}

}  // namespace kv7::ui
