// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "directory/company_directory.h"
#include "links/link_catalogue.h"

#include <QByteArray>
#include <QUrl>

namespace kelvo::links {

using namespace kelvo::directory;

namespace {

// Seven characters as the user sees them: a pair of UTF-16 units that makes
// one character is never cut in half.
QString firstCharacters(const QString &text, int count) {
  qsizetype end = 0;
  for (int n = 0; n < count && end < text.size(); ++n) {
    const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() &&
                      text.at(end + 1).isLowSurrogate();
    end += pair ? 2 : 1;
  }
  return text.left(end);
}

} // namespace

QString listSymbolOf(int row) {
  if (row < 0 || row >= kDirectoryRows)
    return {};
  return QString::fromStdString(
      symbolPaddedToFive(kCompanyDirectory[static_cast<std::size_t>(row)].symbol));
}

QString yahooSymbolOf(const QString &symbol) {
  QString written = symbol;
  written.replace(u'/', u'-');
  const qsizetype n = written.size();
  if (n >= 3 && written.at(n - 2) == u'.' && written.at(n - 1).isLetter())
    written[n - 2] = u'-';
  return written;
}

QString inputText(LinkInput input, const LinkInputs &inputs) {
  switch (input) {
  case LinkInput::SymbolBox:
    return inputs.symbolBox;
  case LinkInput::NameBox:
    return inputs.nameBox;
  case LinkInput::NamePrefix:
    return firstCharacters(inputs.nameBox, 7);
  case LinkInput::ListSymbol:
    return inputs.listSymbol;
  case LinkInput::YahooSymbol:
    return yahooSymbolOf(inputs.symbolBox);
  }
  return {};
}

QString composeLinkUrl(const LinkTemplate &link, const LinkInputs &inputs) {
  QString address;
  for (const LinkPiece &piece : link.pieces) {
    if (piece.isInput)
      address += QString::fromLatin1(QUrl::toPercentEncoding(inputText(piece.input, inputs)));
    else
      address += piece.literal;
  }
  return address;
}

} // namespace kelvo::links
