#pragma once
// The customer's logo shown in the console's corner.

#include <QImage>
#include <QString>

namespace kv7::ui {

// "customer.bmp" in dir when it exists and reads, otherwise "customer.jpg"
// decoded with libjpeg; a null image when neither gives a picture.
QImage LoadCustomerLogo(const QString& dir);

}  // namespace kv7::ui
