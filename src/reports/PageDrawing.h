#pragma once
// Draws a page value on a painter: the same code for the preview, the
// printer and PDF files. The page is laid out in twips (1/1440 inch): the
// printable area is the page shrunk by 400 units on each side, positions
// are percentages of it with integer division, and a font of size s is s
// points. What is drawn is also returned, so the layout can be checked.

#include <QFont>
#include <QLine>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

#include "i18n/PrintFont.h"
#include "reports/ReportPages.h"

class QPainter;
class QPagedPaintDevice;

namespace kv7::reports {

inline constexpr int kUnitsPerInch = 1440;
inline constexpr int kMargin = 400;

// Positions in tenths of a percent, so 4.5% is 45: base + size x t / 1000.
class PageGrid {
 public:
  explicit PageGrid(QRect area) : area_(area) {}
  QRect Area() const { return area_; }
  int X(int tenths) const { return Along(area_.left(), area_.width(), tenths); }
  int Y(int tenths) const { return Along(area_.top(), area_.height(), tenths); }
  // The box from (x1, y1) to (x2, y2), corners included.
  QRect Box(int x1, int y1, int x2, int y2) const { return QRect(QPoint(X(x1), Y(y1)), QPoint(X(x2), Y(y2))); }
  static int Along(int base, int size, int tenths) { return base + size * tenths / 1000; }

 private:
  QRect area_;
};

struct DrawnText {
  QString text;
  QPoint at;  // top left
  int size = 0;
  QFont font;  // as drawn
};

struct DrawnPage {
  QRect area;
  int rowHeight = 0;
  QLine titleLine;
  std::vector<QRect> boxes;
  std::vector<DrawnText> texts;
  int pages = 1;
};

// Draws `page` on `painter`, whose device is a page of `pageTwips` size
// (the painter's window is set to it). `newPage` starts another sheet for
// pages that run over (the producer list).
DrawnPage DrawPage(QPainter& painter, QSize pageTwips, const Page& page, const i18n::PrintSettings& font,
                   const std::function<void()>& newPage = {});

// Draws on a printer or PDF writer: window in twips over the whole sheet.
DrawnPage DrawOnDevice(QPagedPaintDevice& device, const Page& page, const i18n::PrintSettings& font);

// An amount as printed: the language's number format, or a dash.
QString AmountText(const Amount& a);
// Money with two decimals, and a price per kilogram with four, in the
// language's number format.
QString MoneyText(prices::Cents cents);
QString PriceAmountText(prices::Price price);

}  // namespace kv7::reports
