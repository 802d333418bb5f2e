// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/recording_desktop.h"

#include <QCoreApplication>
#include <utility>

namespace kelvo::platform {

QString RecordingDesktop::styleName(ShellStyle style) {
  return style == ShellStyle::OwnedMaximized ? QStringLiteral("OwnedMaximized")
                                             : QStringLiteral("PlainNormal");
}

void RecordingDesktop::openAddress(const QString &address, ShellStyle style) {
  log << QStringLiteral("open %1 %2").arg(styleName(style), address);
  if (std::exchange(refuseNext, false))
    reportRefused(address, HandedOver::Address);
}

void RecordingDesktop::openEmail(const QString &address, ShellStyle style) {
  log << QStringLiteral("email %1 %2").arg(styleName(style), address);
  if (std::exchange(refuseNext, false))
    reportRefused(address, HandedOver::Email);
}

void RecordingDesktop::openFolder(const QString &path) {
  log << QStringLiteral("folder %1").arg(path);
  if (std::exchange(refuseNext, false))
    reportRefused(path, HandedOver::Folder);
}

bool RecordingDesktop::startProgram(const QString &name, ShellStyle style) {
  log << QStringLiteral("program %1 %2").arg(styleName(style), name);
  return !noPrograms;
}

void RecordingDesktop::sendKey(DesktopKey) { log << QStringLiteral("key F11"); }

void RecordingDesktop::yieldToMessageLoop() {
  log << QStringLiteral("yield");
  QCoreApplication::processEvents();
}

void RecordingDesktop::pause(int ms) { log << QStringLiteral("pause %1").arg(ms); }

void RecordingDesktop::bringToFront() { log << QStringLiteral("front"); }

} // namespace kelvo::platform
