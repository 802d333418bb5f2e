// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening Financial History from the kept copies, without any request: a
// typical company's facts (3 MB) and the SEC's list of symbols (10,000 rows)
// are in the cache, and each run builds the window, follows the wizard's
// company, reads both copies and paints the first frame with the table.
#include "facts_generator.h"
#include "filings/filings_cache.h"
#include "filings/sec_client.h"
#include "filings/sec_documents.h"
#include "filings/sec_endpoints.h"
#include "financial_history/financial_history_window.h"
#include "first_paint.h"
#include "platform/dialogs.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kelvo::filings;

namespace {

constexpr qsizetype kTypicalFactsBytes = 3 * 1000 * 1000;
constexpr qint64 kGeneratedCik = 999999; // the generator's company
constexpr int kRuns = 15;

class NoDialogs final : public kelvo::platform::Dialogs {
public:
  kelvo::platform::MessageAnswer message(const QString &, const QString &,
                                         kelvo::platform::MessageButtons,
                                         kelvo::platform::MessageIcon) override {
    return kelvo::platform::MessageAnswer::Ok;
  }
  QString input(const QString &, const QString &, const QString &) override { return {}; }
};

bool keep(const FiguresCache &cache, SecDocument document, qint64 cik, const QByteArray &body) {
  const QUrl url = documentUrl(*currentEndpoints(), document, cik);
  return cache
      .write(documentFileName(document, cik), {body, url, QDateTime::currentDateTimeUtc(), {}, {}})
      .isEmpty();
}

} // namespace

int main(int argc, char **argv) {
  QTemporaryDir home;
  qputenv("XDG_CACHE_HOME", home.filePath(QStringLiteral("cache")).toUtf8());
  qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
  QApplication app(argc, argv);

  QByteArray list = kelvo::bench::generatedSymbolList(10'000);
  list.replace("\"data\":[", "\"data\":[[999999,\"Generated Holdings Inc.\",\"GENH\",\"NYSE\"],");
  const QByteArray facts = kelvo::bench::generatedCompanyFacts(kTypicalFactsBytes);
  const FiguresCache cache;
  if (!keep(cache, SecDocument::SymbolList, 0, list) ||
      !keep(cache, SecDocument::CompanyFacts, kGeneratedCik, facts)) {
    std::fprintf(stderr, "the cache could not be written\n");
    return 1;
  }

  NoDialogs dialogs;
  SecClient source;
  std::vector<double> ms;
  for (int run = 0; run < kRuns + 1; ++run) {
    QElapsedTimer timer;
    timer.start();
    kelvo::app::FinancialHistoryWindow window(dialogs, source);
    window.followCompany(QStringLiteral("GENH"), QStringLiteral("Generated Holdings"));
    QuitAfterFirstPaint painted;
    window.installEventFilter(&painted);
    window.show();
    app.exec();
    if (!window.hasFigures()) {
      std::fprintf(stderr, "the kept figures were not shown\n");
      return 1;
    }
    if (run > 0) // the first warms the caches
      ms.push_back(double(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  std::printf("Financial History from the cache (%.1f MB facts, 10,000 symbols, %d runs)\n",
              double(facts.size()) / 1e6, kRuns);
  std::printf("  %-34s %8.1f ms   (target: < 100 ms)\n", "window shown, median", ms[ms.size() / 2]);
  return 0;
}
