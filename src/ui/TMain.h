#pragma once
// The operator's console "KV7 Campionatrice": the class grid of every
// quality, the quality totals, the batch entry fields, the barcode memo, the
// status bar and the full menu. A view only: the supervisor fills it through
// the accessors below and reacts to its signals.

#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <QString>

#include <array>
#include <optional>

#include "i18n/PrintFont.h"
#include "supervisor/TotalsView.h"

class QAction;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QStatusBar;
class QTabWidget;
class QTimer;
class QToolButton;

namespace kv7::ui {

class TotalsChart;

class TMain : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kClasses = 15;   // classes 1..15
  static constexpr int kQualities = 4;  // qualities 1..4 on the pages; 5 is the reject
  static constexpr int kPanels = 6;     // status panels 0..5 (5: batches waiting, hidden while empty)
  static constexpr int kUnitLabels = 66;

  explicit TMain(QWidget* parent = nullptr);
  ~TMain() override;

  // ---- Named controls (nullptr for an index out of range) ----
  // Class c = 1..15 of quality q = 1..4.
  QLabel* NomeCal(int c, int q) const;
  QLabel* PesoCal(int c, int q) const;
  QLabel* TotC(int c, int q) const;
  QLabel* TotP(int c, int q) const;
  // unit1..unit66: unit (q-1)*15+c beside TotC c of quality q, unit61..unit65
  // beside LavoratoQ1..LavoratoQ5, unit66 beside TotaleG.
  QLabel* Unit(int n) const;
  QLabel* LavoratoQ(int q) const;   // q = 1..5
  QLabel* LavoratoPQ(int q) const;  // q = 1..5
  QLabel* TotaleG() const { return totaleG_; }
  QLabel* Production() const { return production_; }
  QLabel* Costo() const { return costo_; }
  QLabel* LavorPrec() const { return lavorPrec_; }
  QLabel* Label53() const { return label53_; }
  QLabel* Label55() const { return label55_; }
  QLineEdit* numBolla() const { return numBolla_; }
  QLineEdit* totPartita() const { return totPartita_; }
  QLineEdit* numtazza() const { return numtazza_; }
  QLineEdit* tazzebad() const { return tazzebad_; }
  QPlainTextEdit* Memo1() const { return memo1_; }
  QLabel* Image1() const { return image1_; }
  QLabel* CompanyHeader() const { return companyHeader_; }
  QToolButton* Image2() const { return image2_; }
  QCheckBox* CheckStpTotP() const { return checkStpTotP_; }
  QCheckBox* CheckPreview() const { return checkPreview_; }
  QTabWidget* PageControl1() const { return pageControl1_; }
  QStatusBar* StatusBar1() const { return statusBar1_; }
  QLabel* StatusPanel(int i) const;
  // Menu entries and menus by their names ("Partita1", "Lavorazione").
  QAction* Action(const QString& name) const;
  QMenu* Menu(const QString& name) const;
  QStringList ActionNames() const;

  // ---- Operations for the supervisor ----
  // Texts from the supervisor are Italian sources: the window shows them in
  // the language in force and again after every switch.
  void SetStatusPanel(int i, const QString& text);
  QString StatusPanelText(int i) const;
  void SetStatusPanelAlignment(int i, Qt::Alignment alignment);

  // Enables the menus "Lavorazione" and "Assistenza1" and lets F2, F6, F7,
  // F8 and F9 through; F1 and F3 work with the board off too.
  void SetControllerOn(bool on);
  bool ControllerOn() const { return controllerOn_; }

  // A menu entry whose command exists. Entries of commands not built yet stay
  // disabled whatever SetEnabledByName says; see the entry table.
  void SetEntryAvailable(const QString& name, bool available);
  bool EntryAvailable(const QString& name) const;

  // By system name: menus, menu entries and the named controls. False when
  // no such name exists (or, for SetTextByName, it carries no text).
  bool SetEnabledByName(const QString& name, bool enabled);
  bool SetVisibleByName(const QString& name, bool visible);
  bool SetTextByName(const QString& name, const QString& text);
  QWidget* NamedWidget(const QString& name) const;

