// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a large company's facts and building its history table on one
// core, the memory that takes, and loading and searching the SEC's list of
// symbols; all on documents generated at run time in the sizes the SEC
// serves. The peak memory is measured in a child process of its own, so
// that generating the document does not count.
#include "facts_generator.h"
#include "filings/history_table.h"
#include "filings/symbol_list.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <sched.h>
#include <vector>

using namespace kelvo::filings;
using namespace kelvo::bench;

namespace {

constexpr qsizetype kFactsBytes = 20 * 1000 * 1000;
constexpr qsizetype kTypicalFactsBytes = 3 * 1000 * 1000;
constexpr int kSymbols = 10'000;
constexpr int kRuns = 7;

volatile qsizetype gSink; // keeps the work from being optimised away

double medianMs(const std::function<qsizetype()> &work) {
  std::vector<double> ms;
  for (int run = 0; run < kRuns; ++run) {
    QElapsedTimer timer;
    timer.start();
    gSink = work();
    ms.push_back(double(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

// The process's peak resident memory so far, in bytes (VmHWM).
qint64 peakBytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly))
    return -1;
  for (const QByteArray &line : status.readAll().split('\n'))
    if (line.startsWith("VmHWM:"))
      return line.mid(6).trimmed().split(' ').value(0).toLongLong() * 1024;
  return -1;
}

// In the child: the file read into memory, its facts read and the table
// built; prints how far that raised the peak.
int measurePeak(const QString &path) {
  const qint64 before = peakBytes();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return 1;
  const QByteArray body = file.readAll();
  const CompanyFactsRead read = readCompanyFacts(body);
  if (!read.facts)
    return 1;
  gSink = historyTable(*read.facts).years.size();
  std::printf("%lld\n", static_cast<long long>(peakBytes() - before));
  return 0;
}

double nanosPerLookup(const SymbolList &list) {
  std::vector<QString> symbols;
  for (int row = 0; row < kSymbols; ++row) {
    symbols.push_back(QString::fromLatin1(generatedSymbol(row)));
    symbols.push_back(symbols.back() + QLatin1Char('Q')); // a miss next to every hit
  }
  constexpr int kRounds = 20;
  qsizetype found = 0;
  QElapsedTimer timer;
  timer.start();
  for (int round = 0; round < kRounds; ++round)
    for (const QString &symbol : symbols)
      found += list.find(symbol) != nullptr;
  gSink = found;
  return double(timer.nsecsElapsed()) / (double(kRounds) * double(symbols.size()));
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  if (argc == 3 && QByteArray(argv[1]) == "--peak")
    return measurePeak(QString::fromLocal8Bit(argv[2]));

  cpu_set_t one;
  CPU_ZERO(&one);
  CPU_SET(0, &one);
  sched_setaffinity(0, sizeof one, &one); // the work on one core

  const QByteArray facts = generatedCompanyFacts(kFactsBytes);
  const double mb = double(facts.size()) / 1e6;
  const double jsonMs = medianMs([&] { return QJsonDocument::fromJson(facts).object().size(); });
  const double readMs = medianMs([&] { return readCompanyFacts(facts).facts->concepts.size(); });
  const double tableMs =
      medianMs([&] { return historyTable(*readCompanyFacts(facts).facts).years.size(); });
  std::printf("company facts (%.1f MB, one core, median of %d)\n", mb, kRuns);
  std::printf("  %-34s %8.1f ms\n", "QJsonDocument::fromJson alone", jsonMs);
  std::printf("  %-34s %8.1f ms\n", "readCompanyFacts", readMs);
  std::printf("  %-34s %8.1f ms   (target under 300 ms: %.0f%% of it)\n",
              "read and build the table", tableMs, 100 * tableMs / 300);
  const QByteArray typical = generatedCompanyFacts(kTypicalFactsBytes);
  const double typicalMs =
      medianMs([&] { return historyTable(*readCompanyFacts(typical).facts).years.size(); });
  std::printf("  %-34s %8.1f ms   (the window opens from the cache in under 100 ms)\n",
              "the same for a typical 3 MB", typicalMs);

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("facts.json"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(facts) != facts.size())
    return 1;
  file.close();
  QProcess child;
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--peak"), path});
  if (!child.waitForFinished(120'000) || child.exitCode() != 0)
    return 1;
  const double peak = child.readAllStandardOutput().trimmed().toDouble();
  std::printf("  %-34s %8.1f MB   (%.2f times the file; target under 3)\n",
              "peak memory of that work", peak / 1e6, peak / double(facts.size()));

  const QByteArray symbols = generatedSymbolList(kSymbols);
  const double listMs = medianMs([&] { return readSymbolList(symbols).list->size(); });
  const SymbolListRead list = readSymbolList(symbols);
  std::printf("symbol list (%d rows, %.0f KB)\n", kSymbols, double(symbols.size()) / 1e3);
  std::printf("  %-34s %8.1f ms   (target under 100 ms)\n", "readSymbolList", listMs);
  std::printf("  %-34s %8.1f ns   (target under 1 ms)\n", "SymbolList::find, hits and misses",
              nanosPerLookup(*list.list));
  return 0;
}
