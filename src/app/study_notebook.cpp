// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/study_notebook.h"

#include "platform/dialogs.h"
#include "study/study_export.h"
#include "study/study_file.h"
#include "widgets/window_pattern.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace kelvo::app {

using study::NoteStep;
using study::Study;
using study::Verdict;

namespace {

// A moment to the second, as the study file keeps it.
QDateTime nowToTheSecond() {
  QDateTime now = QDateTime::currentDateTime();
  return now.addMSecs(-now.time().msec());
}

// The standard shortcuts of the desktop, with the one the program documents
// first when the desktop's scheme lacks it.
QList<QKeySequence> shortcutsWith(QKeySequence::StandardKey key, const QKeySequence &documented) {
  QList<QKeySequence> keys = QKeySequence::keyBindings(key);
  if (!keys.contains(documented))
    keys.prepend(documented);
  return keys;
}

// "Begun" and "Last saved" in one format, the one the list of studies shows.
QString shownMoment(const QDateTime &when) {
  return QLocale().toString(when, QLocale::ShortFormat);
}

QString studyFilter() {
  return StudyNotebook::tr("Studies (*.%1)").arg(QLatin1String(study::kStudyFileSuffix));
}

void fillRow(QTableWidget *table, int row, const QStringList &texts) {
  for (int column = 0; column < texts.size(); ++column)
    table->setItem(row, column, new QTableWidgetItem(texts[column]));
}

} // namespace

StudyNotebook::StudyNotebook(platform::Dialogs &dialogs, WorkbenchSource workbench,
                             CompanySource wizardCompany, QWidget *parent)
    : QMainWindow(parent), dialogs_(dialogs), workbench_(std::move(workbench)),
      wizardCompany_(std::move(wizardCompany)) {
  widgets::letReturnPressButtons(*this);
  buildActions();

  heading_ = new QLabel;
  QFont big = heading_->font();
  big.setPointSizeF(big.pointSizeF() * 1.4);
  big.setBold(true);
  heading_->setFont(big);
  heading_->setTextInteractionFlags(Qt::TextSelectableByMouse);

  // In the order of the printed study: the company and the verdict side by
  // side, the notes of the four steps, then the valuation.
  auto *top = new QHBoxLayout;
  top->addWidget(buildCompanyPart(), 1);
  top->addWidget(buildVerdictPart(), 1);

  auto *page = new QWidget;
  auto *outer = new QVBoxLayout(page);
  outer->addWidget(heading_);
  outer->addLayout(top);
  outer->addWidget(buildNotesPart(), 1);
  outer->addWidget(buildValuationPart());
  auto *scroll = new QScrollArea;
  scroll->setWidget(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);

  // Above the scrolling page, so that it stays in view: why Save goes to
  // Save As while another copy of the program has the study open.
  readOnlyBar_ = new QLabel(tr("Another copy of Kelvo Wizard has this study open, so it is "
                               "read-only here: Save keeps your changes in another file."));
  readOnlyBar_->setObjectName(QStringLiteral("readOnlyBar"));
  readOnlyBar_->setAccessibleName(tr("Read-only notice"));
  readOnlyBar_->setWordWrap(true);
  readOnlyBar_->setMargin(8);
  readOnlyBar_->setFrameShape(QFrame::StyledPanel);
  readOnlyBar_->setAutoFillBackground(true); // the palette's tooltip pair, light or dark
  readOnlyBar_->setBackgroundRole(QPalette::ToolTipBase);
  readOnlyBar_->setForegroundRole(QPalette::ToolTipText);
  readOnlyBar_->hide();
  auto *central = new QWidget;
  auto *column = new QVBoxLayout(central);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(readOnlyBar_);
  column->addWidget(scroll, 1);
  setCentralWidget(central);
  statusBar();

  // A recovery copy within seconds of a change, but not on every key: the
  // timer starts at the first change and is not restarted by the next ones.
  recoveryTimer_.setSingleShot(true);
  recoveryTimer_.setInterval(2000);
  connect(&recoveryTimer_, &QTimer::timeout, this, &StudyNotebook::writeRecoveryCopy);

  Study fresh;
  fresh.begun = nowToTheSecond();
  saved_ = fresh;
  showStudy(fresh);
  // Within the screen at any scale factor; the contents scroll when it is small.
  resize(QSize(1040, 820).boundedTo(screen()->availableGeometry().size() * 0.9));
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
      shortcutsWith(QKeySequence::New, QKeySequence(Qt::CTRL | Qt::Key_N)));
  add(tr("&Open Study…"), &StudyNotebook::openStudyDialog,
      shortcutsWith(QKeySequence::Open, QKeySequence(Qt::CTRL | Qt::Key_O)));
  file->addSeparator();
  add(tr("&Save"), &StudyNotebook::save,
      shortcutsWith(QKeySequence::Save, QKeySequence(Qt::CTRL | Qt::Key_S)));
  add(tr("Save &As…"), &StudyNotebook::saveAs,
      shortcutsWith(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
  file->addSeparator();
  add(tr("&Print…"), &StudyNotebook::print,
      shortcutsWith(QKeySequence::Print, QKeySequence(Qt::CTRL | Qt::Key_P)));
  add(tr("Export as P&DF…"), &StudyNotebook::exportPdf);
  add(tr("Export as Mar&kdown…"), &StudyNotebook::exportMarkdown);
  file->addSeparator();
  add(tr("S&tudies…"), &StudyNotebook::studiesRequested);
  file->addSeparator();
  add(tr("&Close"), &StudyNotebook::close,
      shortcutsWith(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)));
}

