// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/study_export.h"

#include "platform/atomic_save.h"
#include "study/markdown_text.h"
#include "study/study_file.h"
#include "study/verdicts.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

namespace kelvo::study {

namespace {

// Named directly, not through an alias, so that lupdate files the texts
// under the context tr() looks them up in.
class Texts {
  Q_DECLARE_TR_FUNCTIONS(StudyExport)
};

// What the reader sees of a study, worked out once for every format.
struct Outline {
  QString title;
  QString company;
  QString begun;
  QString lastSaved;
  QString verdict;
  QString reasoning;
};

QString longDate(const QDateTime &when) {
  if (!when.isValid())
    return Texts::tr("not yet saved");
  return QLocale().toString(when.date(), QLocale::LongFormat);
}

Outline outlineOf(const Study &study) {
  Outline outline;
  const QString symbol = study.symbol.trimmed();
  const QString name = study.companyName.trimmed();
  if (!symbol.isEmpty() && !name.isEmpty())
    outline.company = Texts::tr("%1 (%2)").arg(name, symbol);
  else if (!name.isEmpty() || !symbol.isEmpty())
    outline.company = name.isEmpty() ? symbol : name;
  outline.title = outline.company.isEmpty() ? Texts::tr("Company Study")
                                            : Texts::tr("Company Study: %1").arg(outline.company);
  outline.begun = Texts::tr("Begun: %1").arg(longDate(study.begun));
  outline.lastSaved = Texts::tr("Last saved: %1").arg(longDate(study.lastSaved));
  outline.verdict = verdictSentence(study.verdict, study.buyBelowPrice);
  outline.reasoning = study.reasoning.trimmed();
  return outline;
}

// Typed text as paragraphs: a blank line parts them, a single line break
// stays a line break. Empty for a text of blanks alone.
QString htmlParagraphs(const QString &text) {
  QString plain = text.trimmed();
  if (plain.isEmpty())
    return {};
  plain.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  // Qt's own conversion, without the line feeds it puts between its tags.
  return Qt::convertFromPlainText(plain, Qt::WhiteSpaceNormal).remove(u'\n');
}

} // namespace

QStringList resultHeadings() {
  return {Texts::tr("Method"), Texts::tr("Value per share"), Texts::tr("Margin of safety"),
          Texts::tr("Buy below")};
}

namespace {

// The figures' origin, one line: "Apple Inc., CIK 320193, downloaded 2026-03-07".
QString figuresSource(const Figures &figures) {
  QString line = Texts::tr("%1, CIK %2, reported to the SEC, downloaded %3")
                     .arg(figures.company, QString::number(figures.cik), figures.downloaded);
  if (figures.adjustedForSplits)
    line += Texts::tr("; earlier years adjusted for splits");
  return line;
}

QString figuresMarkdown(const Figures &figures) {
  QString md = QStringLiteral("\n## %1\n\n%2  \n%3\n\n")
                   .arg(markdownHeading(Texts::tr("Reported figures")),
                        markdownText(figuresSource(figures)), markdownText(figures.amounts));
  QStringList head{QString()}, rule{QStringLiteral("---")};
  for (const QString &year : figures.years) {
    head << markdownSpan(year);
    rule << QStringLiteral("--:");
  }
  md += QStringLiteral("| %1 |\n|%2|\n")
            .arg(head.join(QLatin1String(" | ")), rule.join(QLatin1Char('|')));
  for (const FiguresRow &row : figures.rows) {
    QStringList cells{markdownSpan(row.heading)};
    for (const QString &cell : row.cells)
      cells << markdownSpan(cell);
    md += QStringLiteral("| %1 |\n").arg(cells.join(QLatin1String(" | ")));
  }
  for (const QString &note : figures.notes)
    md += QStringLiteral("\n%1\n").arg(markdownText(note));
  return md;
}

QString figuresHtml(const Figures &figures) {
  QString html = QStringLiteral("<h2>%1</h2><p>%2<br>%3</p>")
                     .arg(Texts::tr("Reported figures").toHtmlEscaped(),
                          figuresSource(figures).toHtmlEscaped(), figures.amounts.toHtmlEscaped());
  QString rows = QStringLiteral("<tr><th></th>");
  for (const QString &year : figures.years)
    rows += QStringLiteral("<th align=\"right\">%1</th>").arg(year.toHtmlEscaped());
  rows += QLatin1String("</tr>");
  for (const FiguresRow &row : figures.rows) {
    rows += QStringLiteral("<tr><td>%1</td>").arg(row.heading.toHtmlEscaped());
    for (const QString &cell : row.cells)
      rows += QStringLiteral("<td align=\"right\">%1</td>").arg(cell.toHtmlEscaped());
    rows += QLatin1String("</tr>");
  }
  // Ten years and more across a page: a smaller type keeps them on it.
  html += QStringLiteral("<table class=\"figures\" border=\"1\" cellspacing=\"0\" "
                         "cellpadding=\"2\" width=\"100%\">%1</table>")
              .arg(rows);
  for (const QString &note : figures.notes)
    html += QStringLiteral("<p>%1</p>").arg(note.toHtmlEscaped());
  return html;
}

} // namespace

QString noteStepTitle(NoteStep step) {
  switch (step) {
  case NoteStep::Company:
    return Texts::tr("The Company");
  case NoteStep::Advantages:
    return Texts::tr("Competitive Advantages");
  case NoteStep::Management:
    return Texts::tr("Management");
  case NoteStep::BargainPrice:
    break;
  }
  return Texts::tr("Bargain Price");
}

QString studyToMarkdown(const Study &study) {
  const Outline outline = outlineOf(study);
  QString md = QStringLiteral("# %1\n\n").arg(markdownHeading(outline.title));
  md += QStringLiteral("%1  \n%2\n")
            .arg(markdownText(outline.begun), markdownText(outline.lastSaved));

  for (int step = 0; step < kNoteStepCount; ++step) {
    md += QStringLiteral("\n## %1\n\n").arg(markdownHeading(noteStepTitle(NoteStep(step))));
    const QString notes = markdownText(study.notes[step]);
    md += (notes.isEmpty() ? QStringLiteral("*%1*").arg(Texts::tr("No notes.")) : notes) +
          QLatin1Char('\n');
  }

  md += QStringLiteral("\n## %1\n\n").arg(markdownHeading(Texts::tr("Valuation")));
  if (study.valuation.isEmpty())
    md += QStringLiteral("*%1*\n").arg(Texts::tr("No valuation was taken from the workbench."));
  if (!study.valuation.inputs.isEmpty()) {
    md += QStringLiteral("| %1 | %2 |\n|---|--:|\n").arg(Texts::tr("Input"), Texts::tr("Value"));
    for (const ValuationInput &input : study.valuation.inputs)
      md +=
          QStringLiteral("| %1 | %2 |\n").arg(markdownSpan(input.label), markdownSpan(input.value));
  }
  if (!study.valuation.results.isEmpty()) {
    const QStringList headings = resultHeadings();
    md += QStringLiteral("\n| %1 |\n|---|--:|--:|--:|\n").arg(headings.join(QLatin1String(" | ")));
    for (const ValuationResult &result : study.valuation.results)
      md += QStringLiteral("| %1 | %2 | %3 | %4 |\n")
                .arg(markdownSpan(result.method), markdownSpan(result.value),
                     markdownSpan(result.margin), markdownSpan(result.buyBelow));
  }

  if (!study.figures.isEmpty())
    md += figuresMarkdown(study.figures);

  md += QStringLiteral("\n## %1\n\n**%2**\n")
            .arg(markdownHeading(Texts::tr("Verdict")), markdownSpan(outline.verdict));
  if (!outline.reasoning.isEmpty())
    md += QStringLiteral("\n%1\n").arg(markdownText(outline.reasoning));
  return md;
}

QString studyToHtml(const Study &study) {
  const Outline outline = outlineOf(study);
  QString html =
      QStringLiteral("<html><head><meta charset=\"utf-8\"><title>%1</title></head><body>")
          .arg(outline.title.toHtmlEscaped());
  html += QStringLiteral("<h1>%1</h1>").arg(outline.title.toHtmlEscaped());
  html += QStringLiteral("<p class=\"dates\">%1<br>%2</p>")
              .arg(outline.begun.toHtmlEscaped(), outline.lastSaved.toHtmlEscaped());

  for (int step = 0; step < kNoteStepCount; ++step) {
    html += QStringLiteral("<h2>%1</h2>").arg(noteStepTitle(NoteStep(step)).toHtmlEscaped());
    const QString notes = htmlParagraphs(study.notes[step]);
    html += notes.isEmpty()
                ? QStringLiteral("<p class=\"empty\"><i>%1</i></p>").arg(Texts::tr("No notes."))
                : notes;
  }

  html += QStringLiteral("<h2>%1</h2>").arg(Texts::tr("Valuation").toHtmlEscaped());
  if (study.valuation.isEmpty())
    html += QStringLiteral("<p class=\"empty\"><i>%1</i></p>")
                .arg(Texts::tr("No valuation was taken from the workbench.").toHtmlEscaped());
  const QString table = QStringLiteral(
      "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\" width=\"100%\">%1</table>"
      // QTextDocument keeps no margin below a table: a small blank line stands in.
      "<p class=\"gap\">&nbsp;</p>");
  if (!study.valuation.inputs.isEmpty()) {
    QString rows = QStringLiteral("<tr><th align=\"left\">%1</th><th align=\"right\">%2</th></tr>")
                       .arg(Texts::tr("Input").toHtmlEscaped(), Texts::tr("Value").toHtmlEscaped());
    for (const ValuationInput &input : study.valuation.inputs)
      rows += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td></tr>")
                  .arg(input.label.toHtmlEscaped(), input.value.toHtmlEscaped());
    html += table.arg(rows);
  }
  if (!study.valuation.results.isEmpty()) {
    const QStringList headings = resultHeadings();
    QString rows =
        QStringLiteral("<tr><th align=\"left\">%1</th>").arg(headings[0].toHtmlEscaped());
    for (int i = 1; i < headings.size(); ++i)
      rows += QStringLiteral("<th align=\"right\">%1</th>").arg(headings[i].toHtmlEscaped());
    rows += QLatin1String("</tr>");
    for (const ValuationResult &result : study.valuation.results)
      rows += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td>"
                             "<td align=\"right\">%4</td></tr>")
                  .arg(result.method.toHtmlEscaped(), result.value.toHtmlEscaped(),
                       result.margin.toHtmlEscaped(), result.buyBelow.toHtmlEscaped());
    html += table.arg(rows);
  }

