// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "notebook/study_notebook.h"

#include "notebook/recent_menu.h"
#include "notebook/studies_window.h"
#include "notebook/study_page.h"
#include "platform/dialogs.h"
#include "study/recent_studies.h"
#include "study/study_export.h"
#include "study/study_file.h"
#include "widgets/window_pattern.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLocale>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace kelvo::app {

using study::NoteStep;
using study::Study;

namespace {

QString studyFilter() {
  return StudyNotebook::tr("Studies (*.%1)").arg(QLatin1String(study::kStudyFileSuffix));
}

} // namespace

StudyNotebook::StudyNotebook(platform::Dialogs &dialogs, WorkbenchSource workbench,
                             CompanySource wizardCompany, QWidget *parent)
    : QMainWindow(parent), dialogs_(dialogs), workbench_(std::move(workbench)),
      wizardCompany_(std::move(wizardCompany)) {
  setObjectName(QStringLiteral("studyNotebook"));
  widgets::letReturnPressButtons(*this);
  buildActions();

  page_ = new StudyPage(bool(workbench_));
  connect(page_, &StudyPage::edited, this, &StudyNotebook::edited);
  connect(page_, &StudyPage::takeRequested, this, &StudyNotebook::takeFromWorkbench);
  auto *central = new QWidget;
  auto *column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(page_, 1);
  auto *bottom = new QHBoxLayout;
  const int side = style()->pixelMetric(QStyle::PM_LayoutRightMargin);
  bottom->setContentsMargins(side, 0, side, 0);
  bottom->addStretch();
  bottom->addWidget(widgets::closeButton(*this));
  column->addLayout(bottom);
  setCentralWidget(central);
  statusBar();

  // A recovery copy within seconds of a change, but not on every key: the
  // timer starts at the first change and is not restarted by the next ones.
  recoveryTimer_.setSingleShot(true);
  recoveryTimer_.setInterval(2000);
  connect(&recoveryTimer_, &QTimer::timeout, this, &StudyNotebook::writeRecoveryCopy);

  Study fresh;
  fresh.begun = study::nowToTheSecond();
  saved_ = fresh;
  showStudy(fresh);
  // Within the screen at any scale factor; the contents scroll when it is small.
  widgets::fitToScreen(*this, QSize(1040, 820));
}

StudyNotebook::~StudyNotebook() = default;

