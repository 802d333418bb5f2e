// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/history_loader.h"

#include "filings/company_names.h"
#include "filings/sec_contact.h"
#include "platform/settings_file.h"

#include <QDir>
#include <utility>

namespace kelvo::app {

using namespace kelvo::filings;

// The body checks parse what they check and keep it here, so that the
// figures are read once however the body arrives (kept or downloaded).
struct HistoryLoader::Parsed {
  QByteArray listBody;
  std::optional<SymbolList> list;
  QByteArray factsBody;
  std::optional<CompanyFacts> facts;
};

namespace {

// The same bytes: usually the very same buffer, else compared.
bool sameBody(const QByteArray &a, const QByteArray &b) {
  return a.constData() == b.constData() || a == b;
}

// What a body check read from `body` when it saw these bytes, else what
// `read` makes of them now; the check's copy is let go either way.
template <class T, class Read>
std::optional<T> takeParsed(std::optional<T> &parsed, QByteArray &parsedBody,
                            const QByteArray &body, Read read) {
  std::optional<T> taken =
      parsed && sameBody(body, parsedBody) ? std::exchange(parsed, std::nullopt) : read(body);
  parsed.reset();
  parsedBody.clear();
  return taken;
}

std::optional<SymbolList> listIn(const QByteArray &body) { return readSymbolList(body).list; }
std::optional<CompanyFacts> factsIn(const QByteArray &body) { return readCompanyFacts(body).facts; }

QString dayOf(const QDateTime &when) { return when.toLocalTime().date().toString(Qt::ISODate); }

QString confirmedKey(const ListedCompany &company) {
  return company.symbol + QLatin1Char(' ') + QString::number(company.cik);
}

} // namespace

HistoryLoader::HistoryLoader(FiguresSource &source, QObject *parent)
    : QObject(parent), source_(source), parsed_(std::make_shared<Parsed>()) {
  connect(&source_, &FiguresSource::finished, this, &HistoryLoader::sourceFinished);
  connect(&source_, &FiguresSource::progress, this, [this](qint64 received, qint64 total) {
    if (isBusy())
      emit progress(received, total);
  });
}

HistoryLoader::~HistoryLoader() {
  if (isBusy())
    source_.cancel();
}

FetchRequest HistoryLoader::request(SecDocument document, qint64 cik) const {
  FetchRequest request{document, cik, contact_, {}};
  const std::shared_ptr<Parsed> parsed = parsed_;
  if (document == SecDocument::SymbolList) {
    request.check = [parsed](const QByteArray &body) {
      SymbolListRead read = readSymbolList(body);
      if (!read.list)
        return read.error;
      parsed->listBody = body;
      parsed->list = std::move(read.list);
      return QString();
    };
  } else {
    request.check = [parsed, cik](const QByteArray &body) {
      CompanyFactsRead read = readCompanyFacts(body);
      if (!read.facts)
        return read.error;
      if (cik != 0 && read.facts->cik != cik)
        return tr("It holds the figures of %1 (CIK %2), not of the company with CIK %3.")
            .arg(read.facts->entityName)
            .arg(read.facts->cik)
            .arg(cik);
      parsed->factsBody = body;
      parsed->facts = std::move(read.facts);
      return QString();
    };
  }
  return request;
}

void HistoryLoader::setStage(Stage stage, const QString &what) {
  const bool wasBusy = isBusy();
  stage_ = stage;
  if (isBusy() || wasBusy)
    emit busyChanged(isBusy() ? what : QString());
}

void HistoryLoader::setCompany(const QString &symbol, const QString &name) {
  if (symbol == symbol_ && name == name_)
    return;
  symbol_ = symbol;
  name_ = name;
  // A question about the company chosen before is no longer the user's.
  withdrawQuestion();
}

void HistoryLoader::withdrawQuestion() {
  if (stage_ != Stage::Confirming)
    return;
  pending_.reset();
  setStage(Stage::Idle);
  emit confirmationAsked({}, {});
}

const ListedCompany *HistoryLoader::keptCompany() {
  if (!list_) {
    const FetchResult kept = source_.cached(request(SecDocument::SymbolList, 0));
    if (kept.hasBody())
      list_ = takeParsed(parsed_->list, parsed_->listBody, kept.body, listIn);
  }
  return list_ && !symbol_.trimmed().isEmpty() ? list_->find(symbol_) : nullptr;
}

bool HistoryLoader::showKept() {
  if (isBusy() || stage_ == Stage::Confirming)
    return false;
  const ListedCompany *company = keptCompany();
  if (!company)
    return false;
  if (needsConfirmation(*company)) {
    goOnWith(*company, false);
    return true;
  }
  const FetchResult kept = source_.cached(request(SecDocument::CompanyFacts, company->cik));
  if (!kept.hasBody())
    return false;
  showFacts(kept, company->symbol);
  return true;
}

void HistoryLoader::download(const QString &contact) {
  if (isBusy())
    return;
  if (symbol_.trimmed().isEmpty()) {
    emit said(tr("Choose a company in the wizard first: there is no symbol to look up."));
    return;
  }
  if (!isPlausibleContact(contact)) {
    emit said(secErrorMessage(SecError::NoContact, SecDocument::CompanyFacts));
    return;
  }
  contact_ = contact.trimmed();
  withdrawQuestion();
  emit said(storeContact(contact_)
                ? QString()
                : tr("The contact could not be kept in “%1”, so it is used for this download "
                     "only.")
                      .arg(QDir::toNativeSeparators(platform::settingsFilePath())));
  fetch(SecDocument::SymbolList, 0);
}

void HistoryLoader::fetch(SecDocument document, qint64 cik) {
  const bool list = document == SecDocument::SymbolList;
  setStage(list ? Stage::List : Stage::Facts, list ? tr("Getting the SEC's list of symbols…")
                                                   : tr("Getting the figures of CIK %1…").arg(cik));
  if (!source_.fetch(request(document, cik))) {
    setStage(Stage::Idle);
    emit said(tr("Another download is still running: wait for it to end, or cancel it."));
  }
}

void HistoryLoader::sourceFinished(const FetchResult &result) {
  if (stage_ == Stage::List && result.document == SecDocument::SymbolList)
    listArrived(result);
  else if (stage_ == Stage::Facts && result.document == SecDocument::CompanyFacts)
    factsArrived(result);
}

void HistoryLoader::listArrived(const FetchResult &result) {
  setStage(Stage::Idle);
  if (result.hasBody())
    if (std::optional<SymbolList> list =
            takeParsed(parsed_->list, parsed_->listBody, result.body, listIn))
      list_ = std::move(list);
  if (!result.hasBody() || !list_) {
    emit said(result.message);
    return;
  }
  // A kept list that could not be renewed still maps symbols well enough.
  const ListedCompany *company = list_->find(symbol_);
  if (!company) {
    emit said(
        secErrorMessage(SecError::SymbolNotListed, SecDocument::SymbolList, secSymbol(symbol_)));
    return;
  }
  goOnWith(*company, true);
}

bool HistoryLoader::needsConfirmation(const ListedCompany &company) const {
  // Without a name in the wizard there is nothing the SEC's name could contradict.
  return !name_.trimmed().isEmpty() && !sameCompanyName(name_, company.name) &&
         !confirmed_.contains(confirmedKey(company));
}

void HistoryLoader::goOnWith(const ListedCompany &company, bool fetching) {
  if (needsConfirmation(company)) {
    pending_ = company;
    pendingFetch_ = fetching;
    setStage(Stage::Confirming);
    emit confirmationAsked(otherCompanyMessage(secSymbol(symbol_), company.name, name_.trimmed()),
                           company.name);
    return;
  }
  if (fetching) {
    factsSymbol_ = company.symbol;
    fetch(SecDocument::CompanyFacts, company.cik);
    return;
  }
  const FetchResult kept = source_.cached(request(SecDocument::CompanyFacts, company.cik));
  if (kept.hasBody())
    showFacts(kept, company.symbol);
  else
    emit said(tr("No figures of %1 are kept on this computer yet: press “Download from the "
                 "SEC” to get them.")
                  .arg(company.name));
}

void HistoryLoader::confirmOtherCompany() {
  if (stage_ != Stage::Confirming || !pending_)
    return;
  const ListedCompany company = *pending_;
  withdrawQuestion();
  confirmed_.insert(confirmedKey(company));
  goOnWith(company, pendingFetch_);
}

void HistoryLoader::factsArrived(const FetchResult &result) {
  setStage(Stage::Idle);
  if (!result.hasBody()) {
    emit said(result.message);
    return;
  }
  showFacts(result, factsSymbol_);
  QStringList sentences{result.message, result.note};
  if (result.error != SecError::None)
    sentences << tr("The figures shown are the copy downloaded %1.").arg(dayOf(result.downloaded));
  sentences.removeAll(QString());
  emit said(sentences.join(QLatin1Char(' ')));
}

void HistoryLoader::showFacts(const FetchResult &result, const QString &symbol,
                              const QString &file) {
  const std::optional<CompanyFacts> facts =
      takeParsed(parsed_->facts, parsed_->factsBody, result.body, factsIn);
  if (!facts)
    return;
  LoadedFigures figures{annualFigures(*facts), symbol, result.origin, result.downloaded, file};
  emit loaded(figures);
}

void HistoryLoader::openFile(const QString &path) {
  if (isBusy())
    return;
  const FetchResult result = readDownloadedFile(path, request(SecDocument::CompanyFacts, 0));
  if (!result.hasBody()) {
    emit said(result.message);
    return;
  }
  withdrawQuestion();
  showFacts(result, {}, path);
  emit said({});
}

void HistoryLoader::cancel() {
  if (isBusy())
    source_.cancel(); // finished() follows with the sentence for it
}

} // namespace kelvo::app
