#include "ui/TErr_map.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/MessageCatalogue.h"

namespace kv7::ui {
namespace {

// The map shows what the station reported; the operator cannot change it.
class ReportBox : public QCheckBox {
 public:
  using QCheckBox::QCheckBox;

 protected:
  bool hitButton(const QPoint&) const override { return false; }
};

}  // namespace

TErr_map::TErr_map(QWidget* parent) : QDialog(parent) {
  setObjectName("TErr_map");
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  group_ = new QGroupBox(this);
  group_->setObjectName("GroupBox1");
  groupLayout_ = new QVBoxLayout(group_);
  layout->addWidget(group_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->setObjectName("Buttons");
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(buttons->button(QDialogButtonBox::Close), &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(buttons);
  QFont f = font();
  f.setPointSizeF(f.pointSizeF() * 1.25);
  setFont(f);
  RetranslateUi();
}

// The station's texts are catalogue messages of the reject link.
void TErr_map::RetranslateUi() {
  setWindowTitle(tr("Mappa errori SRD12"));
  group_->setTitle(i18n::TranslateMessage("Errori Centralina Scarti"));
  for (std::size_t i = 0; i < boxes_.size() && i < entries_.size(); ++i) {
    const Entry& e = entries_[i];
    boxes_[i].second->setText(QString("%1  %2")
                                  .arg(e.code, 2, 10, QChar('0'))
                                  .arg(i18n::TranslateMessage(QString::fromStdString(e.text))));
  }
}

void TErr_map::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(event);
}

void TErr_map::SetEntries(const std::vector<Entry>& entries) {
  for (auto& [code, box] : boxes_) delete box;
  boxes_.clear();
  entries_ = entries;
  for (const Entry& e : entries) {
    auto* box = new ReportBox(group_);
    box->setObjectName(QString("Err%1").arg(e.code, 2, 10, QChar('0')));
    box->setChecked(e.set);
    box->setFocusPolicy(Qt::NoFocus);
    groupLayout_->addWidget(box);
    boxes_.emplace_back(e.code, box);
  }
  RetranslateUi();
}

void TErr_map::SetEntries(const std::vector<std::pair<int, std::string>>& table,
                          const std::bitset<100>& flags) {
  std::vector<Entry> entries;
  entries.reserve(table.size());
  for (const auto& [code, text] : table) {
    const bool set = code >= 0 && code < 100 && flags.test(static_cast<std::size_t>(code));
    entries.push_back({code, text, set});
  }
  SetEntries(entries);
}

QCheckBox* TErr_map::Box(int code) const {
  for (const auto& [c, box] : boxes_) {
    if (c == code) return box;
  }
  return nullptr;
}

}  // namespace kv7::ui
