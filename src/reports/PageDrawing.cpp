#include "reports/PageDrawing.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateTime>
#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QStringList>

#include "i18n/LanguageModules.h"
#include "i18n/Numbers.h"

namespace kv7::reports {
namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

constexpr int kTwipsPerPoint = 20;

// The painter with the page's font rules, recording what it draws.
class Canvas {
 public:
  Canvas(QPainter& painter, DrawnPage& out, const i18n::PrintSettings& settings)
      : painter_(painter), out_(out), font_(Q(settings.fontName)) {
    font_.setItalic(settings.styles.italic);
    font_.setBold(settings.styles.bold);
    font_.setUnderline(settings.styles.underline);
    font_.setStrikeOut(settings.styles.strikeout);
    Size(12);
  }
  void Size(int points) {
    size_ = points;
    font_.setPixelSize(points * kTwipsPerPoint);
    painter_.setFont(font_);
  }
  void Bold() {
    font_.setBold(true);
    painter_.setFont(font_);
  }
  int TextHeight() const { return QFontMetrics(font_).height(); }
  void Text(int x, int y, const QString& text) {
    painter_.drawText(QPoint(x, y + QFontMetrics(font_).ascent()), text);
    out_.texts.push_back({text, QPoint(x, y), size_, font_});
  }
  void Frame(const QRect& r) {
    painter_.drawRect(r);
    out_.boxes.push_back(r);
  }
  void Line(const QLine& l) { painter_.drawLine(l); }

 private:
  QPainter& painter_;
  DrawnPage& out_;
  QFont font_;
  int size_ = 12;
};

// Inside a box: positions in tenths of a percent of its own size.
int In(int base, int size, int tenths) {
  return PageGrid::Along(base, size, tenths);
}

QString DayText(const store::DbDateTime& d) {
  return i18n::CurrentLocale().toString(QDate(d.year, d.month, d.day), QLocale::ShortFormat);
}

QString DateText(const std::optional<store::DbDateTime>& d) {
  if (!d) return {};
  const QLocale locale = i18n::CurrentLocale();
  return locale.toString(QDate(d->year, d->month, d->day), QLocale::ShortFormat) + ' ' +
         locale.toString(QTime(d->hour, d->minute, d->second), QLocale::ShortFormat);
}

class PagePainter {
  Q_DECLARE_TR_FUNCTIONS(kv7::reports::PagePainter)

 public:
  PagePainter(QPainter& painter, QSize pageTwips, const i18n::PrintSettings& font, std::function<void()> newPage)
      : grid_(QRect(QPoint(0, 0), pageTwips).adjusted(kMargin, kMargin, -kMargin, -kMargin)),
        canvas_(painter, out_, font),
        newPage_(std::move(newPage)) {
    out_.area = grid_.Area();
    out_.rowHeight = canvas_.TextHeight();  // "aaaa" at size 12
  }

  DrawnPage Draw(const Page& page) {
    std::visit(
        [this](const auto& p) {
          MachineLine(p.machine);
          DrawOne(p);
        },
        page);
    return out_;
  }

 private:
  int Top() const { return grid_.Area().top(); }

  void Title(const QString& text, int x) {
    canvas_.Size(18);
    canvas_.Bold();
    canvas_.Text(grid_.X(x), Top() + 1, text);
    const int y = Top() + canvas_.TextHeight();
    out_.titleLine = QLine(grid_.Area().left(), y, grid_.Area().right(), y);
    canvas_.Line(out_.titleLine);
  }

  // Small, in the top left corner, clear of every page's title: whose sheet this is.
  void MachineLine(int machine) {
    canvas_.Size(10);
    canvas_.Text(grid_.Area().left(), Top() + 1, tr("Macchina %1").arg(machine));
  }

  void At(int x, int y, const QString& text) { canvas_.Text(grid_.X(x), grid_.Y(y), text); }

  void BoxTitle(const QRect& box, const QString& text) { canvas_.Text(box.left(), box.top() - out_.rowHeight, text); }
  void InBox(const QRect& box, int x, int y, const QString& text) {
    canvas_.Text(In(box.left(), box.width(), x), In(box.top(), box.height(), y), text);
  }
  int RowY(const QRect& box, int c) const { return box.top() + (c + 1) * out_.rowHeight; }

