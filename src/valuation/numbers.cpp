// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "valuation/valuation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

// Everything here reads and writes US notation by hand or through
// std::from_chars / std::to_chars, which ignore the process locale: a German
// or French desktop must not turn "1,000" or "0.5" into something else.

namespace kelvo::valuation {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isAmountBlank(char c) { return isBlank(c) || c == '\r'; }
bool isExponentMark(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// The parts of a decimal number as typed, digits only (no sign, no grouping).
struct DecimalParts {
  std::string whole;
  std::string fraction;
  std::string exponent; // digits of the exponent, empty for none
  bool exponentNegative = false;
};

// Exact conversion of the parts to the nearest double. Out of range values
// become +inf (too large) or 0 (too small), so callers can tell overflow.
double decimalValue(const DecimalParts &p) {
  std::string text = p.whole.empty() ? std::string("0") : p.whole;
  if (!p.fraction.empty())
    text += '.' + p.fraction;
  if (!p.exponent.empty()) {
    text += p.exponentNegative ? "e-" : "e";
    text += p.exponent;
  }
  double value = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec == std::errc() && end == text.data() + text.size())
    return value;

  // Out of range: the decimal position of the first significant digit plus
  // the exponent says which way.
  long long position = 0;
  bool significant = false;
  for (std::size_t i = 0; i < p.whole.size() && !significant; ++i)
    if (p.whole[i] != '0') {
      position = static_cast<long long>(p.whole.size() - i) - 1;
      significant = true;
    }
  for (std::size_t i = 0; i < p.fraction.size() && !significant; ++i)
    if (p.fraction[i] != '0') {
      position = -static_cast<long long>(i) - 1;
      significant = true;
    }
  if (!significant)
    return 0;
  long long exponent = 0;
  for (char c : p.exponent)
    exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
  position += p.exponentNegative ? -exponent : exponent;
  return position > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

} // namespace

double readLeadingNumber(std::string_view text) {
  enum class At { Sign, Mantissa, ExponentSign, ExponentDigits } at = At::Sign;
  DecimalParts parts;
  bool negative = false;
  bool point = false;
  for (char c : text) {
    if (isBlank(c))
      continue;
    if (at == At::Sign) {
      at = At::Mantissa;
      if (c == '+' || c == '-') {
        negative = c == '-';
        continue;
      }
    }
    if (at == At::Mantissa) {
      if (isDigit(c)) {
        (point ? parts.fraction : parts.whole) += c;
        continue;
      }
      if (c == '.' && !point) {
        point = true;
        continue;
      }
      // An exponent only counts after a digit of the number itself.
      if (isExponentMark(c) && !(parts.whole.empty() && parts.fraction.empty())) {
        at = At::ExponentSign;
        continue;
      }
      break;
    }
    if (at == At::ExponentSign) {
      at = At::ExponentDigits;
      if (c == '+' || c == '-') {
        parts.exponentNegative = c == '-';
        continue;
      }
    }
    if (isDigit(c)) {
      parts.exponent += c;
      continue;
    }
    break;
  }
  if (parts.whole.empty() && parts.fraction.empty())
    return 0;
  const double value = decimalValue(parts);
  return negative ? -value : value;
}

namespace {

enum class AmountReading { Read, NotAnAmount, TooLarge };

AmountReading readAmountInto(std::string_view text, double &out) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto skipBlanks = [&] {
    while (i < n && isAmountBlank(text[i]))
      ++i;
  };

  bool openParen = false, closeParen = false, dollar = false, sign = false, negative = false;
  // One "$" and one sign at most, before or after the number, in either order.
  auto takeDollarOrSign = [&] {
    skipBlanks();
    if (i < n && text[i] == '$' && !dollar) {
      dollar = true;
      ++i;
      return true;
    }
    if (i < n && (text[i] == '+' || text[i] == '-') && !sign) {
      sign = true;
      negative = text[i] == '-';
      ++i;
      return true;
    }
    return false;
  };
  // Before the number: "(" first if at all, then the sign and "$".
  skipBlanks();
  if (i < n && text[i] == '(') {
    openParen = true;
    ++i;
  }
  while (takeDollarOrSign()) {
  }

