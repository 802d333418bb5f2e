// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history table in the forms it leaves the window in: CSV for "Export
// as CSV…", tab-separated text for Copy, and JSON for the study.

#include "filings/history_table.h"

#include <QByteArray>
#include <QDate>
#include <QJsonObject>
#include <QString>

namespace kelvo::filings {

// CSV (RFC 4180, UTF-8, CRLF) for a spreadsheet: a header row "Figure,Unit,
// FY2019,…", then one row per figure with its unit ("USD millions", "USD per
// share", "millions", "%", "years") and plain numbers in that unit without
// thousands separators ("2806.5", "-3.28", "15.3"); an empty cell is empty.
QByteArray historyCsv(const HistoryTable &table);

// The table as shown, for the clipboard: the company, the amounts line,
// then the headings and cells separated by tabs, and the notes below.
QString historyText(const HistoryTable &table);

// The table as shown, for the study's "figures" key:
//   {"cik": 320193, "company": "Apple Inc.", "currency": "USD",
//    "downloaded": "2026-03-07", "amounts": "Amounts in USD millions, …",
//    "years": ["FY2019", …],
//    "rows": [{"heading": "Revenue", "cells": ["260,174.0", …],
//              "tags": ["us-gaap:Revenues", …]}, …],   (a derived row has no tags)
//    "notes": ["Possible 4-for-1 split …"], "adjustedForSplits": false}
// Each cell is its text as shown; "tags" has one entry per year, "" where
// the cell is empty.
QJsonObject historyJson(const HistoryTable &table, const QDate &downloaded);

} // namespace kelvo::filings
