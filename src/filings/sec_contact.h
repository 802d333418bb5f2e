// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The contact e-mail the SEC asks every downloading program to name. It is
// typed by the user, kept in the user's settings, and sent only to the SEC,
// in the User-Agent of each request.

#include <QString>

namespace kelvo::filings {

// Loosely an e-mail address: printable ASCII without spaces, quotes, angle
// brackets or commas, one "@", and a domain with a dot. Surrounding spaces
// are ignored. What can land in an HTTP header is all that is strict here.
bool isPlausibleContact(const QString &contact);

// The stored contact (key financialHistory/contact of the settings file), or
// an empty string when none is stored or the stored one is not plausible
// (edited by hand).
QString storedContact();

// Stores a plausible contact (trimmed); call it when the user has typed one
// and starts a download. Returns false when the contact is not plausible or
// the settings file could not be written.
bool storeContact(const QString &contact);

} // namespace kelvo::filings
