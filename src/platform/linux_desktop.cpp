// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/linux_desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>
#include <QWidget>

// Xlib defines macros (None, Bool, KeyPress, ...) that clash with Qt names,
// so its headers come after every Qt header.
#if defined(KELVO_HAVE_XTEST) && QT_CONFIG(xcb)
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#define KELVO_USE_XTEST 1
#endif

namespace kelvo::platform {

// Neither style can be honoured fully on Linux: there is no portable way to
// ask the browser for a maximized window, nor to make it owned by ours. The
// address reaches the desktop's default browser either way.
void LinuxDesktop::openAddress(const QString &address, ShellStyle) {
  // The address is already percent-encoded where it matters; parsing it as
  // encoded keeps every escape as it is, so xdg-open receives the same bytes
  // (a literal space of a fixed piece becomes %20, as any browser would).
  handOver(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode), address, HandedOver::Address);
}

// A bare e-mail address opens nothing on a Linux desktop; as a mailto:
// address it opens the user's mail program.
void LinuxDesktop::openEmail(const QString &address, ShellStyle) {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(address);
  handOver(url, address, HandedOver::Email);
}

// As a file: address, which xdg-open gives the desktop's file manager.
void LinuxDesktop::openFolder(const QString &path) {
  handOver(QUrl::fromLocalFile(path), path, HandedOver::Folder);
}

// xdg-open is run here rather than by Qt, so that its failure is seen. It is
// watched, never waited for: it may keep running for as long as the browser
// it started in the foreground. Its object is deleted when it ends and never
// before, so ending the wizard does not end the browser.
void LinuxDesktop::handOver(const QUrl &url, const QString &target, HandedOver what) {
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) {
    // Qt still knows a few browsers by name.
    if (!QDesktopServices::openUrl(url))
      reportRefused(target, what);
    return;
  }
  auto *process = new QProcess;
  process->setProgram(opener);
  process->setArguments({QString::fromLatin1(url.toEncoded())});
  // The opener and what it starts write to our streams directly, so they are
  // not cut off by our exit.
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  process->setStandardInputFile(QProcess::nullDevice());
  auto failed = [this, target, what] { reportRefused(target, what); };
  ++openersRunning_;
  QObject::connect(process, &QProcess::finished, &openers_,
                   [this, failed](int code, QProcess::ExitStatus status) {
                     if (status != QProcess::NormalExit || code != 0)
                       failed();
                     --openersRunning_;
                   });
  QObject::connect(process, &QProcess::errorOccurred, &openers_,
                   [this, failed](QProcess::ProcessError error) {
                     if (error == QProcess::FailedToStart) {
                       failed();
                       --openersRunning_;
                     }
                   });
  QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
  QObject::connect(process, &QProcess::errorOccurred, process,
                   [process](QProcess::ProcessError error) {
                     if (error == QProcess::FailedToStart)
                       process->deleteLater();
                   });
  process->start();
}

// The one program name the wizard hands over is the desktop calculator; it
// becomes the first calculator installed here, a Flatpak app last.
bool LinuxDesktop::startProgram(const QString &name, ShellStyle) {
  if (name.compare(QLatin1String("calc.exe"), Qt::CaseInsensitive) != 0)
    return false;
  const QString flatpak = QStandardPaths::findExecutable(QStringLiteral("flatpak"));
  for (const QString &candidate : calculatorPrograms()) {
    if (candidate.startsWith(QLatin1String("org."))) {
      if (flatpak.isEmpty())
        continue;
      // A quick local query; "info" answers 0 only for an installed app.
      QProcess info;
      info.setStandardInputFile(QProcess::nullDevice());
      info.setStandardOutputFile(QProcess::nullDevice());
      info.setStandardErrorFile(QProcess::nullDevice());
      info.start(flatpak, {QStringLiteral("info"), candidate});
      if (!info.waitForFinished(5000)) {
        info.kill();
        info.waitForFinished(1000);
        continue;
      }
      if (info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0 &&
          QProcess::startDetached(flatpak, {QStringLiteral("run"), candidate}))
        return true;
      continue;
    }
    const QString program = QStandardPaths::findExecutable(candidate);
    if (!program.isEmpty() && QProcess::startDetached(program, {}))
      return true;
  }
  return false;
}

// A client can inject keys only on X11 (XTest); Wayland and the headless
// platform give it no way, so there the key is silently not sent.
void LinuxDesktop::sendKey(DesktopKey key) {
#ifdef KELVO_USE_XTEST
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    return;
  auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  Display *display = x11 ? x11->display() : nullptr;
  if (!display)
    return;
  int eventBase = 0, errorBase = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor))
    return;
  const KeySym sym = key == DesktopKey::F11 ? XK_F11 : NoSymbol;
  const KeyCode code = XKeysymToKeycode(display, sym);
  if (code == 0)
    return;
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  XFlush(display);
#else
  (void)key;
#endif
}

void LinuxDesktop::yieldToMessageLoop() { QCoreApplication::processEvents(); }

void LinuxDesktop::pause(int ms) {
  if (ms > 0)
    QThread::msleep(static_cast<unsigned long>(ms));
}

void LinuxDesktop::bringToFront() {
  if (!window_)
    return;
  window_->show();
  window_->raise();
  window_->activateWindow();
}

} // namespace kelvo::platform
