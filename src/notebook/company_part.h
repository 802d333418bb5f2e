// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The notebook's company: the symbol and the company name, each kept to one
// line, and when the study was begun and last saved.

#include <QDateTime>
#include <QGroupBox>

class QLabel;
class QLineEdit;

namespace kelvo::app {

class CompanyPart final : public QGroupBox {
  Q_OBJECT
public:
  explicit CompanyPart(QWidget *parent = nullptr);

  QString symbol() const;
  QString name() const;
  void setCompany(const QString &symbol, const QString &name);
  // "Begun" and "Last saved" in one format, the one the list of studies
  // shows; an invalid time as not saved yet.
  void showBegun(const QDateTime &when);
  void showLastSaved(const QDateTime &when);

signals:
  // The symbol or the name changed, by the user or by setCompany.
  void edited();

private:
  QLineEdit *symbol_;
  QLineEdit *name_;
  QLabel *begun_;
  QLabel *saved_;
};

} // namespace kelvo::app
