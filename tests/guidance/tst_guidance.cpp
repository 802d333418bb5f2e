// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// The teaching texts, word for word with the details an editor would be
// tempted to tidy, each shown in its own plain OK box.

#include "guidance/guidance.h"
#include "guidance/show_guidance.h"
#include "support/scripted_dialogs.h"

#include <QTest>

using namespace kelvo::guidance;
using namespace kelvo::platform;

class TestGuidance : public QObject {
  Q_OBJECT

private slots:
  void shown_data();
  void shown();
};

void TestGuidance::shown_data() {
  QTest::addColumn<bool>("help");
  QTest::addColumn<QStringList>("texts");
  // Two blanks after the first two sentences of the first help text, no
  // full stop closing the second, the sixth ending in ": " and carried on
  // by the seventh; doubled apostrophes around cost-barriers.
  QTest::newRow("help")
      << true
      << QStringList{
             "This software will help you become a better stock investor.  It is simple to "
             "navigate.  "
             "Most of the buttons require an active connection to the internet.",
             "They generate links about the company and call internet search engines",
             "For more information about Value Investing, see Vantrell et al. in their book, Value "
             "Investing.",
             "They follow the tradition of Elmont Corvin's teachers, Orwin Tessel and Leontes "
             "Dravell.",
             "Intelligent Investing is based on a thorough grasp of the economic situation.",
             "They put more emphasis on information about the firm that is solid and certain. And, "
             "their "
             "method is based on three components: ",
             "The Value of the Assets, the Value of the Earnings Power, and the Value of Growth.",
             "Corvin and Pradley have added the search for Moats: Sustainable Competitive "
             "Advantages.",
             "This software is dedicated to my daughter with love."};
  QTest::newRow("competitive advantages")
      << false
      << QStringList{"Competitive Advantages can include Technology, Brand Awareness, Size, and "
                     "Efficiencies in "
                     "the Cost of Production and Distribution.",
                     "Just as Marketing emphasizes an ideal mix of Product, Price, Place, and "
                     "Promotions, a firm "
                     "can have advantages in each of these areas.",
                     "There can also be advantages in having the competition have higher "
                     "''cost-barriers'' to "
                     "entry.",
                     "Furthermore, the Value Investor favors efficient and trustworthy managers "
                     "who do not take "
                     "too much in compensation for their services."};
}

void TestGuidance::shown() {
  QFETCH(bool, help);
  QFETCH(QStringList, texts);
  ScriptedDialogs dialogs;
  showGuidance(help ? helpTexts() : advantageTexts(), dialogs);
  QCOMPARE(dialogs.shown.size(), texts.size());
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const ScriptedDialogs::Shown expected{ScriptedDialogs::Shown::Message,
                                          texts[i],
                                          "Kelvo Wizard",
                                          MessageButtons::Ok,
                                          MessageIcon::None,
                                          QString()};
    QCOMPARE(dialogs.shown[i], expected);
  }
}

QTEST_APPLESS_MAIN(TestGuidance)
#include "tst_guidance.moc"
