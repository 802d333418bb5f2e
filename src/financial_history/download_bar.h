// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where Financial History's figures come from: the contact e-mail the SEC
// asks for, "Download from the SEC", "Open a downloaded file…", and while a
// download runs, what it is getting, the bytes that have arrived and Cancel.

#include <QWidget>

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace kelvo::app {

class DownloadBar final : public QWidget {
  Q_OBJECT
public:
  explicit DownloadBar(QWidget *parent = nullptr);

  QString contact() const;
  QLineEdit *contactBox() const { return contact_; }
  QPushButton *downloadButton() const { return download_; }
  // What is being downloaded; an empty text when nothing is any more.
  void showBusy(const QString &what);
  void showProgress(qint64 received, qint64 total);

signals:
  void downloadRequested();
  void openFileRequested();
  void cancelRequested();

private:
  QLineEdit *contact_;
  QPushButton *download_;
  QPushButton *openFile_;
  QWidget *busy_;
  QLabel *busyText_;
  QProgressBar *progress_;
  QPushButton *cancel_;
  QString what_;
};

// "1.2 MB", "850 kB", "640 bytes", in the user's language.
QString byteCountText(qint64 bytes);

} // namespace kelvo::app
