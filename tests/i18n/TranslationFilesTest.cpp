// The language sources translations/kv7_*.ts: every text of the program is
// in each of them, translated and finished.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <map>
#include <set>

#include "support/TempDir.h"

namespace {

struct Message {
  QString context, source, translation, type;
};

std::vector<Message> ReadTs(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  QXmlStreamReader xml(&file);
  std::vector<Message> out;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = xml.readElementText();
    } else if (xml.name() == u"message") {
      out.push_back({context, {}, {}, {}});
    } else if (xml.name() == u"source") {
      out.back().source = xml.readElementText();
    } else if (xml.name() == u"translation") {
      out.back().type = xml.attributes().value("type").toString();
      out.back().translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return out;
}

std::set<std::pair<QString, QString>> Texts(const std::vector<Message>& messages) {
  std::set<std::pair<QString, QString>> texts;
  for (const Message& m : messages) texts.insert({m.context, m.source});
  return texts;
}

QString TsPath(const char* lang) {
  return QString(KV7_SOURCE_DIR "/translations/kv7_%1.ts").arg(lang);
}

// "%1".."%9" used, and whether an accelerator (& before a letter) is there.
std::pair<std::set<QString>, bool> Shape(const QString& text) {
  static const QRegularExpression placeholder("%[1-9]");
  std::set<QString> used;
  for (const auto& m : placeholder.globalMatch(text)) used.insert(m.captured());
  static const QRegularExpression accelerator("&[^ &]");
  return {used, accelerator.match(text).hasMatch()};
}

constexpr const char* kLanguages[] = {"it", "es", "pt", "en", "fr", "de", "el"};

TEST(TranslationFiles, EveryTextIsTranslatedAndFinishedInEveryModule) {
  const auto italian = Texts(ReadTs(TsPath("it")));
  ASSERT_FALSE(italian.empty());
  for (const char* lang : kLanguages) {
    const std::vector<Message> messages = ReadTs(TsPath(lang));
    EXPECT_EQ(Texts(messages), italian) << lang << ": a different set of texts; run the kv7_lupdate target";
    for (const Message& m : messages) {
      const std::string where =
          std::string(lang) + " " + m.context.toStdString() + ": " + m.source.toStdString();
      EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
      EXPECT_FALSE(m.translation.isEmpty()) << where;
      EXPECT_EQ(Shape(m.translation), Shape(m.source)) << where << " -> " << m.translation.toStdString();
      if (std::string(lang) == "it") {
        EXPECT_EQ(m.translation, m.source) << where;
      }
    }
  }
}

TEST(TranslationFiles, HoldExactlyTheTextsOfTheSources) {
  kv7::test::TempDir dir;
  const QString fresh = QString::fromStdString((dir / "kv7_it.ts").string());
  QProcess lupdate;
  lupdate.setWorkingDirectory(KV7_SOURCE_DIR);
  lupdate.start(KV7_LUPDATE, {"-silent", "-locations", "none", "-source-language", "it_IT", "-extensions",
                              "cpp,h", "-recursive", KV7_SOURCE_DIR "/src", "-ts", fresh});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  const auto inSources = Texts(ReadTs(fresh));
  const auto inModules = Texts(ReadTs(TsPath("it")));
  ASSERT_GT(inSources.size(), 100u);
  for (const auto& [context, source] : inSources)
    EXPECT_TRUE(inModules.count({context, source}))
        << context.toStdString() << ": \"" << source.toStdString()
        << "\" is new; run the kv7_lupdate target and translate it";
  for (const auto& [context, source] : inModules)
    EXPECT_TRUE(inSources.count({context, source}))
        << context.toStdString() << ": \"" << source.toStdString()
        << "\" is no longer in the sources; run the kv7_lupdate target";
}

}  // namespace
