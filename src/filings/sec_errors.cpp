// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/sec_errors.h"

#include <QCoreApplication>
#include <QLocale>

namespace kelvo::filings {

namespace {

class ErrorTexts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::filings::SecErrors)
};

QString statusMessage(SecDocument document, const QString &status) {
  return document == SecDocument::SymbolList
             ? ErrorTexts::tr("The SEC answered the request for its list of symbols with HTTP "
                              "status %1, which this program does not expect. Try again later.")
                   .arg(status)
             : ErrorTexts::tr("The SEC answered the request for the company's figures with HTTP "
                              "status %1, which this program does not expect. Try again later.")
                   .arg(status);
}

QString damagedMessage(SecDocument document, const QString &reason) {
  return document == SecDocument::SymbolList
             ? ErrorTexts::tr("The SEC's list of symbols is damaged. %1 Try the download again "
                              "later.")
                   .arg(reason)
             : ErrorTexts::tr("The company's figures are damaged or are not the SEC's company "
                              "facts. %1 Download them again, or open another file.")
                   .arg(reason);
}

} // namespace

QString secErrorMessage(SecError error, SecDocument document, const QString &detail) {
  switch (error) {
  case SecError::None:
    return {};
  case SecError::NoContact:
    return ErrorTexts::tr("Type your e-mail address as the contact first, such as "
                          "name@example.com. The SEC asks every program that downloads its data "
                          "to name a contact, and refuses those that do not.");
  case SecError::AddressRefused:
    return ErrorTexts::tr("The address “%1” in KELVO_SEC_BASE_URL is refused: only https "
                          "addresses, or plain http to 127.0.0.1 or localhost, are used. Correct "
                          "the variable or remove it, and start the program again.")
        .arg(detail);
  case SecError::InvalidCik:
    return ErrorTexts::tr("“%1” is not a company number (CIK) of the SEC. Look the company up "
                          "again.")
        .arg(detail);
  case SecError::Refused:
    return ErrorTexts::tr("The SEC refused the download (HTTP 403). Check that the contact "
                          "e-mail is your own working address. After many requests in a short "
                          "time the SEC refuses all of them for a while: wait ten minutes, then "
                          "try again.");
  case SecError::NoFigures:
    return ErrorTexts::tr("The SEC has no reported figures for this company. Funds, trusts and "
                          "some foreign companies file none in this form.");
  case SecError::Busy:
    return ErrorTexts::tr("The SEC is busy and did not answer (HTTP %1). Try again later.")
        .arg(detail);
  case SecError::UnexpectedStatus:
    return statusMessage(document, detail);
  case SecError::TimedOut:
    return ErrorTexts::tr("The download timed out: the SEC sent nothing for %1 seconds. Check "
                          "the network connection and try again.")
        .arg(detail);
  case SecError::HostNotFound:
    return ErrorTexts::tr("The SEC's server “%1” could not be found: the computer seems to have "
                          "no network connection. Check the connection and try again.")
        .arg(detail);
  case SecError::ConnectionRefused:
    return ErrorTexts::tr("The SEC's server “%1” refused the connection. Try again later, and "
                          "check any firewall or proxy that may block it.")
        .arg(detail);
  case SecError::NetworkUnreachable:
    return ErrorTexts::tr("The network is unreachable, so the SEC could not be asked. Check the "
                          "computer's network connection and try again.");
  case SecError::NetworkFailure:
    return ErrorTexts::tr("The download from the SEC failed: %1. Check the network connection "
                          "and try again.")
        .arg(detail);
  case SecError::RedirectRefused:
    return ErrorTexts::tr("The SEC's server sent the request on to “%1”, which this program does "
                          "not follow: it sends your contact e-mail only to the SEC, and only "
                          "over https. Try again later.")
        .arg(detail);
  case SecError::ClosedEarly:
    return ErrorTexts::tr("The connection was closed before the whole file had arrived. Try the "
                          "download again.");
  case SecError::Damaged:
    return damagedMessage(document, detail);
  case SecError::TooLarge:
    return ErrorTexts::tr("The file is too large: it is over %1 MB, far more than the SEC's "
                          "documents need, so it was not read. Try again later, or open another "
                          "file.")
        .arg(detail);
  case SecError::Cancelled:
    return ErrorTexts::tr("The download was cancelled.");
  case SecError::SymbolNotListed:
    return ErrorTexts::tr("The SEC's list of symbols has no “%1”. The company may have been "
                          "renamed, bought or delisted, or its symbol changed: look it up in the "
                          "SEC's company search (EDGAR), or choose another company.")
        .arg(detail);
  case SecError::FileUnreadable:
    return ErrorTexts::tr("The file could not be read: %1. Choose another file.").arg(detail);
  }
  return {};
}

QString megabytesText(qint64 bytes) { return QLocale().toString(double(bytes) / 1e6, 'g', 3); }

QString notCachedMessage(const QString &reason) {
  return ErrorTexts::tr("The figures could not be kept for the next time (%1), so they will be "
                        "downloaded again.")
      .arg(reason);
}

} // namespace kelvo::filings