  // Empties the class name, range, total and share cells and the quality and
  // grand totals.
  void ClearTotals();
  // Every totals cell, production and cost from one request; the chart
  // follows. Figures are written in the language in force.
  void ShowTotals(const supervisor::TotalsView& view);
  // F7's cost line, until the next totals.
  void ShowCostPerKg(const supervisor::TotalsView::Cost& cost);
  // A cell's text: the language's decimal mark, right-aligned in its width.
  static QString FigureText(const supervisor::Figure& f);
  // The bar chart of the quality page shown.
  TotalsChart* Chart() const { return chart_; }
  // "gr" when true, "Kg" otherwise, on unit1..unit66.
  void SetUnits(bool grams);
  // The customer logo in Image1, scaled to fit; a null image clears it.
  void SetLogo(const QImage& logo);
  // The quality alarm picture Image2.
  void ShowQualityAlarm(bool shown);
  // One received barcode line; its line end is dropped.
  void AppendMemo(const QString& line);
  // Removes and returns Memo1's first line, if it holds one.
  std::optional<QString> TakeFirstMemoLine();
  // Focus on numBolla, "Stampa con totale partita" ticked.
  void PrepareBatchEntry();

  // The caption as the supervisor builds it ("KV7 Campionatrice / 2.10 : MB6");
  // shown translated, read back as given.
  void SetCaption(const QString& source);
  QString CaptionSource() const { return captionSource_; }

  // ---- Languages ----
  // Once at start-up, with the configured `langinterface` code and the print
  // settings: checks that language's entry, runs UpdateLanguageMenu and the
  // entry's handler with the window as sender (no totals refresh, no print
  // settings file). An unknown code counts as Italian.
  void StartLanguage(const QString& langinterface, const i18n::PrintSettings& print = {});
  // Enables each language entry whose module file exists.
  void UpdateLanguageMenu();
  // The handler of a language entry ("Spagnolo1"). `fromMenu` is the
  // operator's choice: the window then emits LanguageChosen and writes the
  // print settings file (once StartLanguage has given the settings).
  void SwitchLanguage(const QString& entry, bool fromMenu);
  // The `langinterface` code of the checked entry ("it" when none is).
  QString LanguageCode() const;
  void SetPrintSettings(const i18n::PrintSettings& print) { print_ = print; }
  const std::optional<i18n::PrintSettings>& PrintFontSettings() const { return print_; }
  // Beep on every key release (the console's key click); on by default.
  void SetKeyClick(bool on) { keyClick_ = on; }

 signals:
  void FormShow();  // once, after the window is first shown
  void FormClose();
  void FormKeyUp();  // every key released in the window
  void StatusBar1Click();
  void Image2Click();
  void numBollaEnter(const QString& text);
  void totPartitaEnter(const QString& text);
  // Every change the operator makes to the batch number, the batch total
  // and "Stampa con totale partita".
  void numBollaEdited(const QString& text);
  void totPartitaEdited(const QString& text);
  void CheckStpTotPClick(bool checked);
  // Every menu entry, by name, besides its own signal below.
  void CommandTriggered(const QString& name);
  // The operator switched the interface to the language with this
  // `langinterface` code from the menu and its module loaded.
  void LanguageChosen(const QString& code);

