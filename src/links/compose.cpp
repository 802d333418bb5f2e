#include "company_directory.h"
#include "hosts.h"
#include "link_catalogue.h"

#include <QByteArray>
#include <QUrl>

namespace kelvo {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view HostOf(LinkEndpoint endpoint) {
  switch (endpoint) {
  case LinkEndpoint::GoogleSearch: return hosts::kGoogle;
  case LinkEndpoint::GoogleFinance: return hosts::kGoogleFinance;
  case LinkEndpoint::YahooFinance: return hosts::kYahooFinance;
  case LinkEndpoint::SecEdgar: return hosts::kSec;
  case LinkEndpoint::MsnMoney: return hosts::kMsnMoney;
  case LinkEndpoint::BusinessWeekSearch: return hosts::kBusinessWeek;
  case LinkEndpoint::Quicken: return hosts::kQuicken;
  case LinkEndpoint::Advfn: return hosts::kAdvfn;
  case LinkEndpoint::ClearStation: return hosts::kClearStation;
  case LinkEndpoint::ValuePro: return hosts::kValuePro;
  case LinkEndpoint::FinancialSense: return hosts::kFinancialSense;
  case LinkEndpoint::Wiley: return hosts::kWiley;
  case LinkEndpoint::DealBook: return hosts::kDealBook;
  case LinkEndpoint::MsnGroups: return hosts::kMsnGroups;
  case LinkEndpoint::Maker: return hosts::kMaker;
  }
  return {};
}

// Seven characters as the user sees them: a pair of UTF-16 units that makes
// one character is never cut in half.
QString FirstCharacters(const QString &text, int count) {
  qsizetype end = 0;
  for (int n = 0; n < count && end < text.size(); ++n) {
    const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size() &&
                      text.at(end + 1).isLowSurrogate();
    end += pair ? 2 : 1;
  }
  return text.left(end);
}

} // namespace

const LinkTemplate *FindLink(std::string_view control) {
  for (const LinkTemplate &link : kLinkCatalogue)
    if (link.control == control)
      return &link;
  return nullptr;
}

QString BaseAddress(LinkEndpoint endpoint) {
  return QStringLiteral("http://") + FromView(HostOf(endpoint));
}

QString ListSymbolOf(int row) {
  if (row < 0 || row >= kDirectoryRows)
    return {};
  QString symbol = FromView(kCompanyDirectory[static_cast<std::size_t>(row)].symbol);
  return symbol.size() < 5 ? symbol.leftJustified(5, QLatin1Char(' ')) : symbol;
}

QString InputText(LinkInput input, const LinkInputs &inputs) {
  switch (input) {
  case LinkInput::SymbolBox: return inputs.symbolBox;
  case LinkInput::NameBox: return inputs.nameBox;
  case LinkInput::NamePrefix: return FirstCharacters(inputs.nameBox, 7);
  case LinkInput::ListSymbol: return inputs.listSymbol;
  }
  return {};
}

QString ComposeLinkUrl(const LinkTemplate &link, const LinkInputs &inputs) {
  QString address = link.endpoint ? BaseAddress(*link.endpoint) : QString();
  for (const LinkPiece &piece : link.pieces) {
    if (piece.isInput)
      address += QString::fromLatin1(QUrl::toPercentEncoding(InputText(piece.input, inputs)));
    else
      address += FromView(piece.literal);
  }
  return address;
}

} // namespace kelvo
