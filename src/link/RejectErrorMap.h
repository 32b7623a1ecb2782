#pragma once
// The reject-station board's error codes that the error map window shows,
// with their texts, in the window's order. The board can report any code
// 00..99 and cSrd12 keeps a flag for each; only these have a check box.

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace kv7 {

struct RejectErrorEntry {
  int code;
  const char* text;
};

inline constexpr const char* kRejectErrorGroupTitle = "Errori Centralina Scarti";

inline constexpr std::array<RejectErrorEntry, 12> kRejectErrorsShown{{
    {0, "Programma Peso = 0"},
    {1, "Set-Up Singola/Doppia"},
    {2, "Set-Up i due rele di carico = 0"},
    {3, "Set-Up i due rele di scarico = 0"},
    {4, "Set-Up k-Peso = 0"},
    {5, "rele Scarico Destro non assegnato"},
    {6, "rele Scarico Sinistro non assegnato"},
    {7, "Doppia manca 1 rele o 1 sensore di carico"},
    {13, "Ciclo On Tara valore errato"},
    {14, "seriale Ricezione buffer pieno"},
    {15, "seriale Trasmissione Time-Out"},
    {11, "comandi J/K errati"},
}};

// The text of a shown code; nullptr for codes the window does not show.
const char* RejectErrorText(int code);
// The shown codes with their texts, in the window's order, as the error map
// window takes them.
std::vector<std::pair<int, std::string>> RejectErrorTable();

}  // namespace kv7
