// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wizard_window/appearance.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QIcon>
#include <QStyleFactory>

namespace kelvo::app {

namespace {

QString &family() {
  static QString name;
  return name;
}

bool &designFace() {
  static bool used = false;
  return used;
}

QString registerTahomaOnce() {
  // Only the regular face: the package's bold face carries bold metrics but
  // draws regular strokes, so Qt's synthetic bold of the regular face is
  // what actually shows a highlighted step in bold.
  const char *const files[] = {"/usr/share/wine/fonts/tahoma.ttf"};
  QString found;
  for (const char *path : files) {
    if (!QFile::exists(QString::fromLatin1(path)))
      continue;
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    if (found.isEmpty() && !families.isEmpty())
      found = families.first();
  }
  return found;
}

QString registerTahoma() {
  static const QString found = registerTahomaOnce();
  return found;
}

QFont pixelFont(const QString &face, int pixels, bool bold) {
  QFont font(face);
  font.setPixelSize(pixels);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

} // namespace

void prepareApplication(QApplication &app, WizardFace face) {
  QApplication::setApplicationName(QStringLiteral("kelvo-wizard"));
  QApplication::setApplicationDisplayName(QString());
  QApplication::setDesktopFileName(QStringLiteral("example.marvane.KelvoWizard"));
  if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
    QApplication::setStyle(fusion);
  family() = face == WizardFace::Preferred ? registerTahoma() : QString();
  designFace() = !family().isEmpty();
  if (family().isEmpty())
    family() = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  QIcon icon;
  for (int size : {16, 32, 48, 256}) {
    const QString path = QStringLiteral(":/icons/%1.png").arg(size);
    if (QFile::exists(path))
      icon.addFile(path, QSize(size, size));
  }
  if (!icon.isNull())
    app.setWindowIcon(icon);
}

bool usesDesignFace() { return designFace(); }

QString wizardFamily() {
  if (family().isEmpty())
    family() = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  return family();
}

QFont windowFont() { return pixelFont(wizardFamily(), 12, false); }

QFont controlFont(FontRole role) {
  switch (role) {
  case FontRole::Title:
    return pixelFont(wizardFamily(), 15, true); // 11.25 pt bold
  case FontRole::Link: {
    // Verdana is not on Linux desktops; DejaVu Sans is its metric cousin.
    const QStringList families = QFontDatabase::families();
    const QString face = families.contains(QStringLiteral("Verdana")) ? QStringLiteral("Verdana")
                         : families.contains(QStringLiteral("DejaVu Sans"))
                             ? QStringLiteral("DejaVu Sans")
                             : wizardFamily();
    return pixelFont(face, 11, false);
  }
  case FontRole::Box:
    return pixelFont(wizardFamily(), 12, true); // 9 pt bold
  case FontRole::List:
    return pixelFont(wizardFamily(), 13, false); // 9.75 pt
  case FontRole::Normal:
    break;
  }
  return pixelFont(wizardFamily(), 11, false); // 8.25 pt
}

} // namespace kelvo::app
