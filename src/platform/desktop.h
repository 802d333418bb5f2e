#pragma once
// Everything the program hands to the desktop: addresses, the e-mail address,
// the calculator program, a key press, and the yield and pause that follow.

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QUrl;
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
  // Told when the desktop refused an address or e-mail address: at once when
  // nothing here can open it, or later when the opener program has failed.
  std::function<void(const QString &target, bool email)> refused;

  virtual void openAddress(const QString &address, ShellStyle style) = 0;
  virtual void openEmail(const QString &address, ShellStyle style) = 0;
  // Whether a program was started.
  virtual bool startProgram(const QString &name, ShellStyle style) = 0;
  virtual void sendKey(DesktopKey key) = 0;
  // Runs the events that are waiting, with whatever handlers they trigger.
  virtual void yieldToMessageLoop() = 0;
  // Blocks the window thread; the window neither repaints nor reacts.
  virtual void pause(int ms) = 0;
  // Shows the main window again in front of the others, as far as allowed.
  virtual void bringToFront(QWidget *window) = 0;

protected:
  void reportRefused(const QString &target, bool email) const {
    if (refused)
      refused(target, email);
  }
};

// The real hand-over on a Linux desktop (X11 or Wayland).
class LinuxDesktop final : public Desktop {
public:
  void openAddress(const QString &address, ShellStyle style) override;
  void openEmail(const QString &address, ShellStyle style) override;
  // "calc.exe" starts the first calculator installed, looked for in the
  // order of CalculatorsLookedFor().
  bool startProgram(const QString &name, ShellStyle style) override;
  void sendKey(DesktopKey key) override;
  void yieldToMessageLoop() override;
  void pause(int ms) override;
  void bringToFront(QWidget *window) override;

  // The programs "calc.exe" may become, in the order they are tried; the
  // Flatpak apps count only when flatpak is installed and has them.
  static QStringList CalculatorsLookedFor();

private:
  void handOver(const QUrl &url, const QString &target, bool email);
  // Owns the watch on running openers: once the desktop is gone, an opener
  // that ends reports to no one.
  QObject openers_;
};

} // namespace kelvo
