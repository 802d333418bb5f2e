// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A study of one company as a value: what the user wrote per checklist step,
// the valuation they took from the workbench, the company's reported figures
// they took from Financial History, and their verdict. Nothing here
// touches widgets; the notebook window edits a Study and hands it to these
// functions to read, write, recover and export.

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace kelvo::study {

// The checklist steps that take notes, in the wizard's order.
enum class NoteStep { Company = 0, Advantages = 1, Management = 2, BargainPrice = 3 };
inline constexpr int kNoteStepCount = 4;

enum class Verdict { Undecided, BuyBelow, Pass };

// One input of the Valuation Workbench as it was shown: its label and text.
struct ValuationInput {
  QString label;
  QString value;
  bool operator==(const ValuationInput &) const = default;
};

// One method row of the workbench as it was shown: name, value per share,
// margin of safety and buy-below price (texts, possibly a reason in words).
struct ValuationResult {
  QString method;
  QString value;
  QString margin;
  QString buyBelow;
  bool operator==(const ValuationResult &) const = default;
};

// What "Take from Workbench" copies in.
struct Valuation {
  QList<ValuationInput> inputs;
  QList<ValuationResult> results;
  bool isEmpty() const { return inputs.isEmpty() && results.isEmpty(); }
  bool operator==(const Valuation &) const = default;
};

// One row of a company's reported figures as they were shown: its heading,
// one text per fiscal year ("2,806.5", "—"), and the tag each year's figure
// was reported under ("" for a worked-out row or an empty cell).
struct FiguresRow {
  QString heading;
  QStringList cells;
  QStringList tags;
  bool operator==(const FiguresRow &) const = default;
};

// What "Take into Study" copies in from Financial History: the table as it
// was shown, with where it came from.
struct Figures {
  qint64 cik = 0;
  QString symbol;     // the SEC's symbol; empty when the figures came from a file
  QString company;    // the SEC's name for the company
  QString currency;   // "USD", "EUR"
  QString downloaded; // yyyy-MM-dd
  QString amounts;    // "Amounts in USD millions, except per-share figures"
  QStringList years;  // "FY2015", ..., oldest first
  QList<FiguresRow> rows;
  QStringList notes;
  bool adjustedForSplits = false;
  bool isEmpty() const { return years.isEmpty() && rows.isEmpty(); }
  bool operator==(const Figures &) const = default;
};

struct Study {
  QString symbol;
  QString companyName;
  QDateTime begun;     // when the study was begun (local time, saved as ISO 8601 with offset)
  QDateTime lastSaved; // invalid before the first save
  std::array<QString, kNoteStepCount> notes;
  Valuation valuation;
  Figures figures;
  Verdict verdict = Verdict::Undecided;
  QString buyBelowPrice; // as the user typed it, for Verdict::BuyBelow
  QString reasoning;     // one line
  bool operator==(const Study &) const = default;
};

} // namespace kelvo::study
