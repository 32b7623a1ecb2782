// The help window shows the operator guide from the first place that has it,
// with its pictures, says where it looked when none has it, and Escape closes it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "ui/QtTestApp.h"
#include "ui/THelp.h"

using kv7::ui::THelp;

namespace {

void Write(const QString& path, const QByteArray& text) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

}  // namespace

TEST(THelp, ShowsTheFirstGuideFoundWithItsPicturesAndSaysWhereItLookedOtherwise) {
  kv7::test::TestApp();
  QTemporaryDir tmp;
  const QString empty = tmp.filePath("empty"), first = tmp.filePath("first"), second = tmp.filePath("second");
  QDir().mkpath(empty);
  Write(first + "/operator-guide.md", "# Guida prima\n\n![console](images/shot.png)\n");
  QDir().mkpath(first + "/images");
  ASSERT_TRUE(QImage(20, 10, QImage::Format_RGB32).save(first + "/images/shot.png"));
  Write(second + "/operator-guide.md", "# Guida seconda\n");

  struct Case {
    QStringList places;
    QString shows;
  } cases[] = {
      {{empty, first, second}, "Guida prima"},
      {{second, first}, "Guida seconda"},
      {{empty}, empty},
  };
  for (const Case& c : cases) {
    THelp help;
    help.Load(c.places);
    EXPECT_TRUE(help.Browser()->toPlainText().contains(c.shows)) << c.shows.toStdString();
  }

  THelp help;
  help.Load({first});
  const QVariant picture = help.Browser()->loadResource(QTextDocument::ImageResource, QUrl("images/shot.png"));
  EXPECT_EQ(QImage::fromData(picture.toByteArray()).width(), 20);
  help.show();
  QTest::keyClick(&help, Qt::Key_Escape);
  EXPECT_FALSE(help.isVisible());
}
