// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Changes one value of a links.conf the user may have edited by hand: every
// other line (groups, keys, comments, blank lines, and lines the reader
// cannot make sense of) stays exactly as it was. QtCore only.

#include <QByteArray>
#include <QString>
#include <optional>

namespace kelvo::links {

// The text with `key` of `group` set to `value`, or every `key` line of that
// group removed when `value` is empty (a group left with nothing but blank
// lines goes with it). Setting rewrites the key's last line in place and
// drops its earlier ones; a missing group is added at the end.
QByteArray withLinkFileValue(const QByteArray &text, const QString &group, const QString &key,
                             const std::optional<QString> &value);

// Writes that change into the file at `path` atomically (QSaveFile), making
// its folder when needed. Returns an empty text on success, or a sentence
// for the user saying what could not be done; the file is then unchanged.
QString writeLinkFileValue(const QString &path, const QString &group, const QString &key,
                           const std::optional<QString> &value);

} // namespace kelvo::links