Study StudyNotebook::study() const {
  Study s;
  s.symbol = symbol_->text();
  s.companyName = companyName_->text();
  s.begun = begun_;
  s.lastSaved = lastSaved_;
  for (int i = 0; i < study::kNoteStepCount; ++i)
    s.notes[i] = notes_[i]->toPlainText();
  s.valuation = valuation_;
  s.verdict = Verdict(verdicts_->checkedId());
  s.buyBelowPrice = buyBelow_->text();
  s.reasoning = reasoning_->text();
  return s;
}

void StudyNotebook::showStudy(const Study &s) {
  showing_ = true;
  symbol_->setText(s.symbol);
  companyName_->setText(s.companyName);
  begun_ = s.begun;
  lastSaved_ = s.lastSaved;
  for (int i = 0; i < study::kNoteStepCount; ++i)
    notes_[i]->setPlainText(s.notes[i]);
  valuation_ = s.valuation;
  showValuation(valuation_);
  verdicts_->button(int(s.verdict))->setChecked(true);
  buyBelow_->setText(s.buyBelowPrice);
  reasoning_->setText(s.reasoning);
  showing_ = false;
  begunLabel_->setText(shownMoment(begun_));
  showSavedDate();
  showVerdictState();
  edited();
}

void StudyNotebook::showSavedDate() {
  savedLabel_->setText(lastSaved_.isValid() ? shownMoment(lastSaved_) : tr("Not saved yet"));
}

void StudyNotebook::showVerdictState() {
  buyBelow_->setEnabled(verdicts_->checkedId() == int(Verdict::BuyBelow));
}

void StudyNotebook::showValuation(const study::Valuation &valuation) {
  inputsTable_->setRowCount(int(valuation.inputs.size()));
  for (int row = 0; row < valuation.inputs.size(); ++row) {
    const study::ValuationInput &input = valuation.inputs[row];
    fillRow(inputsTable_, row, {input.label, input.value});
  }
  resultsTable_->setRowCount(int(valuation.results.size()));
  for (int row = 0; row < valuation.results.size(); ++row) {
    const study::ValuationResult &result = valuation.results[row];
    fillRow(resultsTable_, row, {result.method, result.value, result.margin, result.buyBelow});
  }
  inputsTable_->resizeColumnsToContents();
  resultsTable_->resizeColumnsToContents();
  inputsTable_->setVisible(!valuation.inputs.isEmpty());
  resultsTable_->setVisible(!valuation.results.isEmpty());
  if (!valuation.isEmpty())
    valuationHint_->setText(tr("The figures as the Valuation Workbench showed them:"));
  else if (workbench_)
    valuationHint_->setText(tr("No figures yet: take them from the Valuation Workbench."));
  else
    valuationHint_->setText(tr("No figures: there is no Valuation Workbench to take them from."));
}

void StudyNotebook::showHeading() {
  const QString symbol = symbol_->text().trimmed();
  const QString name = companyName_->text().trimmed();
  if (!symbol.isEmpty() && !name.isEmpty())
    heading_->setText(tr("Study of %1 (%2)").arg(name, symbol));
  else if (!symbol.isEmpty() || !name.isEmpty())
    heading_->setText(tr("Study of %1").arg(name.isEmpty() ? symbol : name));
  else
    heading_->setText(tr("Study of a company not named yet"));
}

