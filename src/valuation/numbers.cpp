#include "valuation.h"
// placeholder until the number rules land
namespace kelvo {
double ReadLeadingNumber(std::string_view) { return 0; }
std::optional<double> ReadAmount(std::string_view) { return std::nullopt; }
std::string FormatDollars(double) { return "$"; }
std::string FormatDollars(std::string_view t) { return std::string(t); }
std::string PlainNumberText(double) { return "0"; }
} // namespace kelvo
