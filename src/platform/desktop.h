#pragma once
// Everything the program hands to the desktop: addresses, the e-mail address,
// the calculator program, a key press, and the yield and pause that follow.

#include <QString>
#include <QStringList>

class QWidget;

namespace kelvo {

// How a text is handed over. OwnedMaximized: owned by the main window, shown
// maximized (research links). PlainNormal: no owner, the desktop's default
// action, a normal window (the contact labels).
enum class ShellStyle { OwnedMaximized, PlainNormal };

enum class DesktopKey { F11 };

class Desktop {
public:
  virtual ~Desktop() = default;
  virtual void openAddress(const QString &address, ShellStyle style) = 0;
  virtual void openEmail(const QString &address, ShellStyle style) = 0;
  virtual void startProgram(const QString &name, ShellStyle style) = 0;
  virtual void sendKey(DesktopKey key) = 0;
  // Runs the events that are waiting, with whatever handlers they trigger.
  virtual void yieldToMessageLoop() = 0;
  // Blocks the window thread; the window neither repaints nor reacts.
  virtual void pause(int ms) = 0;
  // Shows the main window again in front of the others, as far as allowed.
  virtual void bringToFront(QWidget *window) = 0;
};

// The real hand-over on a Linux desktop (X11 or Wayland).
class LinuxDesktop final : public Desktop {
public:
  void openAddress(const QString &address, ShellStyle style) override;
  void openEmail(const QString &address, ShellStyle style) override;
  void startProgram(const QString &name, ShellStyle style) override;
  void sendKey(DesktopKey key) override;
  void yieldToMessageLoop() override;
  void pause(int ms) override;
  void bringToFront(QWidget *window) override;
};

// Records every hand-over as one line instead of performing it, for tests:
//   "open OwnedMaximized http://…", "email PlainNormal info@…",
//   "program OwnedMaximized calc.exe", "key F11", "yield", "pause 300", "front".
// The yield still runs pending events (so nested handlers behave as they
// would), the pause does not sleep.
class RecordingDesktop final : public Desktop {
public:
  QStringList log;
  bool yieldRunsEvents = true;

  void openAddress(const QString &address, ShellStyle style) override;
  void openEmail(const QString &address, ShellStyle style) override;
  void startProgram(const QString &name, ShellStyle style) override;
  void sendKey(DesktopKey key) override;
  void yieldToMessageLoop() override;
  void pause(int ms) override;
  void bringToFront(QWidget *window) override;

  static QString styleName(ShellStyle style);
};

} // namespace kelvo
