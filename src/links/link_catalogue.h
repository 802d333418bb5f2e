// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Research links as data: one record per control, read from the catalogue
// file built into the program and from the override files of the user or
// packager, and composed into an address from the texts the window holds at
// the moment of the click. QtCore only.

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace kelvo::links {

// Where a variable piece of an address comes from.
enum class LinkInput {
  SymbolBox,   // {symbol}: ssymbol, unchanged
  NameBox,     // {name}: txtTitle, unchanged
  NamePrefix,  // {name7}: the first seven characters of txtTitle
  ListSymbol,  // {listsymbol}: the selected directory row's symbol, padded to five
  YahooSymbol, // {yahoosymbol}: ssymbol written as Yahoo's paths expect (BRK.B as BRK-B)
};

// What a control's pieces make: a web address, or an e-mail address for the
// desktop's mail hand-over.
enum class LinkTarget { Address, Email };

// How the desktop is handed a control's address: owned by the main window
// and shown maximized (the research links), or plainly with the desktop's
// default action in a normal window (the contact labels).
enum class LinkStyle { Owned, Plain };

// What a control does around its hand-over, besides the yield and pause.
enum class LinkBefore { Nothing, AdvantageTexts };
enum class LinkAfter { Nothing, Calculator, FullScreenKey };

struct LinkPiece {
  bool isInput = false;
  LinkInput input = LinkInput::SymbolBox;
  QString literal;
};

// Where a control's address comes from, lowest first.
enum class LinkSource { BuiltIn, TodaySet, OverrideFile };

struct LinkTemplate {
  QString control;
  QString address;         // the template as written, placeholders and all
  QList<LinkPiece> pieces; // the same, split into literals and inputs
  LinkTarget target = LinkTarget::Address;
  std::optional<LinkInput> guard;
  LinkStyle style = LinkStyle::Owned;
  int pauseMs = 300;
  LinkBefore before = LinkBefore::Nothing;
  LinkAfter after = LinkAfter::Nothing;
  int afterPauseMs = 0;
  bool builtInRetired = false; // its site has retired the built-in address
  LinkSource source = LinkSource::BuiltIn;
  QString origin; // the file the address came from; empty when built in
  int originLine = 0;

  // Whether the address in use is a built-in one its site has retired.
  bool isRetired() const { return builtInRetired && source == LinkSource::BuiltIn; }
};

// What a user's own links.conf holds besides addresses, in its [settings]
// group.
struct LinkSettings {
  // The built-in set of today's addresses is used unless today=off: a new
  // user's first click should reach a page that still exists.
  bool today = true;
};

// The texts a link may read, taken from the window at the moment of the click.
struct LinkInputs {
  QString symbolBox;
  QString nameBox;
  QString listSymbol; // already padded; see listSymbolOf
};

// One control per link. Override files may change only the address of a
// control the built-in catalogue has.
class LinkCatalogue {
public:
  // The catalogue file compiled into the program.
  static const LinkCatalogue &builtIn();
  // A catalogue in the built-in format; problems are "FILE:LINE: what" lines.
  static LinkCatalogue fromBuiltInText(const QByteArray &text, const QString &file,
                                       QStringList *problems);

  // The set of today's addresses that the program carries; empty if missing.
  static QByteArray todaySetText();

  // Applies one override file's text; bad entries are reported and skipped.
  // With `settings`, the file may have a [settings] group (the user's own
  // links.conf); without, such a group is reported.
  void applyOverrides(const QByteArray &text, const QString &file, QStringList *problems,
                      LinkSettings *settings = nullptr,
                      LinkSource source = LinkSource::OverrideFile);
  // The same from a file on disk; a missing file is no problem.
  void applyOverrideFile(const QString &path, QStringList *problems,
                         LinkSettings *settings = nullptr);

  const LinkTemplate *find(QStringView control) const;
  const QList<LinkTemplate> &links() const { return links_; }

private:
  QList<LinkTemplate> links_;
};

// The selected directory row's symbol padded with spaces to five characters
// (longer symbols whole); empty for no row or a row out of range.
QString listSymbolOf(int row);

// A symbol as Yahoo writes it in its paths: "/" becomes "-", and so does a
// "." before a final single letter (BRK/A, BRK.B as BRK-A, BRK-B); an exchange
// suffix stays (BBDB.TO).
QString yahooSymbolOf(const QString &symbol);

// The text of one input, unencoded (what a guard looks at).
QString inputText(LinkInput input, const LinkInputs &inputs);

// The address of a link. Each input text goes in percent-encoded as a query
// component (UTF-8), so that "&", "#", "%", "+" and the like in a company
// name cannot change the address's structure; literals go in as written.
QString composeLinkUrl(const LinkTemplate &link, const LinkInputs &inputs);

} // namespace kelvo::links
