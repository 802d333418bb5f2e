// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kelvo::platform {

namespace {

bool install(QCoreApplication &app, const QLocale &locale, const QString &name,
             const QString &folder) {
  auto *translator = new QTranslator(&app);
  if (translator->load(locale, name, QStringLiteral("_"), folder) &&
      QCoreApplication::installTranslator(translator))
    return true;
  delete translator;
  return false;
}

// The locale whose languages the user reads. Qt takes LANGUAGE, a list of
// languages in order of preference ("fr:de"), whatever the locale; GNU
// programs ignore it where the messages locale is C or POSIX, or none is set,
// as that asks for untranslated messages. The program does as they do.
QLocale messagesLocale() {
  for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray name = qgetenv(variable);
    if (!name.isEmpty())
      return name == "C" || name == "POSIX" ? QLocale::c() : QLocale();
  }
  return QLocale::c();
}

} // namespace

int installTranslations(QCoreApplication &app, const QLocale &locale) {
  int installed = 0;
  // translations/CMakeLists.txt puts the program's own into this library's resources.
  installed += install(app, locale, QStringLiteral("kelvo-wizard"), QStringLiteral(":/i18n"));
  // Each in the first language of the user's list it has: with "fr:de" a
  // program without French speaks German, and Qt's dialogs French.
  installed += install(app, locale, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return installed;
}

int installTranslations(QCoreApplication &app) {
  return installTranslations(app, messagesLocale());
}

} // namespace kelvo::platform
