// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/json_cursor.h"

#include <charconv>
#include <cstring>
#include <optional>

namespace kelvo::filings {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int hexValue(char c) {
  if (isDigit(c))
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return -1;
}

void appendUtf8(QByteArray &out, char32_t code) {
  if (code < 0x80) {
    out += char(code);
  } else if (code < 0x800) {
    out += char(0xC0 | (code >> 6));
    out += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += char(0xE0 | (code >> 12));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  } else {
    out += char(0xF0 | (code >> 18));
    out += char(0x80 | ((code >> 12) & 0x3F));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  }
}

bool isHighSurrogate(char32_t code) { return code >= 0xD800 && code <= 0xDBFF; }
bool isLowSurrogate(char32_t code) { return code >= 0xDC00 && code <= 0xDFFF; }

// The four hexadecimal digits of a "\\u" escape.
std::optional<char32_t> hexCode(const char *at, const char *end) {
  if (end - at < 4)
    return std::nullopt;
  char32_t code = 0;
  for (int i = 0; i < 4; ++i) {
    const int digit = hexValue(at[i]);
    if (digit < 0)
      return std::nullopt;
    code = code * 16 + char32_t(digit);
  }
  return code;
}

} // namespace

JsonCursor::JsonCursor(QByteArrayView text) : m_at(text.data()), m_end(text.data() + text.size()) {
  if (text.startsWith("\xEF\xBB\xBF")) // the byte-order mark some editors write
    m_at += 3;
}

bool JsonCursor::fail() {
  m_failed = true;
  return false;
}

void JsonCursor::skipSpace() {
  while (m_at < m_end && (*m_at == ' ' || *m_at == '\n' || *m_at == '\r' || *m_at == '\t'))
    ++m_at;
}

bool JsonCursor::expect(char c) {
  skipSpace();
  if (m_at == m_end || *m_at != c)
    return fail();
  ++m_at;
  return true;
}

JsonCursor::Type JsonCursor::peek() {
  skipSpace();
  if (m_failed || m_at == m_end)
    return Type::Invalid;
  switch (*m_at) {
  case '{':
    return Type::Object;
  case '[':
    return Type::Array;
  case '"':
    return Type::String;
  case 't':
  case 'f':
  case 'n':
    return Type::Literal;
  default:
    return *m_at == '-' || isDigit(*m_at) ? Type::Number : Type::Invalid;
  }
}

bool JsonCursor::push(bool object) {
  if (m_levels.size() >= kMaxDepth)
    return fail();
  ++m_at;
  m_levels.push_back({object, false});
  return true;
}

bool JsonCursor::enterObject() { return peek() == Type::Object ? push(true) : fail(); }
bool JsonCursor::enterArray() { return peek() == Type::Array ? push(false) : fail(); }

// Before a member of the innermost container: its end (consumed, and false),
// or the comma after the member before (true, a member follows).
bool JsonCursor::afterMember(char close) {
  skipSpace();
  if (m_failed || m_at == m_end)
    return fail();
  if (*m_at == close) {
    ++m_at;
    m_levels.pop_back();
    return false;
  }
  Level &level = m_levels.back();
  if (level.started && *m_at++ != ',')
    return fail();
  level.started = true;
  return true;
}

bool JsonCursor::nextKey(QByteArray *key) {
  if (m_failed || m_levels.empty() || !m_levels.back().object)
    return fail();
  if (!afterMember('}'))
    return false;
  if (peek() != Type::String)
    return fail();
  if (key)
    key->clear();
  return scanString(key) && expect(':');
}

bool JsonCursor::nextElement() {
  if (m_failed || m_levels.empty() || m_levels.back().object)
    return fail();
  return afterMember(']');
}

bool JsonCursor::readString(QByteArray &utf8) {
  utf8.clear();
  return peek() == Type::String ? scanString(&utf8) : fail();
}

