#include "installation/InstallationRules.h"

#include <algorithm>
#include <functional>

#include "store/PasswordHash.h"

namespace kv7::installation {
namespace {

constexpr int kFirstPort = 1;
constexpr int kLastPort = 98;

std::string Trimmed(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return std::string(s);
}

std::optional<std::int32_t> Number(const std::string& text) { return store::ParseStoredNumber(Trimmed(text)); }

// Right-aligned in `width` with the blanks turned into "0"; a wider number in full.
std::string Shown(std::int64_t v, std::size_t width) {
  std::string s = std::to_string(v);
  return s.size() >= width ? s : std::string(width - s.size(), '0') + s;
}

// One checked control: its caption, its number (0 when single), where its
// value goes and how many digits the installation text gives it (0: it is
// not sent, any whole number does).
struct Checked {
  const char* caption;
  int index;
  const std::string& text;
  std::int32_t& key;
  int digits;
};

std::vector<Checked> CheckedFields(const InstallationForm& f, store::Configuration& c) {
  std::vector<Checked> out{{"Numero linee", 0, f.lines, c.numlinee, 1},
                           {"Numero Uscite", 0, f.outlets, c.numuscite, 2},
                           {"Numero Tazze/L.", 0, f.cups, c.numtazze, 3},
                           {"Fase Zero Encoder", 0, f.encoderZero, c.zeroencoder, 2},
                           {"Apertura Magneti", 0, f.magnetOpening, c.apermagn, 2},
                           {"ritardo FC", 0, f.photocellDelay, c.ritfc, 0}};
  for (int n = 1; n <= store::kLines; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    out.push_back({"Lettura I/F", n, f.windowStart[i], c.inenc[n], 2});
    out.push_back({"Lettura I/F", n, f.windowEnd[i], c.fienc[n], 2});
    out.push_back({"K-peso", n, f.kappa[i], c.kpeso[n], 4});
  }
  for (int n = 1; n <= store::kOutlets; ++n)
    out.push_back({"Distanza Uscite", n, f.outletDistance[static_cast<std::size_t>(n - 1)], c.uscita[n], 2});
  return out;
}

// A value the installation text can carry in `digits` places: 0..99.. (a
// wider or negative one would shift every field after it).
std::optional<BadNumber> OutOfPlaces(const char* caption, int index, std::int32_t value, int digits) {
  if (digits == 0) return std::nullopt;
  const std::int32_t largest = store::LargestInPlaces(digits);
  if (value >= 0 && value <= largest) return std::nullopt;
  return BadNumber{caption, index, largest};
}

void TakeTare(int index, store::Configuration& c) {
  if (index < 0) return;
  c.taratazza = index >= 1;
  c.tarainc = index >= 2;
  if (index >= 2) c.lev_dtara = index - 1;
}

void TakeMagnetType(int index, store::Configuration& c, TakenForm& taken) {
  if (index < 0 || index > 3) return;
  c.tipoatt = index % 2 == 0 ? 1 : 2;
  taken.threeStep = index >= 2;
}

void TakePorts(const InstallationForm& f, store::Configuration& c) {
  std::int32_t* keys[] = {&c.porta_com, &c.porta_aux, &c.porta_scarti};
  for (std::size_t i = 0; i < f.ports.size(); ++i) {
    if (auto port = PortOfEntry(f.ports[i])) *keys[i] = *port;
    if (*keys[i] > 99) *keys[i] = 0;
  }
}

}  // namespace

std::string PortEntry(int port) {
  return port >= kFirstPort && port <= kLastPort ? "COM" + std::to_string(port) : kPortOff;
}

std::vector<std::string> PortEntries(const std::vector<int>& available, int configured) {
  std::vector<int> ports;
  for (int p : available)
    if (p >= kFirstPort && p <= kLastPort) ports.push_back(p);
  if (configured >= kFirstPort && configured <= kLastPort) ports.push_back(configured);
  std::sort(ports.begin(), ports.end());
  ports.erase(std::unique(ports.begin(), ports.end()), ports.end());
  std::vector<std::string> entries{kPortOff};
  for (int p : ports) entries.push_back(PortEntry(p));
  return entries;
}

std::optional<int> PortOfEntry(std::string_view entry) {
  if (entry.size() <= 3) return std::nullopt;
  if (entry == kPortOff) return 0;
  if (entry.substr(0, 3) != "COM") return std::nullopt;
  const auto n = store::ParseStoredNumber(entry.substr(3));
  if (!n || *n < 0) return std::nullopt;
  return *n;
}

InstallationForm FormFromConfiguration(const store::Configuration& c, bool threeStep) {
  InstallationForm f;
  f.ports = {PortEntry(c.porta_com), PortEntry(c.porta_aux), PortEntry(c.porta_scarti)};
  f.barcodeEnab = c.barcode_enab == 1;
  f.scartiEnab = c.scarti_enab == 1;
  f.lines = Shown(c.numlinee, 1);
  f.outlets = Shown(c.numuscite, 2);
  f.cups = Shown(c.numtazze, 4);
  f.magnetType = c.tipoatt == 1 || c.tipoatt == 2 ? c.tipoatt - 1 + (threeStep ? 2 : 0) : -1;
  f.magnetTime = Shown(c.durata_magneti, 2);
  for (int n = 1; n <= store::kOutlets; ++n) f.outletDistance[static_cast<std::size_t>(n - 1)] = Shown(c.uscita[n], 2);
  f.encoderZero = Shown(c.zeroencoder, 2);
  for (int n = 1; n <= store::kLines; ++n) {
    const auto i = static_cast<std::size_t>(n - 1);
    f.windowStart[i] = Shown(c.inenc[n], 2);
    f.windowEnd[i] = Shown(c.fienc[n], 2);
    f.kappa[i] = Shown(c.kpeso[n], 4);
    f.quality[i] = c.qualitaL[n] >= 0 && c.qualitaL[n] <= 4 ? c.qualitaL[n] : -1;
  }
  f.magnetOpening = Shown(c.apermagn, 2);
  f.rotation = c.rotdirection == 1 ? 1 : 0;
  f.tareDelay = Shown(c.delay_tara, 1);
  f.tareType = !c.taratazza ? 0 : !c.tarainc ? 1 : std::clamp(c.lev_dtara, 1, 6) + 1;
  f.photocellDistance = Shown(c.distanza_fc, 3);
  f.photocellDuration = Shown(c.point_gest, 2);
  f.photocellDelay = std::to_string(c.ritfc);
  f.machine = c.macchina;
  return f;
}

std::optional<BadNumber> FirstBadNumber(const InstallationForm& form) {
  store::Configuration scratch;
  for (const Checked& f : CheckedFields(form, scratch)) {
    const auto v = Number(f.text);
    if (!v) return BadNumber{f.caption, f.index};
    if (auto bad = OutOfPlaces(f.caption, f.index, *v, f.digits)) return bad;
  }
  // Not a number counts as 0 here; a number must still fit.
  if (const auto v = Number(form.magnetTime)) return OutOfPlaces("Durata Att.", 0, *v, 2);
  return std::nullopt;
}

TakenForm TakeForm(const InstallationForm& f, store::Configuration& c, bool threeStep) {
  TakenForm taken;
  taken.threeStep = threeStep;
  const std::int32_t linesBefore = c.numlinee;
  c.scarti_enab = f.scartiEnab ? 1 : 0;
  c.barcode_enab = f.barcodeEnab ? 1 : 0;
  for (int n = 1; n <= store::kLines; ++n)
    if (const int q = f.quality[static_cast<std::size_t>(n - 1)]; q >= 0) c.qualitaL[n] = q;
  c.durata_magneti = Number(f.magnetTime).value_or(0);
  TakeTare(f.tareType, c);
  c.delay_tara = Number(f.tareDelay).value_or(0);
  c.distanza_fc = Number(f.photocellDistance).value_or(0);
  c.point_gest = Number(f.photocellDuration).value_or(0);
  c.rotdirection = f.rotation;
  if (f.machine >= store::kFirstMachine && f.machine <= store::kLastMachine) c.macchina = f.machine;
  for (const Checked& field : CheckedFields(f, c))
    if (auto v = Number(field.text)) field.key = *v;
  TakeMagnetType(f.magnetType, c, taken);
  TakePorts(f, c);
  taken.linesChanged = c.numlinee != linesBefore;
  return taken;
}

bool NewPasswordsMatch(const InstallationForm& form) {
  return form.servicePassword == form.servicePasswordAgain && form.resetPassword == form.resetPasswordAgain;
}

void TakeNewPasswords(const InstallationForm& form, store::Configuration& c) {
  if (!form.servicePassword.empty()) c.password_inst = store::password_hash::Hash(form.servicePassword);
  if (!form.resetPassword.empty()) c.password_reset = store::password_hash::Hash(form.resetPassword);
}

}  // namespace kv7::installation
