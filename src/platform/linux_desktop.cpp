#include "desktop.h"

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

namespace kelvo {

// Neither style can be honoured fully on Linux: there is no portable way to
// ask the browser for a maximized window, nor to make it owned by ours. The
// address reaches the desktop's default browser either way.
void LinuxDesktop::openAddress(const QString &address, ShellStyle) {
  // The address is already percent-encoded where it matters; parsing it as
  // encoded keeps every escape as it is, so xdg-open receives the same bytes
  // (a literal space of a fixed piece becomes %20, as any browser would).
  QDesktopServices::openUrl(QUrl::fromEncoded(address.toUtf8(), QUrl::TolerantMode));
}

// A bare e-mail address opens nothing on a Linux desktop; as a mailto:
// address it opens the user's mail program.
void LinuxDesktop::openEmail(const QString &address, ShellStyle) {
  QUrl url;
  url.setScheme(QStringLiteral("mailto"));
  url.setPath(address);
  QDesktopServices::openUrl(url);
}

// The one program name the wizard hands over is the desktop calculator; it
// becomes the first calculator installed here. Nothing installed is silent,
// as any failure of the desktop is.
void LinuxDesktop::startProgram(const QString &name, ShellStyle) {
  if (name.compare(QLatin1String("calc.exe"), Qt::CaseInsensitive) != 0)
    return;
  static const char *const kCalculators[] = {"gnome-calculator", "kcalc",         "mate-calc",
                                             "galculator",       "qalculate-gtk", "xcalc"};
  for (const char *candidate : kCalculators) {
    const QString program = QStandardPaths::findExecutable(QLatin1String(candidate));
    if (program.isEmpty())
      continue;
    QProcess::startDetached(program, {});
    return;
  }
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

void LinuxDesktop::bringToFront(QWidget *window) {
  if (!window)
    return;
  window->show();
  window->raise();
  window->activateWindow();
}

} // namespace kelvo
