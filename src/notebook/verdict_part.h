// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notebook's verdict: undecided, buy below a price, or pass, with the
// price and the reasoning, each on one line.

#include "study/study.h"

#include <QGroupBox>

class QButtonGroup;
class QLineEdit;

namespace kelvo::app {

class VerdictPart final : public QGroupBox {
  Q_OBJECT
public:
  explicit VerdictPart(QWidget *parent = nullptr);

  study::Verdict verdict() const;
  QString buyBelowPrice() const;
  QString reasoning() const;
  void setVerdict(study::Verdict verdict, const QString &buyBelowPrice, const QString &reasoning);

signals:
  void edited();

private:
  // The price box takes input only for "Buy below a price".
  void showVerdictState();

  QButtonGroup *verdicts_;
  QLineEdit *buyBelow_;
  QLineEdit *reasoning_;
};

} // namespace kelvo::app
