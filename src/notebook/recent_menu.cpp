// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/recent_menu.h"

#include "study/recent_studies.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace kelvo::app {

namespace {

// "&1 KO 2026-03-01.kelvostudy": the file's name with an access key; the
// folder too where two files share a name.
QString entryText(int number, const QString &path, const QStringList &all) {
  const QString name = QFileInfo(path).fileName();
  const auto sameName = [&](const QString &other) { return QFileInfo(other).fileName() == name; };
  QString text = name;
  if (std::count_if(all.begin(), all.end(), sameName) > 1)
    text += QStringLiteral(" (%1)").arg(QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
  text.replace(QLatin1Char('&'), QLatin1String("&&"));
  const QString key = number < 10 ? QStringLiteral("&%1").arg(number) : QStringLiteral("1&0");
  return key + QLatin1Char(' ') + text;
}

} // namespace

QMenu *addRecentStudiesMenu(QMenu &menu, const QString &title,
                            std::function<void(const QString &)> open) {
  QMenu *recent = menu.addMenu(title);
  recent->setObjectName(QStringLiteral("openRecent"));
  recent->setToolTipsVisible(true);
  QObject::connect(&menu, &QMenu::aboutToShow, recent, [recent, open = std::move(open)] {
    recent->clear();
    const QStringList paths = study::recentStudies();
    for (int i = 0; i < paths.size(); ++i) {
      const QString &path = paths[i];
      QAction *entry = recent->addAction(entryText(i + 1, path, paths));
      entry->setToolTip(QDir::toNativeSeparators(path));
      QObject::connect(entry, &QAction::triggered, recent, [open, path] { open(path); });
    }
    recent->menuAction()->setEnabled(!paths.isEmpty());
  });
  return recent;
}

} // namespace kelvo::app
