// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A forward reader of JSON text (RFC 8259) that checks all of it but keeps
// only what it is asked for. A company's facts run to tens of megabytes of
// which the history needs a few hundred kilobytes; a document tree of the
// whole would take several times the text. It never recurses: nesting is
// tracked on a stack of its own, at most kMaxDepth deep.

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

namespace kelvo::filings {

class JsonCursor {
public:
  enum class Type { Object, Array, String, Number, Literal, Invalid };
  static constexpr int kMaxDepth = 1024;

  explicit JsonCursor(QByteArrayView text);

  // The type of the next value (after white space). Invalid at the end or
  // on a character no value begins with.
  Type peek();

  // Objects: enterObject() consumes "{"; then each nextKey() reads a key and
  // its ":" and returns true, or consumes the closing "}" and returns false.
  // After a true the caller reads or skips the value.
  bool enterObject();
  bool nextKey(QByteArray *key);
  // Arrays the same way: enterArray(), then nextElement() before each value.
  bool enterArray();
  bool nextElement();

  // Scalars. A read of the wrong type fails the cursor.
  bool readString(QByteArray &utf8);
  bool readNumber(double &value); // false for a number too large for a double
  // Any value, with everything inside it.
  bool skipValue();

  // Whether only white space is left, and nothing failed.
  bool atCleanEnd();
  bool failed() const { return m_failed; }

private:
  bool fail();
  void skipSpace();
  bool expect(char c);
  bool scanString(QByteArray *utf8);
  bool scanEscape(QByteArray *utf8);
  bool scanNumber(QByteArrayView *text);
  bool scanLiteral();
  bool push(bool object);
  bool afterMember(char close);

  const char *m_at;
  const char *m_end;
  bool m_failed = false;
  // Per open container: whether it is an object, and whether it has had a member.
  struct Level {
    bool object;
    bool started;
  };
  std::vector<Level> m_levels;
};

} // namespace kelvo::filings