  void DrawOne(const BatchPage& p);
  void BatchHeader(const BatchPage& p);
  void QualityBox(const BatchPage& p, const QRect& box, int q, const QString& title);
  void Summary(const BatchPage& p, const QRect& box);
  void DrawOne(const ProgramPage& p);
  void DrawOne(const InstallationPage& p);
  void ValueLines(const BatchPage& p, const QRect& box);
  void DrawOne(const ProducerListPage& p);
  void ProducerHeadings(int y);
  void DrawOne(const StatsPage& p);
  void StatsHeadings(const StatsPage& p, int y);
  void StatsRow(const StatsPage& p, const StatsLine& line, int y);
  static QString GroupHeading(const std::string& grouping);
  void DrawOne(const SeasonStatementPage& p);
  void StatementHeadings(int y);
  void StatementRow(int y, const std::array<QString, 10>& cells);

  static QString TitleText(const std::string& title) {
    if (title == kEndOfBatchTitle) return tr("LAVORAZIONE");
    if (title == kBatchTitle) return tr("STAMPA BOLLA");
    return Q(title);
  }
  QString WithUnit(const Amount& a, const BatchPage& p) const { return AmountText(a) + ' ' + Q(p.unit); }
  static QString Share(const Amount& a) { return AmountText(a) + " %"; }

