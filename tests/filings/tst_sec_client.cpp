// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
// Getting the SEC's documents from a local server: what is sent, what is
// kept, and that every failure says what happened and leaves the copy kept.

#include "filings/sec_client.h"
#include "filings/sec_contact.h"
#include "support/fixture_http_server.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvo::filings;
using kelvo::test::FixtureAnswer;

namespace {

const QByteArray kListPath = "/files/company_tickers_exchange.json";
const QByteArray kFactsPath = "/api/xbrl/companyfacts/CIK0000320193.json";
const QByteArray kList =
    R"({"fields": ["cik","name","ticker","exchange"], "data": [[320193,"Apple Inc.","AAPL","Nasdaq"]]})";
const QByteArray kFacts = R"({"cik":320193,"entityName":"Apple Inc.","facts":{"us-gaap":{
  "NetIncomeLoss":{"units":{"USD":[{"end":"2024-09-28","val":93736000000,"form":"10-K"}]}}}}})";
const QString kContact = QStringLiteral("ada@example.com");
const QByteArray kLastModified = "Tue, 01 Oct 2024 10:00:00 GMT";
const auto kFactsDoc = SecDocument::CompanyFacts, kListDoc = SecDocument::SymbolList;

QByteArray pathOf(SecDocument document) { return document == kListDoc ? kListPath : kFactsPath; }
QByteArray firstCopyOf(SecDocument document) { return document == kListDoc ? kList : kFacts; }

