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

} // namespace

int installTranslations(QCoreApplication &app, const QLocale &locale) {
  int installed = 0;
  // qt_add_translations puts the program's own into its resources.
  installed += install(app, locale, QStringLiteral("kelvo-wizard"), QStringLiteral(":/i18n"));
  installed += install(app, locale, QStringLiteral("qtbase"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  return installed;
}

int installTranslations(QCoreApplication &app) { return installTranslations(app, QLocale()); }

} // namespace kelvo::platform
