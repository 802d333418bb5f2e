// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The head of Financial History: the SEC's name for the company, its CIK,
// symbol, fiscal year end and currency, and where the figures come from
// ("Figures reported in annual reports to the SEC, downloaded DATE").

#include "filings/history_table.h"
#include "financial_history/history_loader.h"

#include <QWidget>

class QLabel;

namespace kelvo::app {

// A line of plain text the user can select and copy, wrapped, named `name`.
QLabel *plainLine(const char *name);

class HistoryHeader final : public QWidget {
  Q_OBJECT
public:
  explicit HistoryHeader(QWidget *parent = nullptr);

  void showFigures(const LoadedFigures &loaded, const filings::HistoryTable &table);
  // Nothing shown yet for the wizard's company, named by its symbol.
  void showNone(const QString &symbol);

  QString text() const; // every line, for tests and tools

private:
  QLabel *company_;
  QLabel *details_;
  QLabel *source_;
};

} // namespace kelvo::app
