#include "installation/TInstallazione.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "reports/PageData.h"
#include "reports/PageOutput.h"

namespace kv7::installation {
namespace {

// Magnet types: the two the board always takes, then the three-step ones.
const char* const kMagnetTypes[] = {QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "variabile"),
                                    QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "100%"),
                                    QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "60% /3 Passi"),
                                    QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "100% /3 Passi")};
const char* const kTareTypes[] = {QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA/LINEA"),
                                  QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA/TAZZA"),
                                  QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA INC.(1gr)"),
                                  QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA INC.(2gr)"),
                                  QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA INC.(3gr)"),
                                  QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA INC.(4gr)"),
                                  QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA INC.(5gr)"),
                                  QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "TARA INC.(6gr)")};
constexpr int kQualities = 5;
// Field names the save's messages use that no shown label carries (the
// outlet distances are hidden), listed so they are translated too.
[[maybe_unused]] const char* const kHiddenFieldNames[] = {
    QT_TRANSLATE_NOOP("kv7::installation::TInstallazione", "Distanza Uscite")};

// A source text held in a variable, in this window's context.
QString Tr(const char* source) { return QCoreApplication::translate("kv7::installation::TInstallazione", source); }

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QLineEdit* e) { return e->text().toStdString(); }

QLineEdit* Edit(const QString& name, QWidget* parent) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaximumWidth(70);
  return e;
}

QComboBox* Combo(const QString& name, QWidget* parent) {
  auto* c = new QComboBox(parent);
  c->setObjectName(name);
  return c;
}

// Selects the entry whose source text (item data) is `entry`; keeps the
// selection when there is none.
void SelectEntry(QComboBox* c, const std::string& entry) {
  const int i = c->findData(Q(entry));
  if (i >= 0) c->setCurrentIndex(i);
}

}  // namespace

TInstallazione::TInstallazione(QWidget* parent) : QDialog(parent) {
  setObjectName("TInstallazione");
  setModal(true);
  Build();
  RetranslateUi();
}

void TInstallazione::Build() {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  top->addWidget(BuildPorts());
  top->addWidget(BuildMachine());
  top->addWidget(BuildTare());
  layout->addLayout(top);
  layout->addWidget(BuildLines());
  layout->addWidget(BuildPasswords());
  auto* buttons = new QHBoxLayout;
  stampa_ = new QPushButton(this);
  stampa_->setObjectName("Button2");
  stampa_->setAutoDefault(false);
  connect(stampa_, &QPushButton::clicked, this, &TInstallazione::Print);
  salva_ = new QPushButton(this);
  salva_->setObjectName("Button1");
  salva_->setDefault(true);
  connect(salva_, &QPushButton::clicked, this, &TInstallazione::Save);
  buttons->addWidget(stampa_);
  buttons->addStretch();
  buttons->addWidget(salva_);
  layout->addLayout(buttons);
}

QGroupBox* TInstallazione::BuildPorts() {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  const char* captions[] = {QT_TR_NOOP("Seriale Centralina"), QT_TR_NOOP("Seriale S. Barcode"),
                            QT_TR_NOOP("Seriale S. Scarti")};
  for (int i = 0; i < 3; ++i) {
    comSel_[static_cast<std::size_t>(i)] = Combo(QString("ComSel%1").arg(i + 1), box);
    auto* label = new QLabel(box);
    label->setBuddy(comSel_[static_cast<std::size_t>(i)]);
    labels_.emplace_back(label, captions[i]);
    grid->addWidget(label, i, 0);
    grid->addWidget(comSel_[static_cast<std::size_t>(i)], i, 1);
  }
  barcodeEnab_ = new QCheckBox(box);
  barcodeEnab_->setObjectName("BarcodeEnab");
  scartiEnab_ = new QCheckBox(box);
  scartiEnab_->setObjectName("ScartiEnab");
  labels_.emplace_back(barcodeEnab_, QT_TR_NOOP("Abilita"));
  labels_.emplace_back(scartiEnab_, QT_TR_NOOP("Abilita"));
  grid->addWidget(barcodeEnab_, 1, 2);
  grid->addWidget(scartiEnab_, 2, 2);
  labels_.emplace_back(box, QT_TR_NOOP("Seriali"));
  return box;
}

