#include "programs/TParProg.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kv7::programs {
namespace {

// The refresh interval shows two digits.
class TwoDigitSpin : public QSpinBox {
 public:
  using QSpinBox::QSpinBox;

 protected:
  QString textFromValue(int v) const override { return QString("%1").arg(v, 2, 10, QChar('0')); }
};

QCheckBox* Check(const char* name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QSpinBox* Spin(QSpinBox* spin, const QString& name, int max) {
  spin->setObjectName(name);
  spin->setRange(0, max);
  return spin;
}

QFont ToQFont(const PrintFont& f) {
  QFont font(QString::fromStdString(f.name), f.size);
  font.setBold(f.bold);
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeout);
  return font;
}

PrintFont FromQFont(const QFont& font) {
  return PrintFont{font.family().toStdString(),
                   font.pointSize(),
                   font.bold(),
                   font.italic(),
                   font.underline(),
                   font.strikeOut()};
}

}  // namespace

TParProg::TParProg(QWidget* parent) : QDialog(parent) {
  setObjectName("TParProg");
  setWindowTitle(tr("Parametri  Programma"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);

  archiviazione_ = Check("Archiviazione", tr("Archiviazione"), this);
  stampaBolla_ = Check("StampaBolla", tr("Stampa Bolla"), this);
  copiaPdf_ = Check("CopiaPdf", tr("Copia PDF della bolla"), this);
  txRemoto_ = Check("TxRemoto", tr("Trasmis. al remoto"), this);
  stpGrammi_ = Check("StpGrammi", tr("Stampa grammature"), this);
  finePartita_ = Check("FinePartita", tr("Fine Partita Autom."), this);
  for (QCheckBox* b : {archiviazione_, stampaBolla_, copiaPdf_, txRemoto_, stpGrammi_, finePartita_})
    layout->addWidget(b);

  auto* form = new QFormLayout;
  totaliSmb1_ = new QComboBox(this);
  totaliSmb1_->setObjectName("TotaliSmb1");
  totaliSmb1_->addItems({tr("grammi"), tr("Kilogrammi")});
  form->addRow(tr("Totali espressi in"), totaliSmb1_);
  numCopie_ = new QComboBox(this);
  numCopie_->setObjectName("NumCopie");
  for (int i = 1; i <= 9; ++i) numCopie_->addItem(QString::number(i));
  form->addRow(tr("Numero Copie Bolle"), numCopie_);
  auto* dir = new QHBoxLayout;
  direxp_ = new QLineEdit(this);
  direxp_->setObjectName("direxp");
  auto* browse = new QPushButton(tr("Sfoglia.."), this);
  browse->setObjectName("BitBtn1");
  connect(browse, &QPushButton::clicked, this, &TParProg::Browse);
  dir->addWidget(direxp_);
  dir->addWidget(browse);
  form->addRow(tr("Directory esp-AS400"), dir);
  upDown1_ = Spin(new TwoDigitSpin(this), "UpDown1", kMaxRefreshSeconds);
  connect(upDown1_, &QSpinBox::valueChanged, this, &TParProg::refreshIntervalChanged);
  form->addRow(tr("Auto Rinfresco Totali"), upDown1_);
  layout->addLayout(form);

  auto* limits = new QGroupBox(tr("Avviso limite Percentuale raggiunta"), this);
  auto* limitForm = new QFormLayout(limits);
  for (int q = 2; q <= 5; ++q) {
    auto& spin = upDownQ_[static_cast<std::size_t>(q - 2)];
    spin = Spin(new QSpinBox(limits), QString("UpDownQ%1").arg(q), kMaxPercentLimit);
    limitForm->addRow(tr("Limite Perc. Q%1").arg(q), spin);
  }
  layout->addWidget(limits);

  auto* buttons = new QHBoxLayout;
  auto* fontButton = new QPushButton(tr("Font Stampe"), this);
  fontButton->setObjectName("Button2");
  connect(fontButton, &QPushButton::clicked, this, &TParProg::ChooseFont);
  auto* save = new QPushButton(tr("Salva"), this);
  save->setObjectName("Button1");
  save->setDefault(true);
  connect(save, &QPushButton::clicked, this, &QDialog::accept);
  buttons->addWidget(fontButton);
  buttons->addStretch();
  buttons->addWidget(save);
  layout->addLayout(buttons);
}

void TParProg::SetParameters(const ProgramParameters& p) {
  archiviazione_->setChecked(p.archiviazione);
  stampaBolla_->setChecked(p.stampa);
  copiaPdf_->setChecked(p.copiaPdf);
  txRemoto_->setChecked(p.txremoto);
  stpGrammi_->setChecked(p.stampagrammi);
  finePartita_->setChecked(p.fine_part_auto);
  totaliSmb1_->setCurrentIndex(p.totaliGrammi ? 0 : 1);
  numCopie_->setCurrentIndex(std::clamp(p.ncopie, 0, 8));
  direxp_->setText(QString::fromStdString(p.direxp));
  for (std::size_t i = 0; i < upDownQ_.size(); ++i) upDownQ_[i]->setValue(p.limpercq[i]);
  const QSignalBlocker quiet(upDown1_);
  upDown1_->setValue(p.refreshSeconds);
  font_ = p.reportFont;
}

ProgramParameters TParProg::Parameters() const {
  ProgramParameters p;
  p.archiviazione = archiviazione_->isChecked();
  p.stampa = stampaBolla_->isChecked();
  p.copiaPdf = copiaPdf_->isChecked();
  p.txremoto = txRemoto_->isChecked();
  p.stampagrammi = stpGrammi_->isChecked();
  p.fine_part_auto = finePartita_->isChecked();
  p.totaliGrammi = totaliSmb1_->currentIndex() == 0;
  p.ncopie = numCopie_->currentIndex();
  p.direxp = direxp_->text().toStdString();
  for (std::size_t i = 0; i < upDownQ_.size(); ++i) p.limpercq[i] = upDownQ_[i]->value();
  p.refreshSeconds = upDown1_->value();
  p.reportFont = font_;
  return p;
}

QString TParProg::FolderOf(const QString& file) {
  QString folder = QDir::toNativeSeparators(QFileInfo(file).absolutePath());
  while (folder.size() > 1 && folder.endsWith(QDir::separator())) folder.chop(1);
  return folder;
}

void TParProg::Browse() {
  const QString file = QFileDialog::getSaveFileName(this, tr("Directory esp-AS400"), direxp_->text());
  if (!file.isEmpty()) direxp_->setText(FolderOf(file));
}

void TParProg::ChooseFont() {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font_), this, tr("Font Stampe"));
  if (ok) font_ = FromQFont(chosen);
}

}  // namespace kv7::programs