QByteArray readAll(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

class TestSecClient : public QObject {
  Q_OBJECT

  QTemporaryDir m_home;
  kelvo::test::FixtureHttpServer m_server;
  const QDateTime m_start = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::UTC);
  QDateTime m_now;

  FetchResult fetch(SecClient &client, SecDocument document) {
    QSignalSpy finished(&client, &FiguresSource::finished);
    if (!client.fetch({document, 320193, kContact, {}}) || !finished.wait(20000))
      return {};
    return finished.at(0).at(0).value<FetchResult>();
  }
  // Downloads the first copy of the document, dated m_now, with validators.
  void keepFirstCopy(SecClient &client, SecDocument document) {
    client.setClock([this] { return m_now; });
    m_server.serve(
        pathOf(document),
        {200, {{"ETag", "\"v1\""}, {"Last-Modified", kLastModified}}, firstCopyOf(document)});
    QCOMPARE(fetch(client, document).origin, FetchOrigin::Downloaded);
    m_server.clearRequests();
  }

private slots:
  void initTestCase() {
    QVERIFY(m_home.isValid() && m_server.listen());
    qputenv("XDG_CACHE_HOME", m_home.filePath(QStringLiteral("cache")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv(kBaseUrlVariable, m_server.baseUrl().toEncoded());
  }
  void init() {
    QDir(FiguresCache::defaultFolder()).removeRecursively();
    m_server.clearRequests();
    m_now = m_start;
  }

  // clang-format off
  void addresses_data() {
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("list"); // empty: refused
    QTest::addColumn<QString>("facts");
    const QString list = QString::fromLatin1(kListPath), facts = QString::fromLatin1(kFactsPath);
    QTest::newRow("the SEC") << "" << "https://" KELVO_HOST_SEC + list << "https://" KELVO_HOST_SEC_DATA + facts;
    QTest::newRow("local IP") << "http://127.0.0.1:8123" << "http://127.0.0.1:8123" + list << "http://127.0.0.1:8123" + facts;
    QTest::newRow("localhost, folder") << "http://localhost:80/sec/" << "http://localhost:80/sec" + list << "http://localhost:80/sec" + facts;
    QTest::newRow("https mirror") << "https://mirror.example" << "https://mirror.example" + list << "https://mirror.example" + facts;
    QTest::newRow("http elsewhere") << "http://192.168.1.20:8123" << "" << "";
    QTest::newRow("http to a name") << "http://localhost.example.com" << "" << "";
    QTest::newRow("ftp") << "ftp://127.0.0.1" << "" << "";
    QTest::newRow("user name") << "https://ada@mirror.example" << "" << "";
    QTest::newRow("query") << "https://mirror.example/?q=1" << "" << "";
    QTest::newRow("no scheme") << "127.0.0.1:8123" << "" << "";
  }
  // clang-format on
  void addresses() {
    QFETCH(QString, base);
    QFETCH(QString, list);
    QFETCH(QString, facts);
    const std::optional<SecEndpoints> endpoints = endpointsFor(base);
    QCOMPARE(endpoints.has_value(), !list.isEmpty());
    if (endpoints) {
      QCOMPARE(documentUrl(*endpoints, kListDoc, 0).toString(), list);
      QCOMPARE(documentUrl(*endpoints, kFactsDoc, 320193).toString(), facts);
    }
  }

  void contacts_data() {
    QTest::addColumn<QString>("contact");
    QTest::addColumn<bool>("plausible");
    QTest::newRow("plain") << "ada@example.com" << true;
    QTest::newRow("spaces around") << "  ada@example.com " << true;
    QTest::newRow("plus, subdomain") << "ada.l+sec@mail.example.co.uk" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("no @") << "ada.example.com" << false;
    QTest::newRow("no dot in domain") << "ada@localhost" << false;
    QTest::newRow("two @") << "ada@home@example.com" << false;
    QTest::newRow("space inside") << "ada lovelace@example.com" << false;
    QTest::newRow("header injection") << "ada@example.com\r\nX-Other: 1" << false;
    QTest::newRow("with a name") << "Ada <ada@example.com>" << false;
    QTest::newRow("not ASCII") << "adä@example.com" << false;
  }
  void contacts() {
    QFETCH(QString, contact);
    QFETCH(bool, plausible);
    QCOMPARE(isPlausibleContact(contact), plausible);
  }

  // clang-format off
  void failuresKeepTheCopy_data() {
    QTest::addColumn<SecDocument>("document");
    QTest::addColumn<int>("status"); // 0: nobody listens at the address
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("how"); // "cut", "stall", "cancel" (after 40 bytes), "no length", "huge length"
    QTest::addColumn<SecError>("error");
    QTest::addColumn<QString>("message");
    const QByteArray large = kFacts + QByteArray(5000, ' ');
    QTest::newRow("403") << kFactsDoc << 403 << QByteArray("Undeclared Automated Tool") << "" << SecError::Refused << "Check that the contact e-mail";
    QTest::newRow("404 facts") << kFactsDoc << 404 << QByteArray() << "" << SecError::NoFigures << "Funds, trusts and some foreign companies";
    QTest::newRow("404 list") << kListDoc << 404 << QByteArray() << "" << SecError::UnexpectedStatus << "HTTP status 404";
    QTest::newRow("429") << kFactsDoc << 429 << QByteArray() << "" << SecError::Busy << "busy and did not answer (HTTP 429)";
    QTest::newRow("503") << kListDoc << 503 << QByteArray() << "" << SecError::Busy << "(HTTP 503). Try again later";
    QTest::newRow("closed mid-body") << kFactsDoc << 200 << kFacts << "cut" << SecError::ClosedEarly << "closed before the whole file";
    QTest::newRow("stalled") << kFactsDoc << 200 << kFacts << "stall" << SecError::TimedOut << "timed out";
    QTest::newRow("cancelled") << kFactsDoc << 200 << kFacts << "cancel" << SecError::Cancelled << "cancelled";
    QTest::newRow("invalid JSON") << kFactsDoc << 200 << kFacts.left(60) << "" << SecError::Damaged << "not valid JSON";
    QTest::newRow("another company") << kFactsDoc << 200 << QByteArray(R"({"cik": 789019, "facts": {}})") << "" << SecError::Damaged << "CIK 789019, not of CIK 320193";
    QTest::newRow("not the list") << kListDoc << 200 << kFacts << "" << SecError::Damaged << "not the SEC's list";
    QTest::newRow("over the cap, announced") << kFactsDoc << 200 << kFacts << "huge length" << SecError::TooLarge << "too large";
    QTest::newRow("over the cap, counted") << kFactsDoc << 200 << large << "no length" << SecError::TooLarge << "too large";
    QTest::newRow("redirected elsewhere") << kListDoc << 302 << QByteArray() << "" << SecError::RedirectRefused << "https://elsewhere.example/list.json";
    QTest::newRow("nobody listens") << kListDoc << 0 << QByteArray() << "" << SecError::ConnectionRefused << "“127.0.0.1” refused the connection";
  }
  // clang-format on
  void failuresKeepTheCopy() {
    QFETCH(SecDocument, document);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, how);
    QFETCH(SecError, error);
    QFETCH(QString, message);
    SecClient client;
    client.setBodyLimit(4096);
    keepFirstCopy(client, document);
    const QString name = documentFileName(document, 320193);
    const QByteArray keptBody = readAll(client.cache().bodyPath(name));
    const QByteArray keptSidecar = readAll(client.cache().sidecarPath(name));

    m_now = m_now.addDays(8); // every copy is stale: the SEC is asked
    const bool stall = how == QLatin1String("stall") || how == QLatin1String("cancel");
    FixtureAnswer answer{status,
                         {{"Location", "https://elsewhere.example/list.json"}},
                         body,
                         !how.contains(QLatin1String("length")),
                         stall || how == QLatin1String("cut") ? 40 : -1,
                         stall};
    if (how == QLatin1String("huge length"))
      answer.headers.emplaceBack("Content-Length", "300000000");
    m_server.serve(pathOf(document), answer);
    if (status == 0)
      m_server.close();
    if (how == QLatin1String("stall"))
      client.setStallTimeout(std::chrono::milliseconds(300));
    QSignalSpy progress(&client, &FiguresSource::progress);
    QSignalSpy finished(&client, &FiguresSource::finished);
    QVERIFY(client.fetch({document, 320193, kContact, {}}));
    if (how == QLatin1String("cancel")) {
      QTRY_VERIFY_WITH_TIMEOUT(!progress.isEmpty() && progress.last().at(0) == 40, 20000);
      client.cancel();
    }
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    QVERIFY(status != 0 || m_server.listen());
    const auto result = finished.at(0).at(0).value<FetchResult>();
    QCOMPARE(result.error, error);
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
    // The earlier copy is offered with the error, and stays as it was.
    QCOMPARE(result.origin, FetchOrigin::Cache);
    QCOMPARE(result.body, firstCopyOf(document));
    QCOMPARE(readAll(client.cache().bodyPath(name)), keptBody);
    QCOMPARE(readAll(client.cache().sidecarPath(name)), keptSidecar);
  }

  // clang-format off
  void keptCopies_data() {
    QTest::addColumn<SecDocument>("document");
    QTest::addColumn<int>("hoursOld");
    QTest::addColumn<bool>("damaged");
    QTest::addColumn<int>("status"); // of the SEC's answer, when asked
    QTest::addColumn<bool>("deflated"); // the answer's body compressed, as the SEC sends it
    QTest::addColumn<FetchOrigin>("origin");
    QTest::newRow("facts of 23 hours") << kFactsDoc << 23 << false << 200 << false << FetchOrigin::Cache;
    QTest::newRow("facts of 25 hours, unchanged") << kFactsDoc << 25 << false << 304 << false << FetchOrigin::Revalidated;
    QTest::newRow("facts of 25 hours, changed") << kFactsDoc << 25 << false << 200 << false << FetchOrigin::Downloaded;
    QTest::newRow("facts of 25 hours, changed, deflated") << kFactsDoc << 25 << false << 200 << true << FetchOrigin::Downloaded;
    QTest::newRow("list of 6 days") << kListDoc << 6 * 24 << false << 200 << false << FetchOrigin::Cache;
    QTest::newRow("list of 8 days, unchanged") << kListDoc << 8 * 24 << false << 304 << false << FetchOrigin::Revalidated;
    QTest::newRow("damaged copy") << kFactsDoc << 0 << true << 200 << false << FetchOrigin::Downloaded;
    QTest::newRow("copy from the future") << kFactsDoc << -48 << false << 304 << false << FetchOrigin::Revalidated;
  }
  // clang-format on
  void keptCopies() {
    QFETCH(SecDocument, document);
    QFETCH(int, hoursOld);
    QFETCH(bool, damaged);
    QFETCH(int, status);
    QFETCH(bool, deflated);
    QFETCH(FetchOrigin, origin);
    const QByteArray first = firstCopyOf(document);
    const QByteArray second = QByteArray(first).replace("Apple Inc.", "Apple Inc");
    SecClient client;
    keepFirstCopy(client, document);
    const QString bodyPath = client.cache().bodyPath(documentFileName(document, 320193));
    QFile file(bodyPath);
    QVERIFY(!damaged || (file.open(QIODevice::ReadWrite) && file.write("[[[[") == 4));
    file.close();

    m_now = m_now.addSecs(hoursOld * 3600);
    if (deflated) // zlib's stream, without the length qCompress() puts before it
      m_server.serve(pathOf(document),
                     {status, {{"Content-Encoding", "deflate"}}, qCompress(second).mid(4)});
    else
      m_server.serve(pathOf(document), {status, {}, status == 200 ? second : QByteArray()});
    const FetchResult result = fetch(client, document);
    QCOMPARE(result.origin, origin);
    const bool asked = origin != FetchOrigin::Cache, conditional = asked && !damaged;
    QCOMPARE(m_server.requests().size(), asked ? 1 : 0);
    const auto headers = m_server.requests().value(0).headers;
    QCOMPARE(headers.value("if-none-match"), conditional ? "\"v1\"" : QByteArray());
    QCOMPARE(headers.value("if-modified-since"), conditional ? kLastModified : QByteArray());
    const QByteArray kept = origin == FetchOrigin::Downloaded ? second : first;
    QCOMPARE(result.body, kept);
    QCOMPARE(readAll(bodyPath), kept);
    // The SEC's answer, even "not modified", dates the copy.
    const QDateTime answered = asked ? m_now : m_start;
    QCOMPARE(result.downloaded, answered);
    QCOMPARE(client.cached({document, 320193, {}, {}}).downloaded, answered);
  }

  void requestsNameTheContactAndKeepTheirPlace() {
    QVERIFY(!storeContact(QStringLiteral("ada")));
    QVERIFY(storeContact(QStringLiteral(" ada@example.com ")));
    QCOMPARE(storedContact(), kContact);
    QVERIFY(
        QFile::exists(m_home.filePath(QStringLiteral("config/kelvo-wizard/kelvo-wizard.conf"))));

    SecClient client;
    QSignalSpy finished(&client, &FiguresSource::finished);
    QVERIFY(client.fetch({kListDoc, 0, QStringLiteral("ada"), {}}));
    QVERIFY(!client.fetch({kListDoc, 0, kContact, {}})); // one at a time
    QVERIFY(finished.wait(20000));
    QCOMPARE(finished.at(0).at(0).value<FetchResult>().error, SecError::NoContact);
    QVERIFY(m_server.requests().isEmpty());

    m_server.serve(kListPath, {200, {}, kList});
    QCOMPARE(fetch(client, kListDoc).error, SecError::None);
    QCOMPARE(m_server.requests().size(), 1);
    QCOMPARE(m_server.requests().at(0).headers.value("user-agent"),
             "kelvo-wizard/" KELVO_VERSION " ada@example.com");
    QCOMPARE(readAll(m_home.filePath(QStringLiteral("cache/kelvo-wizard/sec/") + kListPath.mid(7))),
             kList);
  }

  // clang-format off
  void openedFiles_data() {
    QTest::addColumn<QByteArray>("content"); // "<none>": no such file; "<folder>": a folder
    QTest::addColumn<SecError>("error");
    QTest::addColumn<QString>("message");
    QTest::newRow("saved from a browser") << kFacts << SecError::None << "";
    QTest::newRow("the list instead") << kList << SecError::Damaged << "not a company's figures";
    QTest::newRow("cut short") << kFacts.left(70) << SecError::Damaged << "not valid JSON";
    QTest::newRow("over the cap") << kFacts + QByteArray(5000, ' ') << SecError::TooLarge << "too large";
    QTest::newRow("no such file") << QByteArray("<none>") << SecError::FileUnreadable << "does not exist";
    QTest::newRow("a folder") << QByteArray("<folder>") << SecError::FileUnreadable << "not a regular file";
  }
  // clang-format on
  void openedFiles() {
    QFETCH(QByteArray, content);
    QFETCH(SecError, error);
    QFETCH(QString, message);
    const QString path = m_home.filePath(QStringLiteral("CIK0000320193.json"));
    QFile file(path);
    QVERIFY(QDir(path).removeRecursively() && (!file.exists() || file.remove()));
    if (content == "<folder>")
      QVERIFY(QDir().mkpath(path));
    else if (content != "<none>")
      QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();
    const FetchResult result = readDownloadedFile(path, {kFactsDoc, 320193, {}, {}}, 4096);
    QCOMPARE(result.error, error);
    QVERIFY2(result.message.contains(message), qPrintable(result.message));
    QCOMPARE(result.origin, error == SecError::None ? FetchOrigin::File : FetchOrigin::None);
  }
};

QTEST_GUILESS_MAIN(TestSecClient)
#include "tst_sec_client.moc"