void StudyNotebook::updateTitle() {
  const QString name = path_.isEmpty() ? tr("Untitled") : QFileInfo(path_).fileName();
  setWindowTitle(readOnly_ ? tr("Study Notebook - %1 (read-only)[*]").arg(name)
                           : tr("Study Notebook - %1[*]").arg(name));
  setWindowModified(hasUnsavedChanges());
  readOnlyBar_->setVisible(readOnly_);
}

bool StudyNotebook::shows(const QString &path) const {
  return !path_.isEmpty() && study::isSameFile(path, path_);
}

// The notebook's file becomes `path`, read or written as `bytes`: its lock
// is taken (read-only when another copy holds it) and the old one released.
void StudyNotebook::adoptFile(const QString &path, const QByteArray &bytes) {
  study::StudyLock lock = study::StudyLock::take(path);
  readOnly_ = lock.state() == study::StudyLock::State::HeldElsewhere;
  lock_ = std::move(lock);
  path_ = QFileInfo(path).absoluteFilePath();
  stamp_ = study::FileStamp::of(bytes);
}

void StudyNotebook::forgetFile() {
  lock_ = study::StudyLock();
  path_.clear();
  stamp_ = {};
  readOnly_ = false;
}

// Why a save or an export must not write `path`, or nothing when it may:
// another copy of the program has it open, the recovery copies are kept
// there, or (for an export) it is the very study shown.
QString StudyNotebook::refusal(const QString &path, bool exporting) const {
  const QString name = QFileInfo(path).fileName();
  if (shows(path) ? readOnly_ : study::StudyLock::isHeldElsewhere(path))
    return tr("“%1” is open in another copy of Kelvo Wizard. Save the study under another "
              "name, or close it there first.")
        .arg(name);
  if (study::isSameFile(QFileInfo(path).absolutePath(), recovery_.folder()))
    return tr("“%1” is in the folder of the recovery copies, which the program empties by "
              "itself. Please choose another folder.")
        .arg(name);
  if (exporting && shows(path))
    return tr("“%1” is the study shown here: an export would replace its notes. Please "
              "choose another name.")
        .arg(name);
  return {};
}

void StudyNotebook::warn(const QString &text) {
  dialogs_.message(text, tr("Study Notebook"), platform::MessageButtons::Ok,
                   platform::MessageIcon::Warning);
}

// After every change, by the user or by loading a study.
void StudyNotebook::edited() {
  if (showing_)
    return;
  showHeading();
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
  const QString error = recovery_.write(study(), path_);
  if (!error.isEmpty())
    statusBar()->showMessage(error);
}

bool StudyNotebook::maybeSave() {
  if (!hasUnsavedChanges())
    return true;
  const QString name = companyName_->text().trimmed().isEmpty() ? symbol_->text().trimmed()
                                                                : companyName_->text().trimmed();
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
  fresh.begun = nowToTheSecond();
  forgetFile();
  saved_ = fresh;
  showStudy(fresh);
  // What comes first in a new study is the company: typing goes there at once.
  notes_[int(NoteStep::Company)]->setFocus(Qt::OtherFocusReason);
  return true;
}

void StudyNotebook::newFromWizard() {
  const Company company = wizardCompany_ ? wizardCompany_() : Company{};
  newStudy(company.symbol, company.name);
}

bool StudyNotebook::openStudy(const QString &path) {
  // Reading the study shown again would put the file's older text in place
  // of the notes not saved yet.
  if (shows(path))
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
  if (shows(path)) // the notes were saved as that very file just now
    return true;
  // Read again after the question: saving may have written the file.
  QByteArray bytes;
  const study::StudyReadResult again = read(&bytes);
  if (!again.study)
    return false;
  adoptFile(path, bytes);
  saved_ = *again.study;
  showStudy(saved_);
  return true;
}

bool StudyNotebook::openStudyDialog() {
  QString folder = path_.isEmpty() ? study::studiesFolder() : QFileInfo(path_).absolutePath();
  if (!QFileInfo(folder).isDir())
    folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  const QString path = dialogs_.openFileName(tr("Open Study"), folder, studyFilter());
  return !path.isEmpty() && openStudy(path);
}

