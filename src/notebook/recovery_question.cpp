// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/recovery_question.h"

#include "notebook/study_notebook.h"
#include "platform/dialogs.h"

#include <QFileInfo>
#include <QLocale>

namespace kelvo::app {

bool askToRecover(platform::Dialogs &dialogs, const study::RecoveryCopy::Orphan &orphan) {
  QDateTime when = QFileInfo(orphan.recoveryPath).lastModified();
  if (!when.isValid())
    when = orphan.study.begun;
  const QString symbol =
      orphan.study.symbol.isEmpty() ? StudyNotebook::tr("no symbol") : orphan.study.symbol;
  const QString text =
      StudyNotebook::tr("Kelvo Wizard found notes that were not saved when it last ended "
                        "(%1, %2). Recover them?")
          .arg(symbol, QLocale().toString(when, QLocale::ShortFormat));
  return dialogs.message(text, platform::kAppTitle, platform::MessageButtons::RecoverDiscard) !=
         platform::MessageAnswer::Discard;
}

} // namespace kelvo::app
