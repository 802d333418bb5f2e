#include "desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QThread>
#include <QUrl>
#include <QWidget>

namespace kelvo {

// Thin for now; the research-links work completes the calculator, the key
// sender and the e-mail hand-over.
void LinuxDesktop::openAddress(const QString &address, ShellStyle) {
  QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

void LinuxDesktop::openEmail(const QString &address, ShellStyle) {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(address);
  QDesktopServices::openUrl(url);
}

void LinuxDesktop::startProgram(const QString &, ShellStyle) {}

void LinuxDesktop::sendKey(DesktopKey) {}

void LinuxDesktop::yieldToMessageLoop() { QCoreApplication::processEvents(); }

void LinuxDesktop::pause(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

void LinuxDesktop::bringToFront(QWidget *window) {
  if (!window)
    return;
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace kelvo
