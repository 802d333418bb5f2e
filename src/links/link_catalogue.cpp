#include "link_catalogue.h"

#include "hosts.h"

namespace kelvo {

namespace {

using E = LinkEndpoint;
using I = LinkInput;
constexpr auto Owned = LinkStyle::OwnedMaximized;
constexpr auto Plain = LinkStyle::PlainNormal;
constexpr std::string_view kNeedSymbol = "Enter a Stock Symbol";
constexpr std::string_view kNeedName = "Enter the Company Name";

constexpr std::string_view kAdvfnFinancials =
    "/p.php?pid=financials&btn=s_ok&s_symbol_select=&symbol=";
constexpr std::string_view kAdvfnTail = "&s_ok=OK&reportbug_desc=";

} // namespace

// One row per control. A site address written into a search (Berkshire
// Hathaway) or a configured path (the lecture page) is its own literal piece,
// so the address reads exactly as the whole literal would.
constinit const std::array<LinkTemplate, kLinkCatalogueRows> kLinkCatalogue = {{
    // company page
    {"Command5", E::MsnMoney,
     {Lit("/investor/research/sreport.asp?Symbol="), In(I::SymbolBox),
      Lit("&QD=1&OP=1&IC=1&Y1=1&CR=1&AF=1&IH=1&AIE=1&AIR=1&FRH=1&FRK=1&ISA=1&ISQ=1&BSA=1&BSQ=1"
          "&CFA=1&CFQ=1&TYS=1&ITT=1&ITP=1&Type=Equity")},
     I::SymbolBox, kNeedSymbol, Owned, 300},
    {"Command6", E::YahooFinance, {Lit("/lookup?s="), In(I::NameBox), Lit("&t=S&m=US")},
     std::nullopt, {}, Owned, 300},
    {"Command10", E::SecEdgar,
     {Lit("/cgi-bin/browse-edgar?company="), In(I::NamePrefix),
      Lit("%20&CIK=&filenum=&State=&SIC=&owner=include&action=getcompany")},
     I::NameBox, kNeedName, Owned, 300},
    {"Command11", E::YahooFinance, {Lit("/q/co?s="), In(I::SymbolBox)}, I::SymbolBox, kNeedSymbol,
     Owned, 300},
    {"Command17", E::GoogleFinance, {Lit("/finance?q="), In(I::ListSymbol)}, std::nullopt, {},
     Owned, 300},
    {"Command19", E::YahooFinance, {Lit("/q/pr?s="), In(I::ListSymbol)}, std::nullopt, {}, Owned,
     300},
    {"Command23", E::YahooFinance, {Lit("/q/h?s="), In(I::SymbolBox)}, std::nullopt, {}, Owned,
     300},
    {"Command24", E::BusinessWeekSearch,
     {Lit("/Search?searchTerm="), In(I::SymbolBox),
      Lit("&collection=www&sortBy=pub_date+desc&skin=BusinessWeek&x=15&y=6")},
     std::nullopt, {}, Owned, 300},
    {"List1", E::ClearStation,
     {Lit("/cgi-bin/fundamentals?Event=comparisons&Symbol="), In(I::ListSymbol)}, std::nullopt,
     {}, Owned, 300},
    {"Command28", E::Maker, {Lit("/2.htm")}, std::nullopt, {}, Owned, 300},
    // competitive advantages page
    {"Command21", E::GoogleSearch,
     {Lit("/search?q=site:+"), Lit(hosts::kBerkshireAddress),
      Lit("++competitive+advantage&num=30&hl=en&lr=&safe=off&as_qdr=all&filter=0")},
     std::nullopt, {}, Owned, 300},
    {"cmdBrowseImg", E::GoogleSearch,
     {Lit("/search?hl=en&q="), In(I::SymbolBox), Lit(" competitive+advantage+"), In(I::NameBox),
      Lit("&btnG=Google+Search")},
     std::nullopt, {}, Owned, 300},
    // management page
    {"Command2", E::GoogleSearch,
     {Lit("/search?hl=en&q=management+competition+legal "), In(I::NameBox),
      Lit("&btnG=Google+Search")},
     std::nullopt, {}, Owned, 300},
    {"Command8", E::Advfn, {Lit(kAdvfnFinancials), In(I::SymbolBox), Lit(kAdvfnTail)},
     std::nullopt, {}, Owned, 300},
    {"Command22", E::GoogleSearch,
     {Lit("/search?q=site:+"), Lit(hosts::kBerkshireAddress),
      Lit("++manage&num=30&hl=en&lr=&safe=off&as_qdr=all&filter=0")},
     std::nullopt, {}, Owned, 300},
    // bargain price page
    {"Command3", E::FinancialSense, {Lit("/resources/corvin.htm")}, std::nullopt, {}, Owned, 300},
    {"Command4", E::ValuePro, {}, std::nullopt, {}, Owned, 300},
    {"Command26", E::Quicken,
     {Lit("/investments/seceval/?p="), In(I::SymbolBox), Lit("&cmetric=intrinsic")},
     std::nullopt, {}, Owned, 300},
    // tools page
    {"Command1", E::Maker, {Lit("/2.htm")}, std::nullopt, {}, Owned, 300},
    {"Command12", E::Maker, {Lit("/markets.htm")}, std::nullopt, {}, Owned, 300},
    {"Command14", E::Maker, {Lit("/marvanellc.htm")}, std::nullopt, {}, Owned, 300},
    {"Command18", E::DealBook, {Lit("/?excamp=GGDBelmontcorvin")}, std::nullopt, {}, Owned, 300},
    {"Command20", E::MsnGroups, {Lit("/BerkshireHathawayShareholders/messageboard.msnw")},
     std::nullopt, {}, Owned, 300},
    // IV estimator page
    {"Command15", E::Wiley,
     {Lit("/legacy/products/subject/finance/"), Lit(hosts::kWileyLecturePath)}, std::nullopt, {},
     Owned, 300},
    {"Command27", E::YahooFinance, {Lit("/q/ks?s="), In(I::SymbolBox)}, std::nullopt, {}, Owned,
     100},
    // every page's background
    {"picStart", E::Advfn, {Lit(kAdvfnFinancials), In(I::SymbolBox), Lit(kAdvfnTail)},
     std::nullopt, {}, Owned, 300},
    // the maker's addresses on the welcome page and the title label
    {"Label2", std::nullopt, {Lit(hosts::kMakerEmail)}, std::nullopt, {}, Plain, 0},
    {"Label38", E::Maker, {}, std::nullopt, {}, Plain, 0},
    {"Label3", E::Maker, {Lit("/marvanellc.htm")}, std::nullopt, {}, Plain, 0},
}};

} // namespace kelvo
