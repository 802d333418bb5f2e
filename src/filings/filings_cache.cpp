// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filings/filings_cache.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

namespace kelvo::filings {

namespace {

class CacheTexts {
  Q_DECLARE_TR_FUNCTIONS(kelvo::filings::FiguresCache)
};

constexpr qint64 kMaxSidecarBytes = 64LL * 1024;

// The validators go back into a request's headers: an edited sidecar must
// not be able to add a line to it.
QByteArray headerValue(const QString &text) {
  const bool printable = std::all_of(
      text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7f; });
  return printable ? text.toLatin1() : QByteArray();
}

QString latin1(const QByteArray &bytes) { return QString::fromLatin1(bytes); }

QByteArray sidecarJson(const CachedCopy &copy) {
  const QJsonObject object{
      {QStringLiteral("url"), copy.url.toString(QUrl::FullyEncoded)},
      {QStringLiteral("downloaded"), copy.downloaded.toUTC().toString(Qt::ISODateWithMs)},
      {QStringLiteral("lastModified"), latin1(copy.lastModified)},
      {QStringLiteral("etag"), latin1(copy.etag)},
      {QStringLiteral("size"), copy.body.size()}};
  return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

QString saveAtomically(const QString &path, const QByteArray &bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
    return file.errorString();
  return {};
}

} // namespace

QString FiguresCache::defaultFolder() {
  // GenericCacheLocation is the XDG cache home itself; CacheLocation would
  // add the organisation's and application's names.
  return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
         QStringLiteral("/kelvo-wizard/sec");
}

FiguresCache::FiguresCache(QString folder) : m_folder(std::move(folder)) {}

QString FiguresCache::bodyPath(const QString &name) const {
  return m_folder + QLatin1Char('/') + name;
}

QString FiguresCache::sidecarPath(const QString &name) const {
  return bodyPath(name) + QStringLiteral(".meta");
}

std::optional<CachedCopy> FiguresCache::read(const QString &name, const QUrl &url,
                                             qint64 maxBytes) const {
  QFile sidecar(sidecarPath(name));
  if (!sidecar.open(QIODevice::ReadOnly))
    return std::nullopt;
  const QJsonObject meta = QJsonDocument::fromJson(sidecar.read(kMaxSidecarBytes)).object();
  CachedCopy copy;
  copy.url = QUrl(meta.value(QLatin1String("url")).toString(), QUrl::StrictMode);
  copy.downloaded =
      QDateTime::fromString(meta.value(QLatin1String("downloaded")).toString(), Qt::ISODateWithMs);
  copy.lastModified = headerValue(meta.value(QLatin1String("lastModified")).toString());
  copy.etag = headerValue(meta.value(QLatin1String("etag")).toString());
  const qint64 size = meta.value(QLatin1String("size")).toInteger(-1);
  if (copy.url != url || !copy.downloaded.isValid() || size < 0 || size > maxBytes)
    return std::nullopt;

  QFile body(bodyPath(name));
  if (!body.open(QIODevice::ReadOnly) || body.size() != size)
    return std::nullopt;
  copy.body = body.read(size + 1);
  if (copy.body.size() != size)
    return std::nullopt;
  return copy;
}

QString FiguresCache::write(const QString &name, const CachedCopy &copy) const {
  if (!QDir().mkpath(m_folder))
    return CacheTexts::tr("the folder “%1” could not be created")
        .arg(QDir::toNativeSeparators(m_folder));
  QSaveFile body(bodyPath(name));
  if (!body.open(QIODevice::WriteOnly) || body.write(copy.body) != copy.body.size())
    return body.errorString();
  QFile::remove(sidecarPath(name));
  if (!body.commit())
    return body.errorString();
  return writeSidecar(name, copy);
}

QString FiguresCache::writeSidecar(const QString &name, const CachedCopy &copy) const {
  return saveAtomically(sidecarPath(name), sidecarJson(copy));
}

} // namespace kelvo::filings
