// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One document for the reader of a study: Markdown, HTML for QTextDocument,
// print and PDF. All show the same content in the same order: the title, the
// company, the dates, the notes under each step, the valuation and the verdict.

#include "study/study.h"

#include <QString>

class QPagedPaintDevice;

namespace kelvo::study {

// The heading of a step's notes: "The Company", "Competitive Advantages",
// "Management", "Bargain Price", translated.
QString noteStepTitle(NoteStep step);

// The headings of the results table, wherever it is shown: "Method", "Value
// per share", "Margin of safety", "Buy below", translated.
QStringList resultHeadings();

QString studyToMarkdown(const Study &study);

// HTML for QTextDocument; every text of the study is escaped.
QString studyToHtml(const Study &study);

// Lays the study out on the device's pages (a QPrinter or a QPdfWriter).
void printStudy(const Study &study, QPagedPaintDevice &device);

// Writes a PDF atomically. Returns an empty string on success, else a whole
// sentence for the user.
QString exportStudyPdf(const Study &study, const QString &path);

// Writes the Markdown atomically, in UTF-8. Empty on success, else a sentence.
QString exportStudyMarkdown(const Study &study, const QString &path);

} // namespace kelvo::study