  PageGrid grid_;
  DrawnPage out_;
  Canvas canvas_;
  std::function<void()> newPage_;
};

void PagePainter::DrawOne(const BatchPage& p) {
  canvas_.Frame(grid_.Box(400, 50, 1000, 120));
  const QRect q1 = grid_.Box(10, 160, 490, 440), q2 = grid_.Box(510, 160, 1000, 440);
  const QRect q3 = grid_.Box(10, 460, 490, 760), q4 = grid_.Box(510, 460, 1000, 760);
  for (const QRect& r : {q1, q2, q3, q4}) canvas_.Frame(r);
  const QRect area = grid_.Area();
  const QRect summary(QPoint(area.left(), q3.bottom() + kMargin), QPoint(area.right(), area.bottom()));
  canvas_.Frame(summary);
  Title(TitleText(p.title), 400);
  BatchHeader(p);
  QualityBox(p, q1, 0, tr("Prima Qualita"));
  QualityBox(p, q2, 1, tr("Qualita 2"));
  QualityBox(p, q3, 2, tr("Qualita 3"));
  QualityBox(p, q4, 3, tr("Qualita 4"));
  Summary(p, summary);
}

void PagePainter::BatchHeader(const BatchPage& p) {
  canvas_.Size(12);
  canvas_.Text(grid_.X(680), Top() + 1, tr("Data Bolla: ") + DateText(p.date));
  if (p.modified)
    canvas_.Text(grid_.X(680), Top() + 1 + canvas_.TextHeight(), tr("modificata il %1").arg(DateText(p.modified)));
  canvas_.Size(14);
  At(10, 30, tr("Numero Bolla: ") + Q(p.numero));
  At(450, 30, tr("Numero Registrazione: ") + Q(p.registration));
  At(10, 45, tr("Lotto Bolla: ") + Q(p.lot));
  At(10, 60, tr("Numero Programma:") + Q(p.programNumber));
  At(10, 90, tr("Operatore: ") + Q(p.operatorName));
  At(420, 60, tr("Descrizione:"));
  canvas_.Text(grid_.X(420), grid_.Y(60) + canvas_.TextHeight(), Q(p.programDescription));
  At(10, 120, tr("Cod. produttore: ") + Q(p.producerCode));
  At(350, 120, tr("Descrizione: ") + Q(p.producerName));
}

void PagePainter::QualityBox(const BatchPage& p, const QRect& box, int q, const QString& title) {
  canvas_.Size(14);
  BoxTitle(box, title);
  const int x[] = {20, 200, 440, 750};
  const QString headings[] = {tr("calibro"), tr("Peso"), tr("Totali"), tr("Perc.")};
  for (int i = 0; i < 4; ++i) canvas_.Text(In(box.left(), box.width(), x[i]), box.top() + 1, headings[i]);
  canvas_.Size(12);
  for (int c = 1; c <= kClasses; ++c) {
    const ClassRow& row = p.rows[std::size_t(q)][std::size_t(c - 1)];
    const QString cells[] = {Q(row.name), Q(row.range), WithUnit(row.total, p), Share(row.share)};
    for (int i = 0; i < 4; ++i)
      if (!cells[i].isEmpty()) canvas_.Text(In(box.left(), box.width(), x[i]), RowY(box, c), cells[i]);
  }
}

void PagePainter::Summary(const BatchPage& p, const QRect& box) {
  canvas_.Size(14);
  InBox(box, 220, 30, tr("Totali"));
  InBox(box, 420, 30, tr("Perc."));
  InBox(box, 680, 30, tr("Totali"));
  InBox(box, 790, 30, tr("Perc."));
  InBox(box, 20, 220, tr("Tot.PrimaQ"));
  InBox(box, 20, 350, tr("Tot.Q2"));
  InBox(box, 20, 470, tr("Tot.Q5(Scarto)"));
  InBox(box, 530, 220, tr("Tot.Q3"));
  InBox(box, 530, 350, tr("Tot.Q4"));
  InBox(box, 20, 570, tr("Tot. Generale"));
  InBox(box, 530, 470, tr("n. Casse:"));
  InBox(box, 530, 570, tr("n. Pedane:"));
  InBox(box, 20, 670, tr("note:"));
  canvas_.Size(12);
  const int rows[] = {220, 350, 470};
  const std::size_t left[] = {0, 1, 4};
  for (int i = 0; i < 3; ++i) {
    InBox(box, 220, rows[i], WithUnit(p.qualityTotals[left[i]], p));
    InBox(box, 420, rows[i], Share(p.qualityShares[left[i]]));
  }
  for (std::size_t q = 2; q < 4; ++q) {
    InBox(box, 650, rows[q - 2], WithUnit(p.qualityTotals[q], p));
    InBox(box, 790, rows[q - 2], Share(p.qualityShares[q]));
  }
  InBox(box, 220, 570, WithUnit(p.grandTotal, p));
  InBox(box, 690, 470, Q(p.crates));
  InBox(box, 690, 570, Q(p.pallets));
  InBox(box, 220, 670, Q(p.note));
  ValueLines(p, box);
  if (!p.cost) return;
  canvas_.Size(14);
  InBox(box, 20, 800, tr("Costo al Kg."));
  canvas_.Size(12);
  InBox(box, 220, 800,
        tr("L. %1   %2")
            .arg(i18n::FormatNumber(static_cast<double>(p.cost->amount), 0),
                 i18n::FormatNumber(p.cost->perKg, 3)));
}

// The value beside the cost line, the list's day and the classes without a
// price below them.
void PagePainter::ValueLines(const BatchPage& p, const QRect& box) {
  if (!p.value) return;
  const prices::BatchValue& v = p.value->value;
  canvas_.Size(14);
  InBox(box, 530, 800, tr("Valore:"));
  canvas_.Size(12);
  InBox(box, 650, 800, tr("%1   (%2 al Kg)").arg(MoneyText(v.value), v.perKg ? PriceAmountText(*v.perKg) : QStringLiteral("\u2014")));
  InBox(box, 20, 900, tr("Listino dal %1").arg(DayText(p.value->listFrom)));
  if (v.unpriced.empty()) return;
  QStringList names;
  for (const prices::PriceKey& k : v.unpriced)
    names << (k.IsReject() ? tr("Scarto") : tr("Q%1 C%2").arg(k.qualita).arg(k.classe));
  InBox(box, 350, 900, tr("Senza prezzo: %1").arg(names.join(", ")));
}

void PagePainter::DrawOne(const ProgramPage& p) {
  canvas_.Frame(grid_.Box(400, 50, 1000, 120));
  const QRect boxes[] = {grid_.Box(10, 160, 490, 500), grid_.Box(510, 160, 1000, 500), grid_.Box(10, 530, 490, 860),
                         grid_.Box(510, 530, 1000, 860)};
  for (const QRect& r : boxes) canvas_.Frame(r);
  Title(tr("STAMPA PROGRAMMA"), 400);
  canvas_.Size(14);
  At(10, 60, tr("Numero Programma:") + Q(p.number));
  At(420, 60, tr("Descrizione:"));
  canvas_.Text(grid_.X(420), grid_.Y(60) + canvas_.TextHeight(), Q(p.description));
  for (int q = 0; q < kQualities; ++q) {
    const QRect& box = boxes[q];
    canvas_.Size(14);
    BoxTitle(box, tr("Qualita %1").arg(q + 1));
    canvas_.Text(In(box.left(), box.width(), 20), box.top() + 1, tr("calibro"));
    canvas_.Text(In(box.left(), box.width(), 220), box.top() + 1, tr("Peso"));
    canvas_.Size(12);
    for (int c = 1; c <= kClasses; ++c) {
      canvas_.Text(In(box.left(), box.width(), 20), RowY(box, c), Q(p.names[std::size_t(q)][std::size_t(c - 1)]));
      canvas_.Text(In(box.left(), box.width(), 230), RowY(box, c), Q(p.ranges[std::size_t(q)][std::size_t(c - 1)]));
    }
  }
}

void PagePainter::DrawOne(const InstallationPage& p) {
  Title(tr("STAMPA INSTALLAZIONE"), 200);
  canvas_.Size(12);
  const QDateTime now = p.printed ? QDateTime(QDate(p.printed->year, p.printed->month, p.printed->day),
                                              QTime(p.printed->hour, p.printed->minute, p.printed->second))
                                  : QDateTime::currentDateTime();
  canvas_.Text(grid_.X(700), Top() + 1, tr("Data: ") + i18n::CurrentLocale().toString(now, QLocale::ShortFormat));
  canvas_.Size(14);
  At(10, 30, tr("Numero linee: ") + Q(p.lines));
  At(450, 30, tr("Numero tazze: ") + Q(p.cups));
  At(10, 60, tr("Ritardo Tara:") + Q(p.tareDelay));
  // In the words (and translation) of the installation window's "Tipo Tara".
  At(10, 90, tr("Tipo Tara:") + QCoreApplication::translate("kv7::installation::TInstallazione", p.tareType.c_str()));
  At(10, 110, tr("dir encoder:") + Q(p.encoderDirection));
  At(500, 110, tr("zero encoder:") + Q(p.encoderZero));
  // Two rows of three boxes, one per line, below the header texts.
  const int x[][2] = {{10, 320}, {340, 650}, {670, 1000}};
  const int y[][2] = {{200, 450}, {530, 780}};
  for (int n = 0; n < 6; ++n) {
    const QRect box = grid_.Box(x[n % 3][0], y[n / 3][0], x[n % 3][1], y[n / 3][1]);
    canvas_.Frame(box);
    canvas_.Size(14);
    BoxTitle(box, tr("Linea %1").arg(n + 1));
    const InstallationLine& l = p.line[std::size_t(n)];
    const QString texts[] = {tr("ini: ") + Q(l.encoderStart), tr("fine: ") + Q(l.encoderEnd),
                             tr("kappa:") + Q(l.kappa), tr("Qual: ") + Q(l.quality)};
    for (int i = 0; i < 4; ++i)
      canvas_.Text(In(box.left(), box.width(), 50), box.top() + out_.rowHeight / 2 + i * canvas_.TextHeight(),
                   texts[i]);
  }
}

void PagePainter::ProducerHeadings(int y) {
  canvas_.Size(14);
  canvas_.Text(grid_.X(10), y, tr("Codice"));
  canvas_.Text(grid_.X(200), y, tr("Descrizione"));
  canvas_.Size(12);
}

void PagePainter::DrawOne(const ProducerListPage& p) {
  Title(tr("STAMPA PRODUTTORI"), 400);
  int y = grid_.Y(30);
  ProducerHeadings(y);
  y += 2 * out_.rowHeight;
  for (const auto& [code, description] : p.producers) {
    if (y + out_.rowHeight > grid_.Area().bottom() && newPage_) {
      newPage_();
      ++out_.pages;
      MachineLine(p.machine);
      y = grid_.Area().top() + out_.rowHeight;
      ProducerHeadings(y);
      y += 2 * out_.rowHeight;
    }
    canvas_.Text(grid_.X(10), y, Q(code));
    canvas_.Text(grid_.X(200), y, Q(description));
    y += out_.rowHeight;
  }
}

// Columns of the statistics table, in tenths of the area's width.
constexpr int kStatsKey = 0, kStatsName = 70, kStatsBatches = 250, kStatsDeclared = 310, kStatsSampled = 400;
constexpr int kStatsShares[] = {510, 575, 640, 705, 770};
constexpr int kStatsValue = 840, kStatsPerKg = 930;

QString PagePainter::GroupHeading(const std::string& grouping) {
  if (grouping == "program") return tr("Programma");
  if (grouping == "machine") return tr("Macchina");
  if (grouping == "week") return tr("Settimana");
  return tr("Produttore");
}

void PagePainter::StatsHeadings(const StatsPage& p, int y) {
  canvas_.Size(10);
  const QString texts[] = {GroupHeading(p.grouping), tr("Nome"), tr("Bolle"), tr("Kg dich."), tr("Kg camp.")};
  const int x[] = {kStatsKey, kStatsName, kStatsBatches, kStatsDeclared, kStatsSampled};
  for (int i = 0; i < 5; ++i) canvas_.Text(grid_.X(x[i]), y, texts[i]);
  const QString shares[] = {tr("Q1 %"), tr("Q2 %"), tr("Q3 %"), tr("Q4 %"), tr("Scarto %")};
  for (int i = 0; i < 5; ++i) canvas_.Text(grid_.X(kStatsShares[i]), y, shares[i]);
  if (p.withValues) {
    canvas_.Text(grid_.X(kStatsValue), y, tr("Valore"));
    canvas_.Text(grid_.X(kStatsPerKg), y, tr("Valore/Kg"));
  }
  canvas_.Size(9);
}

void PagePainter::StatsRow(const StatsPage& p, const StatsLine& line, int y) {
  canvas_.Text(grid_.X(kStatsKey), y, Q(line.key));
  canvas_.Text(grid_.X(kStatsName), y, Q(line.label).left(24));
  canvas_.Text(grid_.X(kStatsBatches), y, i18n::FormatNumber(static_cast<double>(line.batches), 0));
  canvas_.Text(grid_.X(kStatsDeclared), y, i18n::FormatNumber(static_cast<double>(line.declaredKg), 0));
  canvas_.Text(grid_.X(kStatsSampled), y, i18n::FormatNumber(line.sampledKg, 1));
  for (std::size_t i = 0; i < 5; ++i) canvas_.Text(grid_.X(kStatsShares[i]), y, i18n::FormatNumber(line.shares[i], 2));
  if (!p.withValues) return;
  canvas_.Text(grid_.X(kStatsValue), y, AmountText({line.value, 2, {}}));
  canvas_.Text(grid_.X(kStatsPerKg), y, AmountText({line.valuePerKg, 3, {}}));
}

void PagePainter::DrawOne(const StatsPage& p) {
  Title(tr("STATISTICHE"), 400);
  canvas_.Size(12);
  const auto day = [](const std::optional<store::DbDateTime>& d) {
    return d ? i18n::CurrentLocale().toString(QDate(d->year, d->month, d->day), QLocale::ShortFormat) : QString();
  };
  At(10, 30, tr("Periodo: %1 - %2").arg(day(p.from), day(p.to)));
  if (!p.producer.empty()) At(600, 30, tr("Produttore: %1").arg(Q(p.producer)));
  int y = grid_.Y(60);
  StatsHeadings(p, y);
  y += 2 * out_.rowHeight;
  const auto room = [&] {
    if (y + out_.rowHeight <= grid_.Area().bottom() || !newPage_) return;
    newPage_();
    ++out_.pages;
    y = grid_.Area().top();
    StatsHeadings(p, y);
    y += 2 * out_.rowHeight;
  };
  for (const StatsLine& line : p.lines) {
    room();
    StatsRow(p, line, y);
    y += out_.rowHeight;
  }
  room();
  StatsLine total = p.total;
  total.key = tr("Totale").toStdString();
  StatsRow(p, total, y + out_.rowHeight / 2);
}

void PagePainter::StatementRow(int y, const std::array<QString, 10>& cells) {
  // Date, number, delivery note, declared kg, four qualities and the reject, value.
  static constexpr int x[] = {10, 140, 230, 340, 450, 530, 610, 690, 770, 870};
  for (std::size_t i = 0; i < cells.size(); ++i)
    if (!cells[i].isEmpty()) canvas_.Text(grid_.X(x[i]), y, cells[i]);
}

void PagePainter::StatementHeadings(int y) {
  canvas_.Size(12);
  StatementRow(y, {tr("Data"), tr("Num."), tr("Bolla"), tr("Kg dich."), tr("Q1 %"), tr("Q2 %"), tr("Q3 %"),
                   tr("Q4 %"), tr("Scarto %"), tr("Valore")});
}

void PagePainter::DrawOne(const SeasonStatementPage& p) {
  Title(tr("ESTRATTO CONTO STAGIONE"), 250);
  canvas_.Size(14);
  At(10, 30, tr("Cod. produttore: ") + Q(p.producerCode));
  At(350, 30, tr("Descrizione: ") + Q(p.producerName));
  At(10, 50, tr("Periodo: %1 - %2").arg(DayText(p.from), DayText(p.to)));
  int y = grid_.Y(80);
  StatementHeadings(y);
  y += 2 * out_.rowHeight;
  const auto share = [](double v) { return i18n::FormatNumber(v, 2); };
  const auto next = [&] {
    if (y + 3 * out_.rowHeight > grid_.Area().bottom() && newPage_) {
      newPage_();
      ++out_.pages;
      y = grid_.Area().top();
      StatementHeadings(y);
      y += 2 * out_.rowHeight;
    }
  };
  canvas_.Size(10);
  for (const StatementLine& l : p.lines) {
    next();
    canvas_.Size(10);
    StatementRow(y, {DayText(l.date), QString::number(l.num), Q(l.bolla),
                     i18n::FormatNumber(static_cast<double>(l.declaredKg), 0), share(l.shares[0]), share(l.shares[1]),
                     share(l.shares[2]), share(l.shares[3]), share(l.shares[4]),
                     l.value ? MoneyText(*l.value) : QStringLiteral("\u2014")});
    y += out_.rowHeight;
  }
  next();
  canvas_.Line(QLine(grid_.Area().left(), y, grid_.Area().right(), y));
  y += out_.rowHeight / 2;
  canvas_.Size(12);
  StatementRow(y, {tr("Totali"), QString::number(p.lines.size()), {},
                   i18n::FormatNumber(static_cast<double>(p.declaredKg), 0), share(p.shares[0]), share(p.shares[1]),
                   share(p.shares[2]), share(p.shares[3]), share(p.shares[4]), MoneyText(p.value)});
  y += out_.rowHeight;
  if (p.perKg) canvas_.Text(grid_.X(690), y, tr("%1 al Kg").arg(PriceAmountText(*p.perKg)));
}

}  // namespace

