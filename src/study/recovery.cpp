// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "study/recovery.h"

#include <QLockFile>

namespace kelvo::study {

RecoveryCopy::RecoveryCopy(QString folder) : folder_(std::move(folder)) {}
RecoveryCopy::~RecoveryCopy() = default;
QString RecoveryCopy::defaultFolder() { return {}; }
QString RecoveryCopy::write(const Study &, const QString &) { return {}; }
void RecoveryCopy::remove() {}
QString RecoveryCopy::path() const { return {}; }
QList<RecoveryCopy::Orphan> RecoveryCopy::findOrphans(const QString &) { return {}; }
void RecoveryCopy::discard(const Orphan &) {}

} // namespace kelvo::study