bool JsonCursor::readNumber(double &value) {
  QByteArrayView text;
  if (peek() != Type::Number || !scanNumber(&text))
    return fail();
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

bool JsonCursor::scanString(QByteArray *utf8) {
  ++m_at; // the opening quote
  const char *run = m_at;
  while (m_at < m_end) {
    const char c = *m_at;
    if (c == '"' || c == '\\') {
      if (utf8)
        utf8->append(run, m_at - run);
      if (c == '"') {
        ++m_at;
        return true;
      }
      if (!scanEscape(utf8))
        return false;
      run = m_at;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      return fail(); // control characters are escaped in JSON text
    } else {
      ++m_at;
    }
  }
  return fail();
}

bool JsonCursor::scanEscape(QByteArray *utf8) {
  static constexpr char kFrom[] = "\"\\/bfnrt";
  static constexpr char kTo[] = "\"\\/\b\f\n\r\t";
  if (m_end - m_at < 2)
    return fail();
  const char c = m_at[1];
  m_at += 2;
  if (c != 'u') {
    const char *found = c ? std::strchr(kFrom, c) : nullptr;
    if (!found)
      return fail();
    if (utf8)
      *utf8 += kTo[found - kFrom];
    return true;
  }
  std::optional<char32_t> code = hexCode(m_at, m_end);
  if (!code)
    return fail();
  m_at += 4;
  // A pair of escapes for a character outside the first plane; a lone half
  // of a pair stands for the replacement character.
  if (isHighSurrogate(*code) && m_end - m_at >= 6 && m_at[0] == '\\' && m_at[1] == 'u') {
    const std::optional<char32_t> low = hexCode(m_at + 2, m_end);
    if (low && isLowSurrogate(*low)) {
      m_at += 6;
      code = 0x10000 + ((*code - 0xD800) << 10) + (*low - 0xDC00);
    }
  }
  if (isHighSurrogate(*code) || isLowSurrogate(*code))
    code = 0xFFFD;
  if (utf8)
    appendUtf8(*utf8, *code);
  return true;
}

bool JsonCursor::scanNumber(QByteArrayView *text) {
  const char *start = m_at;
  auto digits = [this] {
    const char *from = m_at;
    while (m_at < m_end && isDigit(*m_at))
      ++m_at;
    return m_at > from;
  };
  if (m_at < m_end && *m_at == '-')
    ++m_at;
  if (m_at < m_end && *m_at == '0')
    ++m_at;
  else if (!digits())
    return fail();
  if (m_at < m_end && *m_at == '.' && (++m_at, !digits()))
    return fail();
  if (m_at < m_end && (*m_at == 'e' || *m_at == 'E')) {
    ++m_at;
    if (m_at < m_end && (*m_at == '+' || *m_at == '-'))
      ++m_at;
    if (!digits())
      return fail();
  }
  if (text)
    *text = QByteArrayView(start, m_at - start);
  return true;
}

bool JsonCursor::scanLiteral() {
  for (const QByteArrayView word :
       {QByteArrayView("true"), QByteArrayView("false"), QByteArrayView("null")})
    if (QByteArrayView(m_at, m_end - m_at).startsWith(word)) {
      m_at += word.size();
      return true;
    }
  return fail();
}

bool JsonCursor::skipValue() {
  const std::size_t base = m_levels.size();
  do {
    switch (peek()) {
    case Type::Object:
    case Type::Array:
      if (!push(*m_at == '{'))
        return false;
      break;
    case Type::String:
      scanString(nullptr);
      break;
    case Type::Number:
      scanNumber(nullptr);
      break;
    case Type::Literal:
      scanLiteral();
      break;
    case Type::Invalid:
      return fail();
    }
    // Close what has ended, up to the next value inside the skipped one.
    bool more = false;
    while (!m_failed && !more && m_levels.size() > base)
      more = m_levels.back().object ? nextKey(nullptr) : nextElement();
  } while (!m_failed && m_levels.size() > base);
  return !m_failed;
}

bool JsonCursor::atCleanEnd() {
  skipSpace();
  return !m_failed && m_levels.empty() && m_at == m_end;
}

} // namespace kelvo::filings
