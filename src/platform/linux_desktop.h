// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The hand-over to a Linux desktop: xdg-open for addresses, e-mail and folders, the
// first calculator installed, XTest for a key on X11.

#include "platform/desktop.h"

#include <QObject>

class QUrl;
class QWidget;

namespace kelvo::platform {

// The real hand-over on a Linux desktop (X11 or Wayland).
class LinuxDesktop final : public Desktop {
public:
  // The window that bringToFront() brings to the front.
  void setWindow(QWidget *window) { window_ = window; }

  void openAddress(const QString &address, ShellStyle style) override;
  void openEmail(const QString &address, ShellStyle style) override;
  void openFolder(const QString &path) override;
  // "calc.exe" starts the first calculator installed, looked for in the
  // order of calculatorPrograms().
  bool startProgram(const QString &name, ShellStyle style) override;
  void sendKey(DesktopKey key) override;
  void yieldToMessageLoop() override;
  void pause(int ms) override;
  void bringToFront() override;

  // The openers handed an address that have not ended yet; at 0, every
  // refusal they could report has been reported.
  int openersRunning() const { return openersRunning_; }

private:
  QWidget *window_ = nullptr;
  void handOver(const QUrl &url, const QString &target, HandedOver what);
  // Owns the watch on running openers: once the desktop is gone, an opener
  // that ends reports to no one.
  QObject openers_;
  int openersRunning_ = 0;
};

} // namespace kelvo::platform
