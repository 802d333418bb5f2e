// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "links/link_descriptions.h"

#include <QCoreApplication>
#include <QList>
#include <array>

namespace kelvo::links {

namespace {

// Through a class, so that lupdate files the texts under the context tr()
// looks them up in.
class Texts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::links::LinkDescriptions)
};

// clang-format off
constexpr std::array kDescriptions = {
    LinkDescription{"Label38", LinkPlace::Welcome, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the maker's web site in your browser.")},
    LinkDescription{"Label2", LinkPlace::Welcome, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Writes to the maker with your mail program.")},
    LinkDescription{"Command5", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens a financial report of the company.")},
    LinkDescription{"Command6", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Looks up the company's symbol by its name.")},
    LinkDescription{"Command10", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the company's filings with the U.S. Securities and Exchange Commission.")},
    LinkDescription{"Command11", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Shows the company's competitors.")},
    LinkDescription{"Command17", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens a quote page for the company.")},
    LinkDescription{"Command19", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the company's profile.")},
    LinkDescription{"Command23", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the news headlines about the company.")},
    LinkDescription{"Command24", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Searches business news for the company.")},
    LinkDescription{"List1", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "A double-click on a company of the list opens a comparison with its competitors.")},
    LinkDescription{"Command28", LinkPlace::Company, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the maker's online tools and asks the browser for its full screen.")},
    LinkDescription{"Command21", LinkPlace::Advantages, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Explains competitive advantages, then searches the Berkshire Hathaway web site for them.")},
    LinkDescription{"cmdBrowseImg", LinkPlace::Advantages, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Searches the web for discussions of the company's competitive advantages.")},
    LinkDescription{"Command2", LinkPlace::Management, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Searches the web for the company's management, competition and legal matters.")},
    LinkDescription{"Command8", LinkPlace::Management, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the company's return on equity and return on assets.")},
    LinkDescription{"Command22", LinkPlace::Management, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Searches the Berkshire Hathaway web site for writing on management.")},
    LinkDescription{"Command3", LinkPlace::BargainPrice, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens reading on the margin of safety.")},
    LinkDescription{"Command4", LinkPlace::BargainPrice, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens an online intrinsic value estimator.")},
    LinkDescription{"Command26", LinkPlace::BargainPrice, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens an estimate of the company's intrinsic value.")},
    LinkDescription{"Command1", LinkPlace::Tools, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the maker's online tools.")},
    LinkDescription{"Command12", LinkPlace::Tools, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens an overview of the markets and their news.")},
    LinkDescription{"Command14", LinkPlace::Tools, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the maker's page.")},
    LinkDescription{"Command18", LinkPlace::Tools, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the New York Times DealBook.")},
    LinkDescription{"Command20", LinkPlace::Tools, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens a discussion group of Berkshire Hathaway shareholders.")},
    LinkDescription{"Command15", LinkPlace::Estimator, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the lecture \"Intelligent Speculation\".")},
    LinkDescription{"Command27", LinkPlace::Estimator, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the company's key statistics, then starts the calculator.")},
    LinkDescription{"picStart", LinkPlace::EveryPage, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "A double-click on the background of a page opens the company's return on equity and return on assets.")},
    LinkDescription{"Label3", LinkPlace::TitleLabel, QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Opens the maker's page in your browser.")},
};

constexpr std::array kPlaceTitles = {
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Welcome"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Company"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Competitive Advantages"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Management"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Bargain Price"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Tools"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Intrinsic Value Estimator"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Every Page"),
    QT_TRANSLATE_NOOP("kelvo::links::LinkDescriptions", "Window Title"),
};
// clang-format on

// One sentence for each input an address reads.
QString inputSentence(LinkInput input) {
  switch (input) {
  case LinkInput::SymbolBox:
    return Texts::tr("It reads the symbol box.");
  case LinkInput::YahooSymbol:
    return Texts::tr("It reads the symbol box, written the way Yahoo Finance writes symbols.");
  case LinkInput::NameBox:
    return Texts::tr("It reads the company name.");
  case LinkInput::NamePrefix:
    return Texts::tr("It reads the first seven characters of the company name.");
  case LinkInput::ListSymbol:
    return Texts::tr("It reads the symbol of the company selected in the list.");
  }
  return {};
}

} // namespace

std::span<const LinkDescription> linkDescriptions() { return kDescriptions; }

const LinkDescription *findLinkDescription(QStringView control) {
  for (const LinkDescription &description : kDescriptions)
    if (control == QLatin1String(description.control))
      return &description;
  return nullptr;
}

QString linkPlaceTitle(LinkPlace place) {
  return Texts::tr(kPlaceTitles[static_cast<std::size_t>(place)]);
}

QString linkOriginText(const LinkTemplate &link) {
  switch (link.source) {
  case LinkSource::BuiltIn:
    return link.builtInRetired ? Texts::tr("built in, retired by its site") : Texts::tr("built in");
  case LinkSource::TodaySet:
    return Texts::tr("today's set");
  case LinkSource::OverrideFile:
    break;
  }
  return Texts::tr("%1:%2").arg(link.origin).arg(link.originLine);
}

QString linkToolTip(const LinkTemplate &link, const QString &target) {
  QStringList lines;
  if (const LinkDescription *description = findLinkDescription(link.control))
    lines << Texts::tr(description->opens);
  QList<LinkInput> read;
  for (const LinkPiece &piece : link.pieces)
    if (piece.isInput && !read.contains(piece.input)) {
      read << piece.input;
      lines << inputSentence(piece.input);
    }
  lines << (link.target == LinkTarget::Email ? Texts::tr("A click writes to %1 now.").arg(target)
                                             : Texts::tr("A click opens %1 now.").arg(target));
  if (link.isRetired())
    lines << Texts::tr("The site has retired this address: Research Links (Ctrl+L) can switch to "
                       "today's address.");
  return lines.join(u'\n');
}

} // namespace kelvo::links
