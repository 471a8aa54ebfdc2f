// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <set>

#include "qtgame.h"

namespace {

struct entry {
  QString context, source, translation, type;  // type: unfinished, vanished, obsolete or none
};

std::vector<entry> entries(const QString& file) {
  QFile ts(file);
  EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
  QXmlStreamReader xml(&ts);
  std::vector<entry> found;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"message") found.push_back({context, {}, {}, {}});
    if (xml.name() == u"source") found.back().source = xml.readElementText();
    if (xml.name() == u"translation") {
      found.back().type = xml.attributes().value("type").toString();
      found.back().translation = xml.readElementText();
    }
  }
  EXPECT_FALSE(xml.hasError()) << file.toStdString() << ": " << xml.errorString().toStdString();
  return found;
}

std::multiset<QString> placeholders(const QString& text) {
  std::multiset<QString> found;
  for (const auto& match : QRegularExpression("%[1-9]").globalMatch(text))
    found.insert(match.captured());
  return found;
}

// Every .ts file of the game, copied and brought up to date with the code by the script that
// updates the real ones: a text new in the code comes in unfinished, one gone is marked vanished.
std::map<QString, std::vector<entry>> updatedcopies(const QTemporaryDir& scratch) {
  const QDir shipped(KUBRIX_SOURCE_DIR "/translations");
  QStringList copies;
  for (const QString& name : shipped.entryList({"*.ts"})) {
    copies << scratch.filePath(name);
    EXPECT_TRUE(QFile::copy(shipped.filePath(name), copies.back()));
  }
  QProcess update;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("LUPDATE", KUBRIX_LUPDATE);
  update.setProcessEnvironment(environment);
  update.start(KUBRIX_SOURCE_DIR "/scripts/translations", copies);
  EXPECT_TRUE(update.waitForFinished(120000));
  EXPECT_EQ(update.exitCode(), 0) << update.readAllStandardError().toStdString();
  std::map<QString, std::vector<entry>> files;
  for (const QString& copy : copies) files[QFileInfo(copy).fileName()] = entries(copy);
  return files;
}

}  // namespace

TEST(Translations, EachLanguageTranslatesEveryTextOfTheCodeAndTheTemplateListsThemAll) {
  const QTemporaryDir scratch;
  const auto files = updatedcopies(scratch);
  ASSERT_TRUE(files.count("kubrix3d.ts"));
  const size_t texts = files.at("kubrix3d.ts").size();
  EXPECT_GT(texts, 100u);
  for (const QString language : {"de", "es", "fr"}) {
    const QString name = "kubrix3d_" + language + ".ts";
    ASSERT_TRUE(files.count(name)) << name.toStdString();
    EXPECT_EQ(files.at(name).size(), texts) << name.toStdString();
  }
  for (const auto& [name, file] : files) {
    for (const entry& e : file) {
      const std::string where = (name + ": " + e.context + ": " + e.source).toStdString();
      // The template's texts wait for a translator; a language's are done and keep every part.
      if (name == "kubrix3d.ts") {
        EXPECT_EQ(e.type, "unfinished") << where;
        continue;
      }
      EXPECT_EQ(e.type, "") << where;
      EXPECT_FALSE(e.translation.isEmpty()) << where;
      EXPECT_EQ(placeholders(e.translation), placeholders(e.source)) << where;
    }
  }
}
