// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Renaming a study's file and moving it to the desktop's trash. A study open
// in a notebook, of this copy of the program or another, is left alone: its
// window would go on saving under the old name. While the file moves, its
// lock keeps other copies from opening it.

#include <QString>

namespace kelvo::study {

// Renames the file at `path` to the name typed, in the same folder: the name
// keeps the study suffix (added when it is not typed), and only the file's
// name changes, not the study's symbol or company. Gives an empty string and
// the new path in `renamed`, or a whole sentence that says why not.
QString renameStudyFile(const QString &path, const QString &typed, QString *renamed = nullptr);

// Moves the file at `path` to the desktop's trash, from where the file
// manager can restore it. Gives an empty string, or a sentence why not.
QString trashStudyFile(const QString &path);

} // namespace kelvo::study