void StudyNotebook::restoreFromRecovery(const study::RecoveryCopy::Orphan &orphan) {
  forgetFile();
  saved_ = Study{};
  if (!orphan.sourcePath.isEmpty()) {
    // When the file is gone or broken, the notes are saved anew.
    QByteArray bytes;
    study::StudyReadResult onDisk = study::readStudyFile(orphan.sourcePath, &bytes);
    if (onDisk.study) {
      adoptFile(orphan.sourcePath, bytes);
      saved_ = *onDisk.study;
    }
  }
  showStudy(orphan.study);
  // This run's own copy protects the notes before the old one goes; if it
  // cannot be written, the old one stays for the next start.
  if (!hasUnsavedChanges() || recovery_.write(study(), path_).isEmpty())
    study::RecoveryCopy::discard(orphan);
}

bool StudyNotebook::askToRecover(platform::Dialogs &dialogs,
                                 const study::RecoveryCopy::Orphan &orphan) {
  QDateTime when = QFileInfo(orphan.recoveryPath).lastModified();
  if (!when.isValid())
    when = orphan.study.begun;
  const QString symbol = orphan.study.symbol.isEmpty() ? tr("no symbol") : orphan.study.symbol;
  const QString text = tr("Kelvo Wizard found notes that were not saved when it last ended "
                          "(%1, %2). Recover them?")
                           .arg(symbol, QLocale().toString(when, QLocale::ShortFormat));
  return dialogs.message(text, platform::kAppTitle, platform::MessageButtons::RecoverDiscard) !=
         platform::MessageAnswer::Discard;
}

bool StudyNotebook::save() { return path_.isEmpty() || readOnly_ ? saveAs() : writeTo(path_); }

// Read-only, the study is saved beside the file another copy has open.
bool StudyNotebook::saveAs() { return saveAsChosen(readOnly_); }

bool StudyNotebook::saveAsChosen(bool elsewhere) {
  if (path_.isEmpty())
    QDir().mkpath(study::studiesFolder()); // so that the chooser can open it
  const QString path = dialogs_.saveFileName(
      tr("Save Study"), proposedPath(QLatin1String(study::kStudyFileSuffix), elsewhere),
      studyFilter());
  return !path.isEmpty() && writeTo(path);
}

bool StudyNotebook::writeTo(const QString &path) {
  if (const QString refused = refusal(path, false); !refused.isEmpty()) {
    warn(refused);
    return false;
  }
  const bool ownFile = shows(path);
  if (ownFile && study::FileStamp::ofFile(path) != stamp_) {
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
    warn(refusal(path, false));
    return false;
  }
  Study s = study();
  s.lastSaved = nowToTheSecond();
  const QString error = study::writeStudyFile(s, path, writeBytes);
  if (!error.isEmpty()) {
    warn(error);
    writeRecoveryCopy(); // now, not in a moment: the notes are only here
    return false;
  }
  if (!ownFile) {
    lock_ = std::move(lock);
    readOnly_ = false;
    path_ = QFileInfo(path).absoluteFilePath();
  }
  stamp_ = study::FileStamp::of(study::studyToJson(s));
  saved_ = s;
  lastSaved_ = s.lastSaved;
  showSavedDate();
  edited(); // no unsaved changes now: the recovery copy goes
  statusBar()->showMessage(tr("Saved as %1.").arg(QDir::toNativeSeparators(path_)), 5000);
  return true;
}

QString StudyNotebook::proposedPath(const QString &suffix, bool elsewhere) const {
  const QFileInfo base(path_.isEmpty()
                           ? QDir(study::studiesFolder())
                                 .filePath(study::proposedFileName(study(), QDate::currentDate()))
                           : path_);
  QString proposed = base.dir().filePath(base.completeBaseName() + QLatin1Char('.') + suffix);
  for (int n = 2; elsewhere && QFileInfo::exists(proposed); ++n)
    proposed = base.dir().filePath(
        QStringLiteral("%1 (%2).%3").arg(base.completeBaseName()).arg(n).arg(suffix));
  return proposed;
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
  valuation_ = *valuation;
  showValuation(valuation_);
  edited();
}

void StudyNotebook::print() {
  QPrinter printer(QPrinter::HighResolution);
  // The print dialog's "Print to file" offers the document's name with .pdf
  // for its suffix: the same name as Export as PDF.
  printer.setDocName(QFileInfo(proposedPath(QLatin1String(study::kStudyFileSuffix))).fileName());
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
  const QString path = dialogs_.saveFileName(title, proposedPath(suffix), filter);
  if (path.isEmpty())
    return;
  QString error = refusal(path, true);
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
  forgetFile();
  updateTitle();
}

} // namespace kelvo::app