  // Menu "Lavorazione" (F1 Totali1, F2 Programma1, F3 Dati1, F6 ModificaPU1,
  // F7 Stampa3, F8 Start1, F9 Partita1).
  void Programma1Click();
  void ModificaPU1Click();
  void Start1Click();
  void Dati1Click();
  void Totali1Click();
  void Stampa3Click();
  void Partita1Click();
  void ResetCentralina1Click();
  // "Programmi"
  void Nuovo1Click();
  void Modifica1Click();
  void Cancella1Click();
  void Stampa1Click();
  void Listino1Click();  // the price list window "Listino prezzi"
  // "Bolle"
  void Nuova1Click();
  void Modifica2Click();
  void Cancella2Click();
  void Stampa2Click();
  void Statistiche1Click();
  void exportfrom1Click();
  void esportagiornaliero1Click();
  void AzzeramentoBolle1Click();
  // "Produttori"
  void nuova2Click();
  void Modifica3Click();
  void cancella3Click();
  void stampa4Click();
  void EstrattoConto1Click();  // the grower's season statement
  void azzeraProduttori1Click();
  // "Installazione"
  void Impostazione1Click();
  void Programma2Click();
  void Costi2Click();  // the cost window "Impostazione Costi"
  void Azienda1Click();  // the company header window "Impostazione Azienda"
  void SalvasuFloppy1Click();
  void RipristinadaFloppy1Click();
  // "Assistenza"
  void ControlloCELLE1Click();
  void Memorizzato1Click();
  void Encoder1Click();
  void ControlloTazze1Click();
  void TabellaTara1Click();
  void Calibrazione1Click();
  void Oscilloscopio1Click();
  void TestMagneti1Click();  // the magnet test "Test Magneti"
  // "Scarti"
  void AggiornaTempiScarti1Click();
  void MappaerroriSRD121Click();
  // "Lingua"
  void Italiano1Click();
  void Spagnolo1Click();
  void Portoghese1Click();
  void Inglese1Click();
  void Francese1Click();
  void Tedesco2Click();
  void grecoClick();
  // "Aiuto"
  void Aiuto1Click();
  void Informazioni1Click();
  void ControlloAggiornamentiOnline1Click();
  // "Fine"
  void fine2Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct ActionState {
    QAction* action = nullptr;
    bool command = false;  // the entry runs a handler at all
    bool available = false;
    bool enabled = true;
  };

  void BuildMenus();
  void BuildCentral();
  QWidget* BuildHeader();
  QWidget* BuildQualityPage(int q);
  QWidget* BuildSummary();
  void BuildStatusBar();
  QWidget* BuildChart(QWidget* parent);
  void RetranslateTotals();
  void ShowCost();
  void RedrawChart();
  void ConnectLanguageEntries();
  void RetranslateUi();
  void ApplyActionState(ActionState& state);
  void ApplyScale();
  void RescaleLogo();
  bool RouteFunctionKey(int key);
  void KeyReleased();

  static int CellIndex(int c, int q) { return (q - 1) * kClasses + (c - 1); }

  std::array<QLabel*, kClasses * kQualities> nomeCal_{};
  std::array<QLabel*, kClasses * kQualities> pesoCal_{};
  std::array<QLabel*, kClasses * kQualities> totC_{};
  std::array<QLabel*, kClasses * kQualities> totP_{};
  std::array<QLabel*, kUnitLabels> units_{};
  std::array<QLabel*, 5> lavoratoQ_{};
  std::array<QLabel*, 5> lavoratoPQ_{};
  std::array<QLabel*, kPanels> panels_{};
  std::array<QLabel*, 5> qualityTitles_{};
  QLabel* totaleG_ = nullptr;
  TotalsChart* chart_ = nullptr;
  std::optional<supervisor::TotalsView> totals_;
  std::optional<supervisor::TotalsView::Cost> costPerKg_;  // F7's line while it shows
  QLabel* production_ = nullptr;
  QLabel* costo_ = nullptr;
  QLabel* lavorPrec_ = nullptr;
  QLabel* label53_ = nullptr;
  QLabel* label55_ = nullptr;
  QLineEdit* numBolla_ = nullptr;
  QLineEdit* totPartita_ = nullptr;
  QLineEdit* numtazza_ = nullptr;
  QLineEdit* tazzebad_ = nullptr;
  QPlainTextEdit* memo1_ = nullptr;
  QLabel* image1_ = nullptr;
  QLabel* companyHeader_ = nullptr;
  QToolButton* image2_ = nullptr;
  QCheckBox* checkStpTotP_ = nullptr;
  QCheckBox* checkPreview_ = nullptr;
  QTabWidget* pageControl1_ = nullptr;
  QStatusBar* statusBar1_ = nullptr;
  QHash<QString, ActionState> actions_;
  QHash<QString, QMenu*> menus_;
  QImage logo_;
  QString captionSource_;
  std::optional<i18n::PrintSettings> print_;
  bool controllerOn_ = false;
  bool keyClick_ = true;
  bool shownOnce_ = false;
  int scaledForHeight_ = -1;
};

}  // namespace kv7::ui