QString MoneyText(prices::Cents cents) {
  return i18n::FormatNumber(static_cast<double>(cents) / 100.0, 2);
}

QString PriceAmountText(prices::Price price) {
  return i18n::FormatNumber(static_cast<double>(price) / 10000.0, 4);
}

QString AmountText(const Amount& a) {
  if (!a.text.empty()) return Q(a.text);
  if (!a.value) return QStringLiteral("\u2014");
  return i18n::FormatNumber(*a.value, a.decimals);
}

DrawnPage DrawPage(QPainter& painter, QSize pageTwips, const Page& page, const i18n::PrintSettings& font,
                   const std::function<void()>& newPage) {
  painter.setWindow(QRect(QPoint(0, 0), pageTwips));
  painter.setPen(QPen(Qt::black, 10));
  painter.setBrush(Qt::NoBrush);
  return PagePainter(painter, pageTwips, font, newPage).Draw(page);
}

DrawnPage DrawOnDevice(QPagedPaintDevice& device, const Page& page, const i18n::PrintSettings& font) {
  const QSizeF points = device.pageLayout().fullRectPoints().size();
  const QSize twips(qRound(points.width() * kTwipsPerPoint), qRound(points.height() * kTwipsPerPoint));
  QPainter painter(&device);
  painter.setViewport(QRect(0, 0, device.width(), device.height()));
  return DrawPage(painter, twips, page, font, [&device] { device.newPage(); });
}

}  // namespace kv7::reports
