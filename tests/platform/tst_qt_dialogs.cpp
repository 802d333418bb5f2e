// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The real message boxes, looked at while they are open: wide enough for
// their title bar, and in the user's language where Qt has a translation.

#include "platform/qt_dialogs.h"
#include "platform/translations.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <functional>

using namespace kelvo::platform;

namespace {

// Runs `look` on the first message box that opens, then closes it with Escape.
void whileOpen(std::function<void(QMessageBox &)> look) {
  auto poll = std::make_shared<std::function<void()>>();
  *poll = [look, poll] {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) {
      QTimer::singleShot(10, *poll);
      return;
    }
    look(*box);
    QTest::keyClick(box, Qt::Key_Escape);
  };
  QTimer::singleShot(0, *poll);
}

} // namespace

class TestQtDialogs : public QObject {
  Q_OBJECT

private slots:
  void wideEnoughForTitle_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("question");
    QTest::newRow("exit question") << "End Program" << true;
    QTest::newRow("calculator") << "Present/Future Value Input Error" << false;
    QTest::newRow("long title") << QString(12, u'W') + " Present/Future Value Input Error" << false;
  }
  void wideEnoughForTitle() {
    QFETCH(QString, title);
    QFETCH(bool, question);
    QtDialogs dialogs;
    int width = 0;
    whileOpen([&](QMessageBox &box) { width = box.width(); });
    dialogs.message(QStringLiteral("OK?"), title,
                    question ? MessageButtons::YesNo : MessageButtons::Ok, MessageIcon::None);
    // The title itself, the window's icon and at least three title-bar buttons.
    const QFontMetrics metrics(QFontDatabase::systemFont(QFontDatabase::TitleFont));
    QVERIFY2(width >= metrics.horizontalAdvance(title) + 4 * metrics.height(),
             qPrintable(QString::number(width)));
  }

  // A German desktop's boxes say "Ja" and "Nein" (Debian's qt6-translations-l10n).
  void buttonsInTheUsersLanguage() {
    QVERIFY(installTranslations(*qApp, QLocale(QLocale::German, QLocale::Germany)) >= 1);
    QtDialogs dialogs;
    QStringList buttons;
    whileOpen([&](QMessageBox &box) {
      for (QAbstractButton *button : box.buttons())
        buttons << button->text().remove(u'&');
    });
    dialogs.message(QStringLiteral("Exit Program?"), QStringLiteral("End Program"),
                    MessageButtons::YesNo, MessageIcon::None);
    buttons.sort();
    QCOMPARE(buttons, (QStringList{"Ja", "Nein"}));
  }
};

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
