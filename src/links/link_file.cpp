// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "links/link_file.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>

namespace kelvo::links {

namespace {

std::optional<LinkInput> placeholderInput(QStringView name) {
  if (name == u"symbol")
    return LinkInput::SymbolBox;
  if (name == u"name")
    return LinkInput::NameBox;
  if (name == u"name7")
    return LinkInput::NamePrefix;
  if (name == u"listsymbol")
    return LinkInput::ListSymbol;
  if (name == u"yahoosymbol")
    return LinkInput::YahooSymbol;
  return std::nullopt;
}

void addLiteral(QList<LinkPiece> &pieces, const QString &text) {
  if (!text.isEmpty())
    pieces.append({false, LinkInput::SymbolBox, text});
}

} // namespace

QString quoteForReport(const QString &text) {
  QString shown;
  for (QChar c : text.left(60))
    shown += (c.unicode() < 0x20 || c.unicode() == 0x7f) ? QChar(u'?') : c;
  if (text.size() > 60)
    shown += QStringLiteral("...");
  return u'"' + shown + u'"';
}

QStringList problemReports(const QString &file, QList<LinkFileProblem> problems) {
  std::stable_sort(
      problems.begin(), problems.end(),
      [](const LinkFileProblem &a, const LinkFileProblem &b) { return a.line < b.line; });
  QStringList reports;
  for (const LinkFileProblem &problem : problems)
    reports << QStringLiteral("%1:%2: %3").arg(file).arg(problem.line).arg(problem.what);
  return reports;
}

LinkFileLine readLinkFileLine(QByteArray raw) {
  if (raw.endsWith('\r'))
    raw.chop(1);
  using Kind = LinkFileLine::Kind;
  // A line that cannot be decoded is still a group line when its bytes say so.
  const auto unreadable = [&raw](const QString &problem) {
    return LinkFileLine{
        raw.trimmed().startsWith('[') ? Kind::BadGroup : Kind::Bad, {}, {}, problem};
  };
  if (raw.size() > kLinkFileMaxLine)
    return unreadable(
        QCoreApplication::translate("kelvo::links::LinkFile", "line longer than %1 bytes")
            .arg(kLinkFileMaxLine));
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString line = QString(decoder(raw)).trimmed();
  if (decoder.hasError())
    return unreadable(QCoreApplication::translate("kelvo::links::LinkFile", "not valid UTF-8"));

  if (line.isEmpty())
    return {Kind::Blank, {}, {}, {}};
  if (line.startsWith(u'#'))
    return {Kind::Comment, {}, {}, {}};
  if (line.startsWith(u'[')) {
    if (!line.endsWith(u']'))
      return {Kind::BadGroup,
              {},
              {},
              QCoreApplication::translate("kelvo::links::LinkFile",
                                          "the group line has no closing \"]\"")};
    const QString name = line.mid(1, line.size() - 2).trimmed();
    if (name.isEmpty())
      return {
          Kind::BadGroup,
          {},
          {},
          QCoreApplication::translate("kelvo::links::LinkFile", "the group line names no control")};
    return {Kind::Group, name, {}, {}};
  }
  const qsizetype equals = line.indexOf(u'=');
  if (equals < 0)
    return {Kind::Bad,
            {},
            {},
            QCoreApplication::translate(
                "kelvo::links::LinkFile",
                "neither a [control] line, a key=value line nor a \"#\" comment")};
  return {Kind::Value, line.left(equals).trimmed(), line.mid(equals + 1).trimmed(), {}};
}

QList<LinkFileGroup> readLinkFile(const QByteArray &text, QList<LinkFileProblem> *problems) {
  using Kind = LinkFileLine::Kind;
  QList<LinkFileGroup> groups;
  // After a group line that could not be read, its values belong to nothing.
  bool inBadGroup = false;
  int number = 0;
  const auto report = [&](const QString &what) {
    if (problems)
      problems->append({number, what});
  };
  for (const QByteArray &raw : text.split('\n')) {
    ++number;
    const LinkFileLine line = readLinkFileLine(raw);
    switch (line.kind) {
    case Kind::Blank:
    case Kind::Comment:
      break;
    case Kind::Group:
      groups.append({number, line.name, {}});
      inBadGroup = false;
      break;
    case Kind::BadGroup:
      report(line.problem);
      inBadGroup = true;
      break;
    case Kind::Bad:
      report(line.problem);
      break;
    case Kind::Value:
      if (inBadGroup)
        break; // its group has been reported already
      if (line.name.isEmpty())
        report(QCoreApplication::translate("kelvo::links::LinkFile",
                                           "a value without a key before its \"=\""));
      else if (groups.isEmpty())
        report(
            QCoreApplication::translate("kelvo::links::LinkFile", "%1 outside any [control] group")
                .arg(quoteForReport(line.name)));
      else
        groups.last().values.append({number, line.name, line.value});
      break;
    }
  }
  return groups;
}

QString splitLinkAddress(const QString &address, QList<LinkPiece> *pieces) {
  if (address.isEmpty())
    return QCoreApplication::translate("kelvo::links::LinkFile", "the address is empty");
  for (QChar c : address)
    if (c.unicode() < 0x20 || c.unicode() == 0x7f)
      return QCoreApplication::translate("kelvo::links::LinkFile",
                                         "a control character in the address");

  const qsizetype schemeEnd = address.indexOf(QLatin1String("://"));
  const QString scheme = schemeEnd < 0 ? QString() : address.left(schemeEnd).toLower();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
    return QCoreApplication::translate("kelvo::links::LinkFile",
                                       "only http and https addresses are accepted");

  // The host is fixed text: an input can only ever land after it.
  const qsizetype hostStart = schemeEnd + 3;
  qsizetype hostEnd = hostStart;
  while (hostEnd < address.size() && !QStringView(u"/?#").contains(address.at(hostEnd)))
    ++hostEnd;
  const QString authority = address.mid(hostStart, hostEnd - hostStart);
  if (authority.contains(u'{') || authority.contains(u'}'))
    return QCoreApplication::translate("kelvo::links::LinkFile",
                                       "a placeholder cannot stand in the host");
  static const QRegularExpression plainHost(QStringLiteral("^[A-Za-z0-9.-]+(:[0-9]{1,5})?$"));
  if (!plainHost.match(authority).hasMatch())
    return QCoreApplication::translate("kelvo::links::LinkFile",
                                       "the host must be a plain host name, with an optional port");

  QList<LinkPiece> split;
  QString plain; // the address with every placeholder as one letter
  qsizetype literalStart = 0;
  for (qsizetype at = hostEnd; at < address.size(); ++at) {
    if (address.at(at) != u'{')
      continue;
    const qsizetype close = address.indexOf(u'}', at + 1);
    if (close < 0)
      return QCoreApplication::translate("kelvo::links::LinkFile", "\"{\" without a closing \"}\"");
    const QStringView name = QStringView(address).mid(at + 1, close - at - 1);
    const std::optional<LinkInput> input = placeholderInput(name);
    if (!input)
      return QCoreApplication::translate("kelvo::links::LinkFile", "unknown placeholder %1")
          .arg(quoteForReport(u'{' + name.toString() + u'}'));
    const QString before = address.mid(literalStart, at - literalStart);
    addLiteral(split, before);
    split.append({true, *input, {}});
    plain += before + u'x';
    literalStart = close + 1;
    at = close;
  }
  addLiteral(split, address.mid(literalStart));
  plain += address.mid(literalStart);

  // Whatever the address reads as, its scheme and host must be the ones
  // written above.
  const QUrl url(plain, QUrl::TolerantMode);
  const QString host = authority.section(u':', 0, 0).toLower();
  if (!url.isValid() || url.scheme() != scheme || url.host() != host)
    return QCoreApplication::translate("kelvo::links::LinkFile", "not a valid address");

  if (pieces)
    *pieces = split;
  return {};
}

} // namespace kelvo::links
