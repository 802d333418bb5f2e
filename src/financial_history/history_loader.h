// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How Financial History gets a company's figures: the SEC's list of symbols
// maps the wizard's symbol to a company number (CIK), then the company's
// facts are fetched by that number. Kept copies are shown without asking
// anyone; a download happens only when the user asks for it, names the
// user's contact, and goes one request at a time. When the SEC lists the
// symbol under another company than the wizard's, no figures are shown
// until the user confirms that company. No widgets: the window shows what
// this says.

#include "filings/annual_values.h"
#include "filings/figures_source.h"
#include "filings/symbol_list.h"

#include <QDateTime>
#include <QObject>
#include <QSet>
#include <memory>
#include <optional>

namespace kelvo::app {

// A company's annual figures as they were read, and where they came from.
struct LoadedFigures {
  filings::AnnualFigures annual;
  QString symbol; // the SEC's symbol they were found under; empty for a file
  filings::FetchOrigin origin = filings::FetchOrigin::None;
  QDateTime downloaded; // UTC; for a file, when it was saved
  QString file;         // the file the user opened
};

class HistoryLoader final : public QObject {
  Q_OBJECT
public:
  explicit HistoryLoader(filings::FiguresSource &source, QObject *parent = nullptr);
  ~HistoryLoader() override;

  // The wizard's company: what the figures are looked up for.
  void setCompany(const QString &symbol, const QString &name);

  // Shows the kept copies of the wizard's company without any request
  // (loaded(), or a question about another company); false when nothing of
  // it is kept.
  bool showKept();
  // "Download from the SEC": the contact is stored, then the list of
  // symbols and the company's facts are fetched, each from a fresh kept copy
  // when there is one.
  void download(const QString &contact);
  // The user wants the figures of the company the SEC lists under the
  // symbol, which is not the wizard's.
  void confirmOtherCompany();
  // "Open a downloaded file…": a company-facts document saved from a browser.
  void openFile(const QString &path);
  void cancel();
  bool isBusy() const { return stage_ == Stage::List || stage_ == Stage::Facts; }

signals:
  // What is being downloaded, or an empty text when nothing is any more.
  void busyChanged(const QString &what);
  void progress(qint64 received, qint64 total); // total is -1 while unknown
  void loaded(const kelvo::app::LoadedFigures &figures);
  // A sentence about the last action for the window to show; empty clears it.
  void said(const QString &message);
  // "The SEC lists HCP as HashiCorp, Inc., not Health Care Property": the
  // figures wait until confirmOtherCompany(). An empty text withdraws it.
  void confirmationAsked(const QString &question, const QString &company);

private:
  enum class Stage { Idle, List, Facts, Confirming };
  struct Parsed; // what the body checks read, so that a body is parsed once

  const filings::ListedCompany *keptCompany();
  void fetch(filings::SecDocument document, qint64 cik);
  void sourceFinished(const filings::FetchResult &result);
  void listArrived(const filings::FetchResult &result);
  void factsArrived(const filings::FetchResult &result);
  // Goes on from the list to the company: asks about another company, or
  // gets its facts (kept, or fetched when `fetching`).
  void goOnWith(const filings::ListedCompany &company, bool fetching);
  bool needsConfirmation(const filings::ListedCompany &company) const;
  void showFacts(const filings::FetchResult &result, const QString &symbol,
                 const QString &file = {});
  void setStage(Stage stage, const QString &what = {});
  // Takes back the question about another company, when one is asked.
  void withdrawQuestion();
  filings::FetchRequest request(filings::SecDocument document, qint64 cik) const;

  filings::FiguresSource &source_;
  std::shared_ptr<Parsed> parsed_;
  QString symbol_;
  QString name_;
  QString contact_;
  Stage stage_ = Stage::Idle;
  std::optional<filings::SymbolList> list_;
  std::optional<filings::ListedCompany> pending_; // waiting for confirmation
  bool pendingFetch_ = false;                     // and then to be downloaded
  QString factsSymbol_;                           // the symbol of the facts on the way
  QSet<QString> confirmed_;                       // "SYMBOL CIK" the user accepted
};

} // namespace kelvo::app
