// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program writes a file the user keeps: into a new file
// beside it, which takes the old one's place only when everything was written.

#include <QSaveFile>
#include <QString>
#include <concepts>

namespace kelvo::platform {

// Opens `path` with QSaveFile, has `fill` write into it and commits: the file
// is replaced whole, or left as it was. `fill` returns false when it could
// not write everything. Empty on success, else why not, in the system's words.
template <class Fill>
requires std::invocable<Fill &, QSaveFile &> QString saveAtomically(const QString &path,
                                                                    Fill &&fill) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && fill(file) && file.commit())
    return {};
  const QString reason = file.errorString();
  return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

// The same for bytes already made: all of them, or nothing.
inline QString saveAtomically(const QString &path, const QByteArray &bytes) {
  return saveAtomically(path,
                        [&bytes](QSaveFile &file) { return file.write(bytes) == bytes.size(); });
}

} // namespace kelvo::platform
