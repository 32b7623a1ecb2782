#pragma once
// What an empty store reads as: every key with its default, one "key=value"
// line each in read order, and the install string those defaults give.

#include <string>

namespace kv7::test {

inline std::string EmptyStoreValues() {
  auto each = [](const std::string& key, int from, int to, const std::string& value) {
    std::string s;
    for (int n = from; n <= to; ++n) s += key + std::to_string(n) + "=" + value + "\n";
    return s;
  };
  std::string s =
      "porta_com=1\nporta_aux=2\nporta_scarti=3\nscarti_enab=1\nbarcode_enab=1\nnumlinee=2\n"
      "numuscite=8\nnumtazze=100\ntipoatt=0\ntotaligrammi=1\nstampagrammi=1\narchiviazione=1\n"
      "stampa=1\ntxremoto=0\nzeroencoder=0\n";
  for (int n = 1; n <= 6; ++n) s += each("inenc", n, n, "20") + each("fienc", n, n, "80");
  s += each("kpeso", 1, 6, "1000") + "apermagn=50\n" + each("uscita", 1, 30, "0") +
       each("qualitaL", 1, 6, "0");
  s += "rotdirection=0\nlanginterface=it\nautorefresh=0\nprn_font_name=Arial\nprn_font_size=8\n"
       "prn_font_set=fsBold.\nlev_dtara=1\ntaratazza=0\ntarainc=0\nxmoltiply=0\ndurata magneti=50\n"
       "copyrigth=KV7 Campionatrice - supervisore di linea\ndelay tara=0\ndistanza fc=0\npoint gest=0\n"
       "password_inst=0\npassword_reset=\nmacchina=1\nprod-oraria=1\nv_tazzebad=0\nrx_osc=0\n";
  return s + each("limpercq", 2, 5, "0") + "ritfc=1\nncopie=1\ndirexp=c:\\camp\nfine_part_auto=1\n"
                                             "copia_pdf=1\n";
}

// Lines, outlets, cups, zero, six encoder windows 20-80, six weight factors
// 1000, drive type 0, magnet opening 50, thirty outlet codes 00: 119
// characters. The newer board gets "L" and the magnet time appended.
inline std::string EmptyStoreInstallString() {
  std::string s = "20810000";
  for (int i = 0; i < 6; ++i) s += "2080";
  for (int i = 0; i < 6; ++i) s += "1000";
  s += "050";
  for (int i = 0; i < 30; ++i) s += "00";
  return s;
}

}  // namespace kv7::test
