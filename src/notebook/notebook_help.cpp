// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/notebook_help.h"

#include <QCoreApplication>
#include <QDir>

namespace kelvo::app {

QString notebookHelp(const QString &studies, const QString &recovery) {
  return QCoreApplication::translate(
             "kelvo::app::StudyNotebook",
             "The Study Notebook keeps your study of one company: your notes on the checklist's "
             "steps, the valuation you take from the workbench, and your verdict.\n\n"
             "A study is written only when you save it, as one file; new studies go into:\n%1\n\n"
             "While a study has unsaved changes, a recovery copy is kept in:\n%2\n"
             "If the program ends before you save, it offers the notes back at the next start. "
             "The File menu also prints the study and exports it as PDF or Markdown.")
      .arg(QDir::toNativeSeparators(studies), QDir::toNativeSeparators(recovery));
}

QString studiesHelp(const QString &studies) {
  return QCoreApplication::translate(
             "kelvo::app::StudiesWindow",
             "Studies lists the studies in your studies folder, newest first, with each "
             "company's verdict and buy-below price. It follows the folder while it is open. "
             "Return or a double-click opens a study in the Study Notebook; F2 renames its file "
             "(the study's company stays the same) and Delete moves it to the desktop's trash, "
             "from where the file manager can restore it.\n\n"
             "The studies folder is:\n%1")
      .arg(QDir::toNativeSeparators(studies));
}

} // namespace kelvo::app
