// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/history_help.h"

#include "filings/filings_cache.h"
#include "filings/sec_contact.h"
#include "platform/settings_file.h"

#include <QCoreApplication>
#include <QDir>

namespace kelvo::app {

namespace {

class HelpTexts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::app::FinancialHistoryHelp)
};

QString paragraph(const QString &text) { return QStringLiteral("<p>%1</p>").arg(text); }

QString folder(const QString &path) {
  return QStringLiteral("<code>%1</code>").arg(QDir::toNativeSeparators(path).toHtmlEscaped());
}

} // namespace

QString financialHistoryHelp() {
  QString html = QStringLiteral("<h3>%1</h3>").arg(HelpTexts::tr("Financial History"));
  html += paragraph(HelpTexts::tr(
      "The figures are those the company reported in its annual reports to the U.S. Securities "
      "and Exchange Commission (SEC), from the SEC's free company facts. They are downloaded "
      "only when you press “Download from the SEC”: first the SEC's list of symbols (kept for "
      "up to 7 days), then the company's facts (kept for a day, then asked about again). Each "
      "request names this program and the contact e-mail you type, as the SEC asks of every "
      "program; the e-mail is sent to the SEC and nowhere else. “Open a downloaded file…” reads "
      "company facts you saved from a browser, without any network."));
  // The formulas of the worked-out rows are in their headings' tooltips: the
  // box stays short enough for a small screen at a large scale factor.
  html += paragraph(HelpTexts::tr(
      "Rest the pointer on a cell (or read its description) to see the tag, period, form, "
      "filing date and accession number it comes from, or why it is empty. A figure in italics "
      "was restated: a later report gave another value. Companies' stock splits are not "
      "adjusted in the filings; where one seems to have happened, the window says so, and "
      "“Adjust earlier years for splits” makes the per-share figures comparable."));
  html += paragraph(HelpTexts::tr("The downloaded documents are kept in %1. The contact e-mail "
                                  "is kept in %2. “Export as CSV…” writes only where you choose.")
                        .arg(folder(filings::FiguresCache::defaultFolder()),
                             folder(platform::settingsFilePath())));
  return html;
}

} // namespace kelvo::app