QGroupBox* TInstallazione::BuildMachine() {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  int row = 0;
  auto add = [&](const char* caption, QWidget* w, bool visible = true) {
    auto* label = new QLabel(box);
    label->setBuddy(w);
    labels_.emplace_back(label, caption);
    grid->addWidget(label, row, 0);
    grid->addWidget(w, row++, 1);
    label->setVisible(visible);
    w->setVisible(visible);
  };
  lineeSel1_ = Combo("LineeSel1", box);
  for (int n = 1; n <= store::kLines; ++n) lineeSel1_->addItem(QString::number(n));
  add(QT_TR_NOOP("Numero linee"), lineeSel1_);
  usciteSel2_ = Edit("UsciteSel2", box);
  add(QT_TR_NOOP("Numero Uscite"), usciteSel2_, false);
  numTazze1_ = Edit("NumTazze1", box);
  add(QT_TR_NOOP("Numero Tazze/L."), numTazze1_);
  tipoAttivMagn1_ = Combo("TipoAttivMagn1", box);
  for (int i = 0; i < 2; ++i) tipoAttivMagn1_->addItem(QString(), i);
  add(QT_TR_NOOP("Tipo attiv. Magn."), tipoAttivMagn1_, false);
  durataMagn_ = Edit("DurataMagn", box);
  add(QT_TR_NOOP("Durata Att."), durataMagn_, false);
  apertura_ = Edit("Apertura", box);
  add(QT_TR_NOOP("Apertura Magneti"), apertura_, false);
  faseZero_ = Edit("FaseZero", box);
  add(QT_TR_NOOP("Fase Zero Encoder"), faseZero_);
  speedButton1_ = new QToolButton(box);
  speedButton1_->setObjectName("SpeedButton1");
  speedButton1_->setFocusPolicy(Qt::StrongFocus);
  connect(speedButton1_, &QToolButton::clicked, this, [this] {
    rotation_ = rotation_ == 0 ? 1 : 0;
    ShowRotation();
  });
  add(QT_TR_NOOP("verso rotazione encoder"), speedButton1_);
  numMacchina_ = new QSpinBox(box);
  numMacchina_->setObjectName("NumMacchina");
  numMacchina_->setRange(store::kFirstMachine, store::kLastMachine);
  add(QT_TR_NOOP("Numero Macchina"), numMacchina_);
  // The outlets' distances are the board's business on these machines: kept, not shown.
  for (int n = 1; n <= store::kOutlets; ++n) {
    dist_[static_cast<std::size_t>(n - 1)] = Edit(QString("Dist%1").arg(n), box);
    dist_[static_cast<std::size_t>(n - 1)]->setVisible(false);
  }
  labels_.emplace_back(box, QT_TR_NOOP("Macchina"));
  return box;
}

QGroupBox* TInstallazione::BuildLines() {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  const char* heads[] = {QT_TR_NOOP("Lettura I/F"), QT_TR_NOOP("K-peso"), QT_TR_NOOP("Qualita linee")};
  for (int c = 0; c < 3; ++c) {
    auto* head = new QLabel(box);
    labels_.emplace_back(head, heads[c]);
    grid->addWidget(head, 0, c == 0 ? 1 : c + 2);
  }
  const QString qualityNames[] = {"comboq1", "Comboq2", "ComboQ3", "ComboQ4", "ComboQ5", "ComboQ6"};
  for (int n = 1; n <= store::kLines; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    auto* label = new QLabel(box);
    label->setObjectName(QString("Linea%1").arg(n));
    grid->addWidget(label, n, 0);
    ini_[i] = Edit(QString("Ini%1").arg(n), box);
    fin_[i] = Edit(QString("Fin%1").arg(n), box);
    kappa_[i] = Edit(QString("Kappa%1").arg(n), box);
    quality_[i] = Combo(qualityNames[i], box);
    for (int q = 0; q < kQualities; ++q) quality_[i]->addItem(QString());
    label->setBuddy(ini_[i]);
    grid->addWidget(ini_[i], n, 1);
    grid->addWidget(fin_[i], n, 2);
    grid->addWidget(kappa_[i], n, 3);
    grid->addWidget(quality_[i], n, 4);
  }
  return box;
}

QGroupBox* TInstallazione::BuildTare() {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  int row = 0;
  auto add = [&](const char* caption, QWidget* w) {
    auto* label = new QLabel(box);
    label->setBuddy(w);
    labels_.emplace_back(label, caption);
    grid->addWidget(label, row, 0);
    grid->addWidget(w, row++, 1);
  };
  rittara_ = Edit("rittara", box);
  add(QT_TR_NOOP("Rit. Tara"), rittara_);
  tiptara_ = Combo("tiptara", box);
  for (std::size_t i = 0; i < std::size(kTareTypes); ++i) tiptara_->addItem(QString());
  add(QT_TR_NOOP("Tipo Tara"), tiptara_);
  distfc_ = Edit("distfc", box);
  add(QT_TR_NOOP("Dist. FC"), distfc_);
  pgest_ = Edit("pgest", box);
  add(QT_TR_NOOP("Durata FC"), pgest_);
  ritfc_ = Edit("ritfc", box);
  add(QT_TR_NOOP("ritardo FC"), ritfc_);
  labels_.emplace_back(box, QT_TR_NOOP("Tara e fine campione"));
  return box;
}

