#include "app/CommandLine.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace kv7::app {
namespace {

void Print(const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stdout);
}

}  // namespace

std::optional<int> HandleInfoOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      Print(QStringLiteral("kv7 %1\n").arg(QStringLiteral(KV7_VERSION)));
      return 0;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      Print(QCoreApplication::translate(
          "CommandLine",
          "Uso: kv7 [-o]\n"
          "Console della campionatrice KV7; lavora nella cartella corrente (kv2.log, file di lavoro).\n"
          "  -o           centralina di tipo vecchio (linea a 9600 baud)\n"
          "  --help       mostra questo aiuto ed esce\n"
          "  --version    mostra la versione ed esce\n"
          "Archivio: KV7_DB_HOST, KV7_DB_PORT, KV7_DB_SOCKET, KV7_DB_USER, KV7_DB_PASSWORD, KV7_DB_NAME.\n"
          "Configurazione: KV7_CONFIG_DIR. Con un archivio privato: kv7-db.\n"));
      return 0;
    }
  }
  return std::nullopt;
}

}  // namespace kv7::app
