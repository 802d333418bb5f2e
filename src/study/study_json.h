// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A study as a JSON object, shared by the study file and the recovery copy.

#include "study/study_file.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace kelvo::study {

QJsonObject studyToJsonObject(const Study &study);

// A study's "figures": the table Financial History showed, as its
// historyJson() writes it, with the SEC's symbol beside it. The reader gives
// empty figures, and the first field that does not hold what belongs there
// in badField, when the object is damaged.
QJsonObject figuresToJsonObject(const Figures &figures);
Figures figuresFromJsonObject(const QJsonObject &object, QString *badField = nullptr);
// Checks the format name and version, then every field it knows; unknown
// fields are ignored. The error is a whole sentence for the user.
StudyReadResult studyFromJsonObject(const QJsonObject &object);

} // namespace kelvo::study
