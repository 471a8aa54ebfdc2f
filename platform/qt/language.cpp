// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "platform/texts.h"

namespace {

const QTranslator* current = nullptr;

std::string translated(const char* context, const char* english) {
  const QString text = current->translate(context, english);
  return text.isEmpty() ? english : text.toStdString();
}

}  // namespace

playerlanguage::playerlanguage(const QLocale& locale) {
  // A missing translation leaves a translator empty, and an empty one gives every text back.
  (void)game_.load(locale, "kubrix3d", "_", ":/translations");
  (void)qt_.load(locale, "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  current = &game_;
  translator = translated;
}

playerlanguage::~playerlanguage() {
  translator = nullptr;
  current = nullptr;
  if (qtadded_) QCoreApplication::removeTranslator(&qt_);
}

void playerlanguage::addqt() {
  qtadded_ = QCoreApplication::installTranslator(&qt_);
}
