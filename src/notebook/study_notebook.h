// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Study Notebook: one company's study in its own window. It edits a Study
// value, writes it only when the user saves, keeps a recovery copy while there
// are unsaved changes, and prints or exports it.

#include "notebook/notebook_file.h"
#include "study/recovery.h"
#include "study/study.h"
#include "study/study_file.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <optional>

namespace kelvo::platform {
class Dialogs;
} // namespace kelvo::platform

namespace kelvo::app {

class StudyPage;

class StudyNotebook final : public QMainWindow {
  Q_OBJECT
public:
  // What "Take from Workbench" copies in; nullopt when the workbench has
  // nothing to give. An empty function means there is no workbench at all.
  using WorkbenchSource = std::function<std::optional<study::Valuation>()>;
  // The company chosen in the wizard, for New (Ctrl+N) in this window; an
  // empty function has New begin a study with empty company boxes.
  struct Company {
    QString symbol;
    QString name;
  };
  using CompanySource = std::function<Company()>;

  StudyNotebook(platform::Dialogs &dialogs, WorkbenchSource workbench,
                CompanySource wizardCompany = {}, QWidget *parent = nullptr);
  ~StudyNotebook() override;

  // How a save puts its bytes into the file; unset, the file's own write. A
  // test stands a full disk in here.
  study::StudyBytesWriter writeBytes;

  // Each of these first asks about unsaved changes; false when the user
  // cancelled or the file could not be read (then nothing changed). Opening
  // the study shown reads nothing and asks nothing: it stays as it is. A
  // study open in another copy of the program is opened read-only, if the
  // user agrees: its changes are then saved only as another file.
  bool newStudy(const QString &symbol, const QString &companyName);
  bool openStudy(const QString &path);
  bool openStudyDialog();
  // Shows notes a previous run left unsaved, as unsaved changes of this
  // window (of their study when its file is still there), and takes over
  // their recovery copy. Does not ask about this
  // window's own unsaved changes: call maybeSave() first.
  void restoreFromRecovery(const study::RecoveryCopy::Orphan &orphan);

  // "Take into Study": a company's reported figures, stored in the study
  // shown, as an unsaved change.
  void takeFigures(const study::Figures &figures);

  bool hasUnsavedChanges() const;
  // Save/Discard/Cancel when there are unsaved changes. Discard goes back to
  // the last saved state; false on Cancel, or when saving failed.
  bool maybeSave();

  // Save asks before it writes over a file another program has changed
  // since it was read or written here.
  bool save();
  bool saveAs();
  void print();
  void exportPdf();
  void exportMarkdown();

  // The study as the window shows it, and the file it belongs to (empty
  // before the first save).
  study::Study study() const;
  QString filePath() const { return file_.path(); }
  // Where the window's recovery copy is written.
  QString recoveryPath() const { return recovery_.path(); }

signals:
  void studiesRequested();

protected:
  void closeEvent(QCloseEvent *event) override;

private:
  void buildActions();
  void newFromWizard();
  void takeFromWorkbench();
  void showStudy(const study::Study &study);
  void updateTitle();
  void warn(const QString &text);
  void edited();
  void writeRecoveryCopy();
  bool writeTo(const QString &path);
  bool saveAsChosen(bool elsewhere);
  // Asks where to write an export and writes it with `write`, which gives an
  // error sentence or nothing.
  void exportAs(const QString &title, const QString &suffix, const QString &filter,
                QString (*write)(const study::Study &, const QString &));

  platform::Dialogs &dialogs_;
  WorkbenchSource workbench_;
  CompanySource wizardCompany_;
  study::RecoveryCopy recovery_;
  QTimer recoveryTimer_;
  NotebookFile file_;
  study::Study saved_; // what the file holds (or the new study as begun)

  StudyPage *page_ = nullptr;
};

} // namespace kelvo::app
