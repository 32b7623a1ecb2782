#pragma once
// "Installazione": ports, lines, cups, encoder windows, weighing constants,
// line qualities, tare and end-of-sample parameters. Filled from an
// InstallationForm, returns one on "Salva" (Enter); Escape cancels. A text
// that must be a whole number and is not is named and the window stays open.
// "Stampa" prints the installation page with the window's values. New
// service and reset passwords are typed twice; empty fields keep them.

#include <QDialog>

#include <array>
#include <vector>

#include "installation/InstallationRules.h"
#include "store/Configuration.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QToolButton;

namespace kv7::installation {

class TInstallazione : public QDialog {
  Q_OBJECT
 public:
  explicit TInstallazione(QWidget* parent = nullptr);

  // `ports`: the port numbers present; `threeStepEntries`: the board takes the
  // two three-step magnet types, whose entries are added until Closing().
  // `config` is what "Stampa" prints the window's values over; `preview`
  // the console's "Preview stampa".
  void Fill(const InstallationForm& form, const std::vector<int>& ports, bool threeStepEntries,
            const store::Configuration& config, bool preview);
  InstallationForm Form() const;
  // After the window closed: the added magnet entries go again.
  void Closing();

  QComboBox* ComSel(int selector) const { return comSel_.at(static_cast<std::size_t>(selector)); }
  QComboBox* LineeSel1() const { return lineeSel1_; }
  QComboBox* tiptara() const { return tiptara_; }
  QComboBox* TipoAttivMagn1() const { return tipoAttivMagn1_; }
  QLineEdit* pgest() const { return pgest_; }
  QLineEdit* ritfc() const { return ritfc_; }
  QSpinBox* NumMacchina() const { return numMacchina_; }
  QPushButton* Salva() const { return salva_; }
  // New service password, again, new reset password, again.
  QLineEdit* NewPassword(int i) const { return passwords_.at(static_cast<std::size_t>(i)); }

 protected:
  void changeEvent(QEvent* e) override;

 private:
  void Build();
  QGroupBox* BuildPorts();
  QGroupBox* BuildMachine();
  QGroupBox* BuildLines();
  QGroupBox* BuildTare();
  QGroupBox* BuildPasswords();
  void RetranslateUi();
  void ShowRotation();
  void Save();
  void Print();

  std::array<QComboBox*, 3> comSel_{};
  QCheckBox* barcodeEnab_;
  QCheckBox* scartiEnab_;
  QComboBox* lineeSel1_;
  QLineEdit* usciteSel2_;
  QLineEdit* numTazze1_;
  QComboBox* tipoAttivMagn1_;
  QLineEdit* durataMagn_;
  std::array<QLineEdit*, store::kOutlets> dist_{};
  QLineEdit* faseZero_;
  std::array<QLineEdit*, store::kLines> ini_{}, fin_{}, kappa_{};
  QLineEdit* apertura_;
  std::array<QComboBox*, store::kLines> quality_{};
  QToolButton* speedButton1_;
  QSpinBox* numMacchina_;
  QLineEdit* rittara_;
  QComboBox* tiptara_;
  QLineEdit* distfc_;
  QLineEdit* pgest_;
  QLineEdit* ritfc_;
  std::array<QLineEdit*, 4> passwords_{};
  QPushButton* salva_;
  QPushButton* stampa_;
  int rotation_ = 0;
  bool preview_ = false;
  store::Configuration config_;
  std::vector<std::pair<QWidget*, const char*>> labels_;  // captions to translate
};

}  // namespace kv7::installation
