// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/sec_contact.h"

#include "platform/settings_file.h"

#include <QSettings>
#include <algorithm>

namespace kelvo::filings {

namespace {

const QString &contactKey() {
  static const QString key = QStringLiteral("financialHistory/contact");
  return key;
}

bool isAddressCharacter(QChar c) {
  static const QString kForbidden = QStringLiteral("\"'<>()[],;:\\@");
  return c.unicode() > 0x20 && c.unicode() < 0x7f && !kForbidden.contains(c);
}

bool isDomainCharacter(QChar c) {
  return c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('.');
}

} // namespace

bool isPlausibleContact(const QString &contact) {
  const QString address = contact.trimmed();
  const qsizetype at = address.indexOf(QLatin1Char('@'));
  if (address.size() > 254 || at < 1 || at != address.lastIndexOf(QLatin1Char('@')))
    return false;
  const QString local = address.left(at);
  const QString domain = address.mid(at + 1);
  if (!std::all_of(local.begin(), local.end(), isAddressCharacter) ||
      !std::all_of(domain.begin(), domain.end(),
                   [](QChar c) { return isAddressCharacter(c) && isDomainCharacter(c); }))
    return false;
  return domain.contains(QLatin1Char('.')) && !domain.startsWith(QLatin1Char('.')) &&
         !domain.endsWith(QLatin1Char('.')) && !domain.contains(QLatin1String(".."));
}

QString storedContact() {
  const QSettings settings(platform::settingsFilePath(), QSettings::IniFormat);
  const QString contact = settings.value(contactKey()).toString().trimmed();
  return isPlausibleContact(contact) ? contact : QString();
}

bool storeContact(const QString &contact) {
  if (!isPlausibleContact(contact))
    return false;
  QSettings settings(platform::settingsFilePath(), QSettings::IniFormat);
  settings.setValue(contactKey(), contact.trimmed());
  settings.sync();
  return settings.status() == QSettings::NoError;
}

} // namespace kelvo::filings