QGroupBox* TInstallazione::BuildPasswords() {
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  const char* names[] = {"NuovaPassword", "RipetiPassword", "NuovaPasswordAzzeramenti", "RipetiPasswordAzzeramenti"};
  const char* captions[] = {QT_TR_NOOP("Nuova password servizio"), QT_TR_NOOP("Ripeti"),
                            QT_TR_NOOP("Nuova password azzeramenti"), QT_TR_NOOP("Ripeti")};
  for (std::size_t i = 0; i < passwords_.size(); ++i) {
    passwords_[i] = new QLineEdit(box);
    passwords_[i]->setObjectName(names[i]);
    passwords_[i]->setEchoMode(QLineEdit::Password);
    auto* label = new QLabel(box);
    label->setBuddy(passwords_[i]);
    labels_.emplace_back(label, captions[i]);
    const int row = static_cast<int>(i / 2), column = static_cast<int>(i % 2) * 2;
    grid->addWidget(label, row, column);
    grid->addWidget(passwords_[i], row, column + 1);
  }
  labels_.emplace_back(box, QT_TR_NOOP("Password (vuote: restano quelle in uso)"));
  return box;
}

void TInstallazione::RetranslateUi() {
  setWindowTitle(tr("Installazione"));
  for (auto& [widget, source] : labels_) {
    const QString text = Tr(source);
    if (auto* l = qobject_cast<QLabel*>(widget)) l->setText(text);
    if (auto* b = qobject_cast<QCheckBox*>(widget)) b->setText(text);
    if (auto* g = qobject_cast<QGroupBox*>(widget)) g->setTitle(text);
  }
  for (int n = 1; n <= store::kLines; ++n) {
    findChild<QLabel*>(QString("Linea%1").arg(n))->setText(tr("Linea %1").arg(n));
    for (int q = 0; q < kQualities; ++q)
      quality_[static_cast<std::size_t>(n - 1)]->setItemText(q, tr("Qualità%1").arg(q + 1));
  }
  for (QComboBox* c : comSel_)
    if (c->count() > 0) c->setItemText(0, tr("non abilitata"));
  for (int i = 0; i < tipoAttivMagn1_->count(); ++i) tipoAttivMagn1_->setItemText(i, Tr(kMagnetTypes[i]));
  for (int i = 0; i < tiptara_->count(); ++i) tiptara_->setItemText(i, Tr(kTareTypes[i]));
  stampa_->setText(tr("Stampa"));
  salva_->setText(tr("Salva"));
  ShowRotation();
}

void TInstallazione::ShowRotation() {
  const QString picture = rotation_ == 0 ? "encleft.bmp" : "encrigth.bmp";
  if (QFile::exists(picture)) {
    speedButton1_->setIcon(QIcon(picture));
    speedButton1_->setText(QString());
  } else {
    speedButton1_->setIcon(QIcon());
    speedButton1_->setText(rotation_ == 0 ? tr("◄ sinistra") : tr("destra ►"));
  }
}

void TInstallazione::Fill(const InstallationForm& f, const std::vector<int>& ports, bool threeStepEntries,
                          const store::Configuration& config, bool preview) {
  const int configured[] = {config.porta_com, config.porta_aux, config.porta_scarti};
  for (std::size_t i = 0; i < comSel_.size(); ++i) {
    const QString kept = comSel_[i]->currentData().toString();
    comSel_[i]->clear();
    for (const auto& entry : PortEntries(ports, configured[i])) comSel_[i]->addItem(Q(entry), Q(entry));
    SelectEntry(comSel_[i], kept.toStdString());
    SelectEntry(comSel_[i], f.ports[i]);
  }
  if (threeStepEntries && tipoAttivMagn1_->count() == 2)
    for (int i = 2; i < 4; ++i) tipoAttivMagn1_->addItem(QString(), i);
  RetranslateUi();
  barcodeEnab_->setChecked(f.barcodeEnab);
  scartiEnab_->setChecked(f.scartiEnab);
  lineeSel1_->setCurrentIndex(lineeSel1_->findText(Q(f.lines)));
  usciteSel2_->setText(Q(f.outlets));
  numTazze1_->setText(Q(f.cups));
  tipoAttivMagn1_->setCurrentIndex(f.magnetType < tipoAttivMagn1_->count() ? f.magnetType : -1);
  durataMagn_->setText(Q(f.magnetTime));
  for (std::size_t i = 0; i < dist_.size(); ++i) dist_[i]->setText(Q(f.outletDistance[i]));
  faseZero_->setText(Q(f.encoderZero));
  for (std::size_t i = 0; i < ini_.size(); ++i) {
    ini_[i]->setText(Q(f.windowStart[i]));
    fin_[i]->setText(Q(f.windowEnd[i]));
    kappa_[i]->setText(Q(f.kappa[i]));
    quality_[i]->setCurrentIndex(f.quality[i]);
  }
  apertura_->setText(Q(f.magnetOpening));
  rotation_ = f.rotation;
  ShowRotation();
  rittara_->setText(Q(f.tareDelay));
  tiptara_->setCurrentIndex(f.tareType);
  distfc_->setText(Q(f.photocellDistance));
  pgest_->setText(Q(f.photocellDuration));
  ritfc_->setText(Q(f.photocellDelay));
  for (QLineEdit* e : passwords_) e->clear();
  numMacchina_->setValue(f.machine);
  config_ = config;
  preview_ = preview;
  comSel_[0]->setFocus();
}