  // The number: grouping commas only between digits of the whole part.
  DecimalParts parts;
  while (i < n && (isDigit(text[i]) ||
                   (text[i] == ',' && !parts.whole.empty() && i + 1 < n && isDigit(text[i + 1])))) {
    if (text[i] != ',')
      parts.whole += text[i];
    ++i;
  }
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && isDigit(text[i]))
      parts.fraction += text[i++];
  }
  if (parts.whole.empty() && parts.fraction.empty())
    return AmountReading::NotAnAmount;
  if (i < n && isExponentMark(text[i])) {
    ++i;
    if (i < n && (text[i] == '+' || text[i] == '-'))
      parts.exponentNegative = text[i++] == '-';
    while (i < n && isDigit(text[i]))
      parts.exponent += text[i++];
    if (parts.exponent.empty())
      return AmountReading::NotAnAmount;
  }

  // After the number: the sign and "$", then ")" last.
  while (takeDollarOrSign()) {
  }
  if (i < n && text[i] == ')' && openParen) {
    closeParen = true;
    ++i;
    skipBlanks();
  }
  if (i != n || openParen != closeParen || (openParen && sign))
    return AmountReading::NotAnAmount;

  const double value = decimalValue(parts);
  if (!std::isfinite(value))
    return AmountReading::TooLarge;
  out = negative || openParen ? -value : value;
  return AmountReading::Read;
}

} // namespace

std::optional<double> readAmount(std::string_view text) {
  double value = 0;
  if (readAmountInto(text, value) != AmountReading::Read)
    return std::nullopt;
  return value;
}

bool amountTooLarge(std::string_view text) {
  double value = 0;
  return readAmountInto(text, value) == AmountReading::TooLarge;
}

std::string formatDollars(double value) {
  if (!std::isfinite(value))
    return {};
  const double rounded = std::round(value); // halves away from zero
  if (rounded == 0)
    return "$";
  // Fixed notation with no decimals writes the exact digits of the double,
  // all 309 of them for the largest values.
  char digits[400];
  const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, std::fabs(rounded),
                                       std::chars_format::fixed, 0);
  if (ec != std::errc())
    return {};
  const std::string_view whole(digits, static_cast<std::size_t>(end - digits));
  return (rounded < 0 ? "-$" : "$") + groupThousands(whole);
}

std::string groupThousands(std::string_view digits) {
  const std::size_t count = digits.size();
  std::string out;
  out.reserve(count + count / 3);
  for (std::size_t k = 0; k < count; ++k) {
    if (k > 0 && (count - k) % 3 == 0)
      out += ',';
    out += digits[k];
  }
  return out;
}

std::string formatDollars(std::string_view text) {
  const std::optional<double> value = readAmount(text);
  return value ? formatDollars(*value) : std::string(text);
}

std::string plainNumberText(double value) {
  if (!std::isfinite(value))
    return {};
  if (value == 0)
    return "0"; // also for -0
  // Rounding to 15 digits would carry the largest doubles past the largest
  // double, and the text would no longer read as a number; these few values
  // are cut instead.
  if (std::fabs(value) >= 1.797693134862315e308)
    return value < 0 ? "-1.79769313486231E+308" : "1.79769313486231E+308";
  // General notation with 15 significant digits drops trailing zeros and
  // switches to an exponent only for very large or very small values.
  char buf[64];
  const auto [end, ec] =
      std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 15);
  if (ec != std::errc())
    return {};
  std::string out(buf, end);
  for (char &c : out)
    if (c == 'e')
      c = 'E';
  return out;
}

} // namespace kelvo::valuation
