// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A study as a JSON object, shared by the study file and the recovery copy.

#include "study/study_file.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace kelvo::study {

QJsonObject studyToJsonObject(const Study &study);
// Checks the format name and version, then every field it knows; unknown
// fields are ignored. The error is a whole sentence for the user.
StudyReadResult studyFromJsonObject(const QJsonObject &object);

} // namespace kelvo::study