void StudyNotebook::buildActions() {
  QMenu *file = menuBar()->addMenu(tr("&File"));
  auto add = [&](const QString &text, auto slot, const QList<QKeySequence> &keys = {}) {
    QAction *action = file->addAction(text);
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    addAction(action); // the shortcut works with the menu closed and the bar hidden
    return action;
  };
  add(tr("&New Study"), &StudyNotebook::newFromWizard,
      widgets::standardKeysWith(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
  add(tr("&Open Study…"), &StudyNotebook::openStudyDialog,
      widgets::standardKeysWith(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
  addRecentStudiesMenu(*file, tr("Open &Recent"), [this](const QString &path) { openStudy(path); });
  file->addSeparator();
  add(tr("&Save"), &StudyNotebook::save,
      widgets::standardKeysWith(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)));
  add(tr("Save &As…"), &StudyNotebook::saveAs,
      widgets::standardKeysWith(QKeySequence::SaveAs,
                                QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
  file->addSeparator();
  add(tr("&Print…"), &StudyNotebook::print,
      widgets::standardKeysWith(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)));
  add(tr("Export as P&DF…"), &StudyNotebook::exportPdf);
  add(tr("Export as Mar&kdown…"), &StudyNotebook::exportMarkdown);
  file->addSeparator();
  add(tr("S&tudies…"), &StudyNotebook::studiesRequested, {studiesShortcut()});
  file->addSeparator();
  // Ctrl+W and Escape close through closeEvent, which asks about unsaved changes.
  file->addAction(widgets::addCloseKeys(*this));
}

Study StudyNotebook::study() const { return page_->study(); }

void StudyNotebook::showStudy(const Study &s) {
  page_->showStudy(s);
  edited();
}

void StudyNotebook::updateTitle() {
  // The desktop learns the document from the file path; the title names the
  // window before it, and Qt shows "[*]" as the mark of unsaved changes.
  setWindowFilePath(file_.path());
  const QString name =
      windowFilePath().isEmpty() ? tr("Untitled") : QFileInfo(windowFilePath()).fileName();
  setWindowTitle(file_.isReadOnly() ? tr("Study Notebook - %1 (read-only)[*]").arg(name)
                                    : tr("Study Notebook - %1[*]").arg(name));
  setWindowModified(hasUnsavedChanges());
  page_->showReadOnlyNotice(file_.isReadOnly());
}

void StudyNotebook::warn(const QString &text) {
  dialogs_.message(text, tr("Study Notebook"), platform::MessageButtons::Ok,
                   platform::MessageIcon::Warning);
}

// After every change, by the user or by loading a study.
void StudyNotebook::edited() {
  updateTitle();
  if (hasUnsavedChanges()) {
    if (!recoveryTimer_.isActive())
      recoveryTimer_.start();
  } else {
    // Back to what the file holds: there is nothing to recover.
    recoveryTimer_.stop();
    recovery_.remove();
  }
}

bool StudyNotebook::hasUnsavedChanges() const { return study() != saved_; }

void StudyNotebook::writeRecoveryCopy() {
  if (!hasUnsavedChanges())
    return;
  const QString error = recovery_.write(study(), file_.path());
  if (!error.isEmpty())
    statusBar()->showMessage(error);
}

bool StudyNotebook::maybeSave() {
  if (!hasUnsavedChanges())
    return true;
  const Study shown = study();
  const QString name =
      shown.companyName.trimmed().isEmpty() ? shown.symbol.trimmed() : shown.companyName.trimmed();
  const QString text =
      name.isEmpty()
          ? tr("This study has changes that are not saved. Do you want to save them?")
          : tr("The study of %1 has changes that are not saved. Do you want to save them?")
                .arg(name);
  switch (dialogs_.message(text, tr("Study Notebook"), platform::MessageButtons::SaveDiscardCancel,
                           platform::MessageIcon::Warning)) {
  case platform::MessageAnswer::Save:
    return save();
  case platform::MessageAnswer::Discard:
    recoveryTimer_.stop();
    recovery_.remove();
    showStudy(saved_);
    return true;
  default:
    return false;
  }
}

bool StudyNotebook::newStudy(const QString &symbol, const QString &companyName) {
  if (!maybeSave())
    return false;
  Study fresh;
  fresh.symbol = symbol.trimmed();
  fresh.companyName = companyName.trimmed();
  fresh.begun = study::nowToTheSecond();
  file_.forget();
  saved_ = fresh;
  showStudy(fresh);
  // What comes first in a new study is the company: typing goes there at once.
  page_->focusNote(NoteStep::Company);
  return true;
}

void StudyNotebook::newFromWizard() {
  const Company company = wizardCompany_ ? wizardCompany_() : Company{};
  newStudy(company.symbol, company.name);
}

bool StudyNotebook::openStudy(const QString &path) {
  // Reading the study shown again would put the file's older text in place
  // of the notes not saved yet.
  if (file_.shows(path))
    return true;
  const auto read = [&](QByteArray *bytes) {
    study::StudyReadResult result = study::readStudyFile(path, bytes);
    if (!result.study)
      dialogs_.message(result.error, platform::kAppTitle, platform::MessageButtons::Ok,
                       platform::MessageIcon::Warning);
    return result;
  };
  // A file that is not a study changes nothing: not even the question about
  // this window's unsaved changes is asked.
  if (!read(nullptr).study)
    return false;
  if (study::StudyLock::isHeldElsewhere(path) &&
      dialogs_.choose(tr("“%1” is already open in another copy of Kelvo Wizard. Open it "
                         "read-only, or not at all?")
                          .arg(QFileInfo(path).fileName()),
                      tr("Study Notebook"), {tr("Open &Read-Only"), tr("Cancel")}) != 0)
    return false;
  if (!maybeSave())
    return false;
  if (file_.shows(path)) // the notes were saved as that very file just now
    return true;
  // Read again after the question: saving may have written the file.
  QByteArray bytes;
  const study::StudyReadResult again = read(&bytes);
  if (!again.study)
    return false;
  file_.adopt(path, bytes);
  saved_ = *again.study;
  showStudy(saved_);
  study::rememberRecentStudy(path);
  return true;
}

bool StudyNotebook::openStudyDialog() {
  QString folder =
      file_.path().isEmpty() ? study::studiesFolder() : QFileInfo(file_.path()).absolutePath();
  if (!QFileInfo(folder).isDir())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = dialogs_.openFileName(tr("Open Study"), folder, studyFilter());
  return !path.isEmpty() && openStudy(path);
}

void StudyNotebook::restoreFromRecovery(const study::RecoveryCopy::Orphan &orphan) {
  file_.forget();
  saved_ = Study{};
  if (!orphan.sourcePath.isEmpty()) {
    // When the file is gone or broken, the notes are saved anew.
    QByteArray bytes;
    study::StudyReadResult onDisk = study::readStudyFile(orphan.sourcePath, &bytes);
    if (onDisk.study) {
      file_.adopt(orphan.sourcePath, bytes);
      saved_ = *onDisk.study;
    }
  }
  showStudy(orphan.study);
  // This run's own copy protects the notes before the old one goes; if it
  // cannot be written, the old one stays for the next start.
  if (!hasUnsavedChanges() || recovery_.write(study(), file_.path()).isEmpty())
    study::RecoveryCopy::discard(orphan);
}

bool StudyNotebook::save() {
  return file_.path().isEmpty() || file_.isReadOnly() ? saveAs() : writeTo(file_.path());
}

// Read-only, the study is saved beside the file another copy has open.
bool StudyNotebook::saveAs() { return saveAsChosen(file_.isReadOnly()); }

bool StudyNotebook::saveAsChosen(bool elsewhere) {
  if (file_.path().isEmpty())
    QDir().mkpath(study::studiesFolder()); // so that the chooser can open it
  const QString path = dialogs_.saveFileName(
      tr("Save Study"),
      file_.proposedPath(study(), QLatin1String(study::kStudyFileSuffix), elsewhere),
      studyFilter());
  return !path.isEmpty() && writeTo(path);
}

bool StudyNotebook::writeTo(const QString &path) {
  if (const QString refused = file_.refusal(path, false, recovery_.folder()); !refused.isEmpty()) {
    warn(refused);
    return false;
  }
  const bool ownFile = file_.shows(path);
  if (ownFile && file_.changedElsewhere()) {
    const int answer = dialogs_.choose(
        tr("The study file was changed by another program since it was opened. Overwrite it, "
           "save as another file, or cancel?"),
        tr("Study Notebook"), {tr("&Overwrite"), tr("&Save As…"), tr("Cancel")}, 1);
    if (answer == 1)
      return saveAsChosen(true);
    if (answer != 0)
      return false;
  }
  // Another file's lock first, so that no other copy opens it half-written.
  study::StudyLock lock = ownFile ? study::StudyLock() : study::StudyLock::take(path);
  if (lock.state() == study::StudyLock::State::HeldElsewhere) {
    warn(file_.refusal(path, false, recovery_.folder()));
    return false;
  }
  Study s = study();
  s.lastSaved = study::nowToTheSecond();
  const QString error = study::writeStudyFile(s, path, writeBytes);
  if (!error.isEmpty()) {
    warn(error);
    writeRecoveryCopy(); // now, not in a moment: the notes are only here
    return false;
  }
  file_.wrote(path, std::move(lock), study::studyToJson(s));
  study::rememberRecentStudy(path);
  saved_ = s;
  page_->showLastSaved(s.lastSaved);
  edited(); // no unsaved changes now: the recovery copy goes
  statusBar()->showMessage(tr("Saved as %1.").arg(QDir::toNativeSeparators(file_.path())), 5000);
  return true;
}

void StudyNotebook::takeFromWorkbench() {
  if (!workbench_)
    return;
  const std::optional<study::Valuation> valuation = workbench_();
  if (!valuation || valuation->isEmpty()) {
    dialogs_.message(tr("The Valuation Workbench has no figures yet. Work out a value there first, "
                        "then take its figures again."),
                     tr("Study Notebook"), platform::MessageButtons::Ok,
                     platform::MessageIcon::Information);
    return;
  }
  page_->takeValuation(*valuation);
}

void StudyNotebook::takeFigures(const study::Figures &figures) {
  page_->takeFigures(figures);
  statusBar()->showMessage(tr("The figures of %1 were taken into the study.").arg(figures.company),
                           5000);
}

void StudyNotebook::print() {
  QPrinter printer(QPrinter::HighResolution);
  // The print dialog's "Print to file" offers the document's name with .pdf
  // for its suffix: the same name as Export as PDF.
  printer.setDocName(
      QFileInfo(file_.proposedPath(study(), QLatin1String(study::kStudyFileSuffix))).fileName());
  if (dialogs_.choosePrinter(printer, tr("Print Study")))
    study::printStudy(study(), printer);
}

void StudyNotebook::exportPdf() {
  exportAs(tr("Export as PDF"), QStringLiteral("pdf"), tr("PDF documents (*.pdf)"),
           &study::exportStudyPdf);
}

void StudyNotebook::exportMarkdown() {
  exportAs(tr("Export as Markdown"), QStringLiteral("md"), tr("Markdown (*.md)"),
           &study::exportStudyMarkdown);
}

void StudyNotebook::exportAs(const QString &title, const QString &suffix, const QString &filter,
                             QString (*write)(const study::Study &, const QString &)) {
  const QString path = dialogs_.saveFileName(title, file_.proposedPath(study(), suffix), filter);
  if (path.isEmpty())
    return;
  QString error = file_.refusal(path, true, recovery_.folder());
  if (error.isEmpty())
    error = write(study(), path);
  if (!error.isEmpty())
    warn(error);
  else
    statusBar()->showMessage(tr("Exported to %1.").arg(QDir::toNativeSeparators(path)), 5000);
}

void StudyNotebook::closeEvent(QCloseEvent *event) {
  if (!maybeSave()) {
    event->ignore();
    return;
  }
  event->accept();
  // Closed, the notebook holds no file: its lock goes, and the study opened
  // again is read anew.
  file_.forget();
  updateTitle();
}

} // namespace kelvo::app
