#pragma once
// Research links as data: one record per control, composed into an address
// from the texts the window holds at the moment of the click.

#include <QString>
#include <array>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace kelvo {

// The web sites the links point to; their hosts are build configuration.
enum class LinkEndpoint {
  GoogleSearch,
  GoogleFinance,
  YahooFinance,
  SecEdgar,
  MsnMoney,
  BusinessWeekSearch,
  Quicken,
  Advfn,
  ClearStation,
  ValuePro,
  FinancialSense,
  Wiley,
  DealBook,
  MsnGroups,
  Maker,
};

// Where a variable piece of an address comes from.
enum class LinkInput {
  SymbolBox,  // ssymbol, unchanged
  NameBox,    // txtTitle, unchanged
  NamePrefix, // the first seven characters of txtTitle
  ListSymbol, // the selected directory row's symbol, padded to five
};

enum class LinkStyle { OwnedMaximized, PlainNormal };

struct LinkPiece {
  bool isInput = false;
  LinkInput input = LinkInput::SymbolBox;
  std::string_view literal;
};

constexpr LinkPiece Lit(std::string_view text) { return {false, LinkInput::SymbolBox, text}; }
constexpr LinkPiece In(LinkInput input) { return {true, input, {}}; }

// A short, fixed-capacity list so that the whole catalogue stays one
// constant table.
class LinkPieces {
public:
  static constexpr std::size_t kCapacity = 5;
  constexpr LinkPieces() = default;
  constexpr LinkPieces(std::initializer_list<LinkPiece> pieces) {
    for (const LinkPiece &p : pieces)
      items_[count_++] = p; // more than kCapacity fails to compile in a constant table
  }
  constexpr const LinkPiece *begin() const { return items_.data(); }
  constexpr const LinkPiece *end() const { return items_.data() + count_; }
  constexpr std::size_t size() const { return count_; }

private:
  std::array<LinkPiece, kCapacity> items_{};
  std::size_t count_ = 0;
};

struct LinkTemplate {
  std::string_view control;
  std::optional<LinkEndpoint> endpoint; // none: the pieces are the whole target (e-mail)
  LinkPieces pieces;
  std::optional<LinkInput> guard;
  std::string_view prompt;
  LinkStyle style = LinkStyle::OwnedMaximized;
  int pauseMs = 300;
};

// The texts a link may read, taken from the window at the moment of the click.
struct LinkInputs {
  QString symbolBox;
  QString nameBox;
  QString listSymbol; // already padded; see ListSymbolOf
};

inline constexpr std::size_t kLinkCatalogueRows = 29;
extern const std::array<LinkTemplate, kLinkCatalogueRows> kLinkCatalogue;

// The row of `control`, or nullptr.
const LinkTemplate *FindLink(std::string_view control);

// "http://" and the endpoint's host, no trailing slash.
QString BaseAddress(LinkEndpoint endpoint);

// The selected directory row's symbol padded with spaces to five characters
// (longer symbols whole); empty for no row or a row out of range.
QString ListSymbolOf(int row);

// The text of one input, unencoded (what a guard looks at).
QString InputText(LinkInput input, const LinkInputs &inputs);

// The address of a link. Each input text goes in percent-encoded as a query
// component (UTF-8), so that "&", "#", "%", "+" and the like in a company
// name cannot change the address's structure; literals go in as written.
QString ComposeLinkUrl(const LinkTemplate &link, const LinkInputs &inputs);

} // namespace kelvo
