// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Listing a folder of 1,000 studies, each with a page of notes per step and a
// valuation, as the Studies window does: the first listing (files just
// written, so in the page cache) and the median of later ones.
#include "study/study_list.h"
#include "study/study_file.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kelvo::study;

int main(int argc, char **argv) {
  QCoreApplication app(argc, argv);
  constexpr int kStudies = 1000;
  constexpr int kRuns = 11;
  QTemporaryDir dir;

  Study study;
  study.companyName = QStringLiteral("A Listed Company Incorporated");
  study.begun = QDateTime::currentDateTime().addDays(-30);
  study.lastSaved = QDateTime::currentDateTime();
  for (QString &notes : study.notes)
    notes =
        QStringLiteral("A sentence of notes about the business and its prospects. ").repeated(25);
  for (int i = 0; i < 6; ++i)
    study.valuation.inputs.append(
        {QStringLiteral("Input %1").arg(i), QStringLiteral("$%1.00").arg(i)});
  for (int i = 0; i < 4; ++i)
    study.valuation.results.append({QStringLiteral("Method %1").arg(i), QStringLiteral("$62.10"),
                                    QStringLiteral("25%"), QStringLiteral("$46.58")});
  study.verdict = Verdict::BuyBelow;
  study.buyBelowPrice = QStringLiteral("$50.00");
  for (int i = 0; i < kStudies; ++i) {
    study.symbol = QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0'));
    const QString error =
        writeStudyFile(study, dir.filePath(proposedFileName(study, QDate(2026, 3, 7))));
    if (!error.isEmpty()) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
  }
  const qint64 bytes =
      QFileInfo(dir.filePath(QStringLiteral("S0000 2026-03-07.kelvostudy"))).size();

  std::vector<double> ms;
  for (int run = 0; run < kRuns; ++run) {
    QElapsedTimer timer;
    timer.start();
    const qsizetype listed = listStudies(dir.path()).size();
    ms.push_back(double(timer.nsecsElapsed()) / 1e6);
    if (listed != kStudies) {
      std::fprintf(stderr, "listed %lld of %d studies\n", static_cast<long long>(listed), kStudies);
      return 1;
    }
  }
  const double first = ms.front();
  std::sort(ms.begin(), ms.end());
  std::printf("Listing %d studies of %lld bytes each: first %.1f ms, median %.1f ms "
              "(target under 1000 ms: %.0f%% of it)\n",
              kStudies, static_cast<long long>(bytes), first, ms[ms.size() / 2],
              100.0 * ms[ms.size() / 2] / 1000.0);
  return 0;
}
