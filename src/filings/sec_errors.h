// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What can go wrong while getting a document from the SEC, each with a
// sentence for the user that says what happened and what to do.

#include "filings/sec_documents.h"

#include <QString>

namespace kelvo::filings {

enum class SecError {
  None,
  NoContact,          // no plausible contact e-mail: nothing was sent
  AddressRefused,     // KELVO_SEC_BASE_URL is not an acceptable address
  InvalidCik,         // the company number asked for cannot be one
  Refused,            // HTTP 403
  NoFigures,          // HTTP 404 for company facts
  Busy,               // HTTP 429 or 5xx
  UnexpectedStatus,   // any other status (a 404 for the symbol list among them)
  TimedOut,           // no data for the stall timeout
  HostNotFound,       // name lookup failed: usually no network at all
  ConnectionRefused,  // the host is there, nothing listens
  NetworkUnreachable, // no route to the host
  NetworkFailure,     // any other failure below HTTP (TLS, proxy ...)
  RedirectRefused,    // sent on to an address the contact must not go to
  ClosedEarly,        // the connection closed before the whole body arrived
  Damaged,            // not valid JSON of the expected kind
  TooLarge,           // the body is over the size limit
  Cancelled,          // the user cancelled
  SymbolNotListed,    // the symbol is not in the SEC's list (found by the list's reader)
  FileUnreadable,     // a downloaded file the user opened cannot be read
};

// A translated sentence or two. detail fills in what the case names: the
// HTTP status (Busy, UnexpectedStatus), the host (HostNotFound,
// ConnectionRefused), the address (AddressRefused, RedirectRefused), the
// system's words (NetworkFailure, FileUnreadable), the check's sentence
// (Damaged), the symbol (SymbolNotListed), the CIK (InvalidCik), the seconds
// waited (TimedOut) and the limit in MB (TooLarge).
QString secErrorMessage(SecError error, SecDocument document, const QString &detail = {});

// "200" for 200,000,000 bytes, in the user's locale: the detail of TooLarge.
QString megabytesText(qint64 bytes);

// Said beside figures that arrived but could not be kept for the next time.
QString notCachedMessage(const QString &reason);

} // namespace kelvo::filings
