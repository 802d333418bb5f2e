// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "financial_history/download_bar.h"

#include "filings/sec_contact.h"
#include "widgets/single_line.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>

namespace kelvo::app {

QString byteCountText(qint64 bytes) {
  // The SEC's documents are measured as browsers measure downloads: in
  // thousands, not 1024s.
  return QLocale().formattedDataSize(bytes, 1, QLocale::DataSizeSIFormat);
}

DownloadBar::DownloadBar(QWidget *parent)
    : QWidget(parent), contact_(new QLineEdit),
      download_(new QPushButton(tr("&Download from the SEC"))),
      openFile_(new QPushButton(tr("&Open a downloaded file…"))), busy_(new QWidget),
      busyText_(new QLabel), progress_(new QProgressBar), cancel_(new QPushButton(tr("Cancel"))) {
  auto *label = new QLabel(tr("&Contact e-mail:"));
  contact_->setObjectName(QStringLiteral("contact"));
  contact_->setAccessibleName(tr("Contact e-mail (sent to the SEC)"));
  contact_->setPlaceholderText(tr("name@example.com"));
  contact_->setToolTip(tr("The SEC asks every program that downloads its data to name a "
                          "contact. Your e-mail is sent to the SEC with each request, and "
                          "nowhere else; it is kept in your settings for the next time."));
  contact_->setValidator(new widgets::SingleLineValidator(contact_));
  contact_->setText(filings::storedContact());
  contact_->setMinimumWidth(contact_->fontMetrics().horizontalAdvance(QLatin1Char('m')) * 18);
  label->setBuddy(contact_);
  connect(contact_, &QLineEdit::returnPressed, this, &DownloadBar::downloadRequested);

  download_->setObjectName(QStringLiteral("download"));
  download_->setToolTip(tr("Gets the SEC's list of symbols and this company's reported figures. "
                           "Copies downloaded lately are used without asking again."));
  connect(download_, &QPushButton::clicked, this, &DownloadBar::downloadRequested);
  openFile_->setObjectName(QStringLiteral("openFile"));
  openFile_->setToolTip(tr("Reads a company's facts (CIK##########.json) that you saved from "
                           "the SEC's site in a browser."));
  connect(openFile_, &QPushButton::clicked, this, &DownloadBar::openFileRequested);

  busyText_->setObjectName(QStringLiteral("downloading"));
  progress_->setObjectName(QStringLiteral("progress"));
  progress_->setAccessibleName(tr("Download progress"));
  progress_->setTextVisible(true);
  cancel_->setObjectName(QStringLiteral("cancelDownload"));
  connect(cancel_, &QPushButton::clicked, this, &DownloadBar::cancelRequested);
  auto *busyRow = new QHBoxLayout(busy_);
  busyRow->setContentsMargins(0, 0, 0, 0);
  busyRow->addWidget(busyText_);
  busyRow->addWidget(progress_, 1);
  busyRow->addWidget(cancel_);
  busy_->hide();

  auto *grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->addWidget(label, 0, 0);
  grid->addWidget(contact_, 0, 1);
  grid->addWidget(download_, 0, 2);
  grid->addWidget(openFile_, 0, 3);
  grid->addWidget(busy_, 1, 0, 1, 4);
  grid->setColumnStretch(1, 1);
}

QString DownloadBar::contact() const { return contact_->text().trimmed(); }

void DownloadBar::showBusy(const QString &what) {
  const bool busy = !what.isEmpty();
  const bool hadFocus = busy_->isAncestorOf(focusWidget());
  what_ = what;
  busyText_->setText(what);
  progress_->setRange(0, 0); // moving until the first bytes say how far it is
  busy_->setVisible(busy);
  download_->setEnabled(!busy);
  openFile_->setEnabled(!busy);
  // The keyboard goes from the disabled button to Cancel. From the contact
  // field it does not move: the Return that started the download travels on
  // to the window, which would press Cancel with it.
  if (busy && download_->hasFocus())
    cancel_->setFocus();
  else if (!busy && hadFocus)
    download_->setFocus();
}

void DownloadBar::showProgress(qint64 received, qint64 total) {
  if (total > 0) {
    // QProgressBar counts in int: kilobytes keep a 200 MB body within it.
    progress_->setRange(0, int(total / 1000));
    progress_->setValue(int(std::min(received, total) / 1000));
    progress_->setFormat(tr("%1 of %2").arg(byteCountText(received), byteCountText(total)));
    busyText_->setText(what_);
  } else {
    // Without a length the bar only moves; the bytes so far are told beside it.
    progress_->setRange(0, 0);
    busyText_->setText(tr("%1 %2 so far").arg(what_, byteCountText(received)));
  }
  progress_->setAccessibleDescription(total > 0 ? progress_->text() : busyText_->text());
}

} // namespace kelvo::app