  if (!study.figures.isEmpty())
    html += figuresHtml(study.figures);

  html += QStringLiteral("<h2>%1</h2><p><b>%2</b></p>")
              .arg(Texts::tr("Verdict").toHtmlEscaped(), outline.verdict.toHtmlEscaped());
  if (!outline.reasoning.isEmpty())
    html += htmlParagraphs(outline.reasoning);
  html += QLatin1String("</body></html>");
  return html;
}

void printStudy(const Study &study, QPagedPaintDevice &device) {
  QTextDocument document;
  document.setDefaultStyleSheet(QStringLiteral(
      "h1 { font-size: 18pt; margin-bottom: 4pt; }"
      "h2 { font-size: 13pt; margin-top: 18pt; margin-bottom: 4pt; }"
      "p { font-size: 10.5pt; }"
      "p.dates { color: #555555; }"
      "p.empty { color: #777777; }"
      "p.gap { font-size: 4pt; }"
      "table { border-collapse: collapse; border-style: solid; border-color: #999999; "
      "font-size: 10pt; }"
      "th { background-color: #eeeeee; }"
      "table.figures { font-size: 7pt; }"));
  document.setHtml(studyToHtml(study));
  document.setMetaInformation(QTextDocument::DocumentTitle, outlineOf(study).title);
  document.print(&device);
}

QString exportStudyPdf(const Study &study, const QString &path) {
  const auto failed = [&path](const QString &reason) {
    return Texts::tr("The study could not be exported as “%1”: %2.")
        .arg(QDir::toNativeSeparators(path), reason);
  };
  const QString error = platform::saveAtomically(path, [&study](QSaveFile &file) {
    QPdfWriter writer(&file);
    writer.setTitle(outlineOf(study).title);
    writer.setCreator(QStringLiteral("Kelvo Training Wizard"));
    writer.setPageSize(QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem
                                     ? QPageSize::Letter
                                     : QPageSize::A4));
    writer.setResolution(300);
    printStudy(study, writer);
    return true; // the writer tells nothing; the commit finds a failed write
  });
  return error.isEmpty() ? QString() : failed(writeFailureReason(path, error));
}

QString exportStudyMarkdown(const Study &study, const QString &path) {
  const QString error = platform::saveAtomically(path, studyToMarkdown(study).toUtf8());
  if (!error.isEmpty())
    return Texts::tr("The study could not be exported as “%1”: %2.")
        .arg(QDir::toNativeSeparators(path), writeFailureReason(path, error));
  return {};
}

} // namespace kelvo::study