InstallationForm TInstallazione::Form() const {
  InstallationForm f;
  for (std::size_t i = 0; i < comSel_.size(); ++i) f.ports[i] = comSel_[i]->currentData().toString().toStdString();
  f.barcodeEnab = barcodeEnab_->isChecked();
  f.scartiEnab = scartiEnab_->isChecked();
  f.lines = lineeSel1_->currentText().toStdString();
  f.outlets = S(usciteSel2_);
  f.cups = S(numTazze1_);
  f.magnetType = tipoAttivMagn1_->currentIndex();
  f.magnetTime = S(durataMagn_);
  for (std::size_t i = 0; i < dist_.size(); ++i) f.outletDistance[i] = S(dist_[i]);
  f.encoderZero = S(faseZero_);
  for (std::size_t i = 0; i < ini_.size(); ++i) {
    f.windowStart[i] = S(ini_[i]);
    f.windowEnd[i] = S(fin_[i]);
    f.kappa[i] = S(kappa_[i]);
    f.quality[i] = quality_[i]->currentIndex();
  }
  f.magnetOpening = S(apertura_);
  f.rotation = rotation_;
  f.tareDelay = S(rittara_);
  f.tareType = tiptara_->currentIndex();
  f.photocellDistance = S(distfc_);
  f.photocellDuration = S(pgest_);
  f.photocellDelay = S(ritfc_);
  f.servicePassword = S(passwords_[0]);
  f.servicePasswordAgain = S(passwords_[1]);
  f.resetPassword = S(passwords_[2]);
  f.resetPasswordAgain = S(passwords_[3]);
  f.machine = numMacchina_->value();
  return f;
}

void TInstallazione::Closing() {
  while (tipoAttivMagn1_->count() > 2) tipoAttivMagn1_->removeItem(tipoAttivMagn1_->count() - 1);
}

void TInstallazione::Save() {
  if (!NewPasswordsMatch(Form())) {
    QMessageBox::warning(this, windowTitle(), tr("La nuova password non è stata scritta uguale due volte."));
    return;
  }
  const auto bad = FirstBadNumber(Form());
  if (!bad) {
    accept();
    return;
  }
  QString field = Tr(bad->caption.c_str());
  if (bad->index > 0) field += " " + QString::number(bad->index);
  const QString text =
      bad->largest > 0
          ? tr("Il campo \"%1\" deve contenere un numero da 0 a %2: la centralina non ne riceve altri.")
                .arg(field)
                .arg(bad->largest)
          : tr("Il campo \"%1\" deve contenere un numero intero.").arg(field);
  QMessageBox::warning(this, windowTitle(), text);
}

void TInstallazione::Print() {
  store::Configuration shown = config_;
  TakeForm(Form(), shown, false);
  const reports::Page page = reports::MakeInstallationPage(shown);
  const auto font = i18n::PrintSettings::FromConfiguration(config_);
  if (preview_) {
    reports::TPrint_boll preview(this);
    preview.Preview(page, font);
    return;
  }
  std::string error;
  if (!reports::PrintPage(this, page, font, std::filesystem::current_path(), &error) && !error.empty())
    QMessageBox::warning(this, windowTitle(),
                         QCoreApplication::translate("kv7::reports::TPrint_boll", "File PDF non scritto: %1")
                             .arg(QString::fromStdString(error)));
}

void TInstallazione::changeEvent(QEvent* e) {
  if (e->type() == QEvent::LanguageChange) RetranslateUi();
  QDialog::changeEvent(e);
}

}  // namespace kv7::installation
