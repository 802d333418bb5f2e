// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// The Valuation Workbench's two speed figures, each beside a baseline run in
// the same process:
// - opening: construct, fill from the calculator page, show and paint the
//   first frame, against a bare window with one label built the same way;
// - a keystroke in an input: every result, the grid and the chart recomputed
//   and repainted, against the same keystroke in a lone line edit.
#include "workbench/valuation_workbench.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using Clock = std::chrono::steady_clock;

namespace {

constexpr int kOpenRuns = 40;
constexpr int kKeyRuns = 400;

double millis(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double worst(const std::vector<double> &v) { return *std::max_element(v.begin(), v.end()); }

// Sees the first paint of a window.
class PaintSeen final : public QObject {
public:
  bool seen = false;

protected:
  bool eventFilter(QObject *, QEvent *event) override {
    if (event->type() == QEvent::Paint)
      seen = true;
    return false;
  }
};

// Build, show, and run the event loop until the window painted.
double openOnce(const std::function<QWidget *()> &build) {
  const auto t0 = Clock::now();
  std::unique_ptr<QWidget> w(build());
  PaintSeen paint;
  w->installEventFilter(&paint);
  w->show();
  while (!paint.seen)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
  const double ms = millis(t0, Clock::now());
  w->close();
  w.reset();
  QCoreApplication::processEvents();
  return ms;
}

// One keystroke into `edit` and the repaint it causes; alternates a digit and
// Backspace so the text stays short.
std::vector<double> keystrokes(QLineEdit *edit) {
  std::vector<double> times;
  for (int i = 0; i < kKeyRuns; ++i) {
    QCoreApplication::processEvents();
    const auto t0 = Clock::now();
    if (i % 2 == 0)
      QTest::keyClick(edit, Qt::Key_5);
    else
      QTest::keyClick(edit, Qt::Key_Backspace);
    QCoreApplication::processEvents(); // the repaint the keystroke scheduled
    times.push_back(millis(t0, Clock::now()));
  }
  return times;
}

QLineEdit *byName(QWidget *w, const QString &name) {
  for (QLineEdit *e : w->findChildren<QLineEdit *>())
    if (e->accessibleName() == name)
      return e;
  return nullptr;
}

const kelvo::valuation::CalculatorFields kPage{"4", "20", "1,000,000", "", "100", ""};

} // namespace

int main(int argc, char **argv) {
  QApplication app(argc, argv);

  auto workbench = [] {
    auto *w = new kelvo::app::ValuationWorkbench;
    w->fillFromCalculator(kPage);
    return static_cast<QWidget *>(w);
  };
  auto bare = [] {
    auto *w = new QWidget(nullptr, Qt::Window);
    w->setWindowTitle(QStringLiteral("Bare"));
    auto *layout = new QVBoxLayout(w);
    layout->addWidget(new QLabel(QStringLiteral("A bare window")));
    return w;
  };

  // The first of each is the cold open a user meets after the shortcut.
  const double firstBare = openOnce(bare);
  const double firstWorkbench = openOnce(workbench);
  std::vector<double> bareOpen, workbenchOpen;
  for (int i = 0; i < kOpenRuns; ++i) {
    bareOpen.push_back(openOnce(bare));
    workbenchOpen.push_back(openOnce(workbench));
  }

  std::printf("Valuation Workbench (%s platform)\n", qPrintable(QGuiApplication::platformName()));
  std::printf("open to first paint   first %6.1f ms, median %6.1f ms, worst %6.1f ms "
              "(target < 100 ms)\n",
              firstWorkbench, median(workbenchOpen), worst(workbenchOpen));
  std::printf("  bare window         first %6.1f ms, median %6.1f ms; ratio of medians %.2fx\n",
              firstBare, median(bareOpen), median(workbenchOpen) / median(bareOpen));

  std::unique_ptr<QWidget> w(workbench());
  w->show();
  if (!QTest::qWaitForWindowExposed(w.get()))
    return 1;
  QLineEdit *price = byName(w.get(), QStringLiteral("Current price"));
  price->setText(QStringLiteral("150"));
  QLineEdit *growth = byName(w.get(), QStringLiteral("Growth rate (% a year)"));
  growth->setFocus();
  growth->end(false);
  const std::vector<double> recompute = keystrokes(growth);

  QWidget lone;
  auto *layout = new QVBoxLayout(&lone);
  auto *edit = new QLineEdit(QStringLiteral("14"));
  layout->addWidget(edit);
  lone.show();
  if (!QTest::qWaitForWindowExposed(&lone))
    return 1;
  edit->setFocus();
  const std::vector<double> baseline = keystrokes(edit);

  std::printf("keystroke, recompute  median %6.3f ms, worst %6.3f ms (target < 5 ms)\n",
              median(recompute), worst(recompute));
  std::printf("  lone line edit      median %6.3f ms, worst %6.3f ms; ratio of medians %.1fx\n",
              median(baseline), worst(baseline), median(recompute) / median(baseline));
  return 0;
}
