// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Studies window listing a folder of 1,000 studies, as the user waits for
// it when the window is shown: reading the folder, filling the rows, sorting
// and fitting the columns. Printed beside reading the folder alone.
#include "notebook/studies_window.h"
#include "study/study_file.h"
#include "study/study_list.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTreeView>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace kelvo;

namespace {

double medianMs(int runs, const std::function<void()> &work) {
  std::vector<double> ms;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer timer;
    timer.start();
    work();
    ms.push_back(double(timer.nsecsElapsed()) / 1e6);
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  constexpr int kStudies = 1000;
  constexpr int kRuns = 11;
  QTemporaryDir dir;

  study::Study s;
  s.companyName = QStringLiteral("A Listed Company Incorporated");
  s.begun = QDateTime::currentDateTime().addDays(-30);
  for (QString &notes : s.notes)
    notes = QStringLiteral("A sentence of notes about the business. ").repeated(40);
  for (int i = 0; i < kStudies; ++i) {
    s.symbol = QStringLiteral("S%1").arg(i, 4, 10, QLatin1Char('0'));
    s.lastSaved = QDateTime::currentDateTime().addSecs(-i * 97 % 5000);
    s.verdict = study::Verdict(i % 3);
    s.buyBelowPrice = QStringLiteral("$%1.50").arg(i % 300);
    const QString error =
        study::writeStudyFile(s, dir.filePath(s.symbol + QStringLiteral(".kelvostudy")));
    if (!error.isEmpty()) {
      std::fprintf(stderr, "%s\n", qPrintable(error));
      return 1;
    }
  }

  platform::ScriptedDialogs dialogs;
  platform::RecordingDesktop desktop;
  app::StudiesWindow window(dialogs, desktop, dir.path());
  window.show(); // lists once
  if (window.view()->model()->rowCount() != kStudies) {
    std::fprintf(stderr, "listed %d of %d studies\n", window.view()->model()->rowCount(), kStudies);
    return 1;
  }
  const double folderOnly = medianMs(kRuns, [&] { study::listStudies(dir.path()); });
  const double whole = medianMs(kRuns, [&] { window.refresh(); });
  std::printf("Studies window listing %d studies: median %.1f ms (reading the folder alone "
              "%.1f ms, %.2fx; target under 1000 ms: %.0f%% of it)\n",
              kStudies, whole, folderOnly, whole / folderOnly, 100.0 * whole / 1000.0);
  return 0;
}
