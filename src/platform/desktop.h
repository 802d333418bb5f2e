// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Everything the program hands to the desktop: addresses, the e-mail address,
// a folder for the file manager, the calculator program, a key press, and
// the yield and pause that follow.

#include <QString>
#include <QStringList>
#include <functional>

namespace kelvo::platform {

// How a text is handed over. OwnedMaximized: owned by the main window, shown
// maximized (research links). PlainNormal: no owner, the desktop's default
// action, a normal window (the contact labels).
enum class ShellStyle { OwnedMaximized, PlainNormal };

enum class DesktopKey { F11 };

// What the desktop was handed, for the words when it refused it.
enum class HandedOver { Address, Email, Folder };

// The desktop calculators the program name "calc.exe" stands for, in the
// order they are tried; the Flatpak apps count only when flatpak is
// installed and has them.
inline QStringList calculatorPrograms() {
  return {QStringLiteral("gnome-calculator"),
          QStringLiteral("kcalc"),
          QStringLiteral("qalculate-qt"),
          QStringLiteral("qalculate-gtk"),
          QStringLiteral("speedcrunch"),
          QStringLiteral("galculator"),
          QStringLiteral("mate-calc"),
          QStringLiteral("kalk"),
          QStringLiteral("xcalc"),
          QStringLiteral("org.gnome.Calculator"),
          QStringLiteral("org.kde.kcalc")};
}

class Desktop {
public:
  virtual ~Desktop() = default;
  // Told when the desktop refused an address or e-mail address: at once when
  // nothing here can open it, or later when the opener program has failed.
  std::function<void(const QString &target, HandedOver what)> refused;

  virtual void openAddress(const QString &address, ShellStyle style) = 0;
  virtual void openEmail(const QString &address, ShellStyle style) = 0;
  // Shows a folder in the desktop's file manager.
  virtual void openFolder(const QString &path) = 0;
  // Whether a program was started.
  virtual bool startProgram(const QString &name, ShellStyle style) = 0;
  virtual void sendKey(DesktopKey key) = 0;
  // Runs the events that are waiting, with whatever handlers they trigger.
  virtual void yieldToMessageLoop() = 0;
  // Blocks the window thread; the window neither repaints nor reacts.
  virtual void pause(int ms) = 0;
  // Shows the program's window again in front of the others, as far as the
  // desktop allows.
  virtual void bringToFront() = 0;

protected:
  void reportRefused(const QString &target, HandedOver what) const {
    if (refused)
      refused(target, what);
  }
};

} // namespace kelvo::platform
