// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// Times every handler of the real main window that runs without a pause of
// its own, as the user's event triggers it, with dialogs answered by script
// and the desktop recording. Reports median and worst per handler, for the
// handler alone and with the repaint it causes.
#include "directory/company_directory.h"
#include "support/recording_desktop.h"
#include "support/scripted_dialogs.h"
#include "wizard/steps.h"
#include "wizard_window/appearance.h"
#include "wizard_window/main_window.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

using namespace kelvo::app;
using namespace kelvo::directory;
using namespace kelvo::platform;
using namespace kelvo::wizard;
namespace wizard = kelvo::wizard;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRuns = 300;
constexpr double kFrameUs = 1e6 / 60;

struct Timing {
  std::vector<double> handler, withPaint;
};

double micros(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::micro>(b - a).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

struct Bench {
  ScriptedDialogs dialogs;
  RecordingDesktop desktop;
  MainWindow window{dialogs, desktop};

  template <class T = QWidget> T *get(const char *name) {
    return window.control<T>(QString::fromLatin1(name));
  }
  void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }

  // `prepare` sets the scene untimed; `act` is the user's event.
  Timing measure(const std::function<void(int)> &prepare, const std::function<void(int)> &act) {
    Timing t;
    for (int i = 0; i < kRuns; ++i) {
      prepare(i);
      QCoreApplication::processEvents();
      dialogs.clear();
      desktop.log.clear();
      const auto t0 = Clock::now();
      act(i);
      const auto t1 = Clock::now();
      QCoreApplication::processEvents(); // the repaint the handler scheduled
      const auto t2 = Clock::now();
      t.handler.push_back(micros(t0, t1));
      t.withPaint.push_back(micros(t0, t2));
    }
    return t;
  }
};

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  prepareApplication(app);
  Bench b;
  b.window.show();
  if (!QTest::qWaitForWindowExposed(&b.window))
    return 1;

  std::mt19937 random(20261207);
  auto anyRow = [&] { return int(random() % unsigned(kDirectoryRows)); };
  QLineEdit *symbol = b.get<QLineEdit>("ssymbol");
  QListView *list = b.get<QListView>("List1");
  QPushButton *next = b.get<QPushButton>("cmdNext");
  QPushButton *back = b.get<QPushButton>("cmdBack");
  const auto nothing = [](int) {};

  struct Row {
    const char *name;
    Timing t;
  };
  std::vector<Row> rows;

  // Next from every step but the last, Back from every step but the first;
  // the counts confirm that each press really moved.
  int moved[2] = {0, 0};
  auto toStep = [&](int step) {
    b.click(b.get(QStringLiteral("Label1(%1)").arg(step).toLatin1().constData()));
  };
  rows.push_back({"Next", b.measure([&](int i) { toStep(i % (wizard::kSteps - 1)); },
                                    [&](int) {
                                      const int before = b.window.state().step;
                                      b.click(next);
                                      moved[0] += b.window.state().step == before + 1;
                                    })});
  rows.push_back({"Back", b.measure([&](int i) { toStep(1 + i % (wizard::kSteps - 1)); },
                                    [&](int) {
                                      const int before = b.window.state().step;
                                      b.click(back);
                                      moved[1] += b.window.state().step == before - 1;
                                    })});
  if (moved[0] != kRuns || moved[1] != kRuns) {
    std::fprintf(stderr, "Next moved %d and Back %d of %d times\n", moved[0], moved[1], kRuns);
    return 1;
  }
  rows.push_back(
      {"step click", b.measure(nothing, [&](int i) {
         b.click(
             b.get(QStringLiteral("Label1(%1)").arg(i % wizard::kSteps).toLatin1().constData()));
       })});
  rows.push_back({"list selection", b.measure(nothing, [&](int) {
                    list->selectionModel()->setCurrentIndex(list->model()->index(anyRow(), 0),
                                                            QItemSelectionModel::ClearAndSelect);
                  })});
  // A prefix of some row's list text, in lower case, confirmed with Enter.
  rows.push_back({"prefix search", b.measure(
                                       [&](int) {
                                         std::string text =
                                             listText(kCompanyDirectory[std::size_t(anyRow())]);
                                         text.resize(1 + random() % 6);
                                         symbol->setText(QString::fromStdString(text).toLower());
                                         symbol->setFocus();
                                       },
                                       [&](int) { QTest::keyClick(symbol, Qt::Key_Return); })});
  const char *calculator[] = {"txtIntr", "txtDuration", "txtPresVal", "txtFutrVal", "txtshares"};
  rows.push_back({"estimate", b.measure(
                                  [&](int i) {
                                    const QString typed[] = {QString::number(1 + i % 25),
                                                             QString::number(5 + i % 30),
                                                             QStringLiteral("1,000,000"), QString(),
                                                             QString::number(1000 + i)};
                                    for (int k = 0; k < 5; ++k)
                                      b.get<QLineEdit>(calculator[k])->setText(typed[k]);
                                  },
                                  [&](int) { b.click(b.get("cmdCalcValue")); })});
  rows.push_back(
      {"calculator Clear",
       b.measure([&](int) { b.get<QLineEdit>("txtPresVal")->setText(QStringLiteral("$1,000")); },
                 [&](int) { b.click(b.get("Command9")); })});
  rows.push_back({"company Clear", b.measure([&](int) { b.window.selectRow(anyRow()); },
                                             [&](int) { b.click(b.get("Command7")); })});
  rows.push_back(
      {"R (random company)", b.measure(nothing, [&](int) { b.click(b.get("Command16")); })});

  std::printf("handlers (%d runs each, offscreen, microseconds)\n", kRuns);
  std::printf("  %-20s %10s %10s %14s %14s\n", "handler", "median", "worst", "+paint median",
              "+paint worst");
  const Row *slowest = nullptr;
  double slowestUs = 0;
  for (const Row &r : rows) {
    const double worst = *std::max_element(r.t.handler.begin(), r.t.handler.end());
    const double worstPaint = *std::max_element(r.t.withPaint.begin(), r.t.withPaint.end());
    std::printf("  %-20s %10.0f %10.0f %14.0f %14.0f\n", r.name, median(r.t.handler), worst,
                median(r.t.withPaint), worstPaint);
    if (worstPaint > slowestUs) {
      slowestUs = worstPaint;
      slowest = &r;
    }
  }
  std::printf("  slowest: %s, worst %.0f us with its repaint = %.1f%% of a 16.7 ms frame\n",
              slowest->name, slowestUs, 100 * slowestUs / kFrameUs);
  return 0;
}
