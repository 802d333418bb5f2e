// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A desktop that records every hand-over instead of performing it, for
// tests and benchmarks.

#include "platform/desktop.h"

namespace kelvo::platform {

// Records every hand-over as one line instead of performing it, for tests:
//   "open OwnedMaximized http://…", "email PlainNormal info@…", "folder /home/…",
//   "program OwnedMaximized calc.exe", "key F11", "yield", "pause 300", "front".
// The yield still runs pending events (so nested handlers behave as they
// would), the pause does not sleep. `refuseNext` makes the next address or
// e-mail or folder hand-over refused; `noPrograms` finds no program to start.
class RecordingDesktop final : public Desktop {
public:
  QStringList log;
  bool refuseNext = false;
  bool noPrograms = false;

  void openAddress(const QString &address, ShellStyle style) override;
  void openEmail(const QString &address, ShellStyle style) override;
  void openFolder(const QString &path) override;
  bool startProgram(const QString &name, ShellStyle style) override;
  void sendKey(DesktopKey key) override;
  void yieldToMessageLoop() override;
  void pause(int ms) override;
  void bringToFront() override;

  static QString styleName(ShellStyle style);
};

} // namespace kelvo::platform
