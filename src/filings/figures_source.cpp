// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/figures_source.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace kelvo::filings {

namespace {

class FileTexts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::filings::DownloadedFile)
};

} // namespace

FetchResult readDownloadedFile(const QString &path, const FetchRequest &request, qint64 maxBytes) {
  FetchResult result;
  result.document = request.document;
  result.cik = request.cik;
  const auto fail = [&result](SecError error, const QString &detail) {
    result.error = error;
    result.message = secErrorMessage(error, result.document, detail);
    return result;
  };
  QFile file(path);
  if (!QFileInfo(path).isFile())
    return fail(SecError::FileUnreadable, QFileInfo::exists(path)
                                              ? FileTexts::tr("it is not a regular file")
                                              : FileTexts::tr("it does not exist"));
  if (!file.open(QIODevice::ReadOnly))
    return fail(SecError::FileUnreadable, file.errorString());
  // One byte more than the limit: the file may have grown since it was measured.
  const QByteArray body = file.read(maxBytes + 1);
  if (body.size() > maxBytes)
    return fail(SecError::TooLarge, megabytesText(maxBytes));
  const BodyCheck check =
      request.check ? request.check : defaultBodyCheck(request.document, request.cik);
  if (const QString problem = check(body); !problem.isEmpty())
    return fail(SecError::Damaged, problem);
  result.body = body;
  result.origin = FetchOrigin::File;
  result.downloaded = QFileInfo(file).lastModified().toUTC();
  return result;
}

} // namespace kelvo::filings
