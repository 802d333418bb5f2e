// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// kelvo-wizard: a training wizard for long-term stock investors.

#include "app/command_line.h"
#include "app/run_wizard.h"
#include "platform/translations.h"

#include <QApplication>
#include <QList>
#include <QtGlobal>
#include <cstdlib>

namespace {

using kelvo::app::answerWithoutWindow;
using kelvo::app::CommandLine;
using kelvo::app::commandLineText;
using kelvo::app::printText;
using kelvo::app::readCommandLine;
using Action = CommandLine::Action;

// A mistake on the command line, told in the user's language: the
// translators, Qt's for the parser's own words included, need an application
// to be installed in, so the command line is read again once they are.
int refuseCommandLine(int argc, char **argv, const QStringList &arguments) {
  QCoreApplication app(argc, argv);
  kelvo::platform::installTranslations(app);
  printText(stderr, commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                                      "kelvo-wizard: %1 (see --help)\n"))
                        .arg(readCommandLine(arguments).error));
  return 2;
}

[[noreturn]] void refuseForLackOfDisplay(const QString &where) {
  printText(
      stderr,
      where.isEmpty()
          ? commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                              "kelvo-wizard needs a graphical desktop (X11 or "
                                              "Wayland), and none was found: start it from a "
                                              "desktop session.\n"))
          : commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                              "kelvo-wizard needs a graphical desktop (X11 or "
                                              "Wayland), and none answered at %1: start it from a "
                                              "desktop session.\n"))
                .arg(where));
  std::_Exit(2);
}

// Where the display was looked for, as the user would name it.
QString displayNamed() {
  QStringList named;
  for (const char *variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"})
    if (!qEnvironmentVariableIsEmpty(variable))
      named << QStringLiteral("%1=%2").arg(QString::fromLatin1(variable),
                                           qEnvironmentVariable(variable));
  return named.join(QStringLiteral(", "));
}

// While QApplication connects to the display, Qt's warnings are held back:
// when no platform plugin can start, Qt ends with a fatal message (and an
// abort); the user gets one line instead. Otherwise the warnings go out as usual.
struct HeldMessage {
  QtMsgType type;
  QByteArray category;
  QString text;
};
QList<HeldMessage> &heldMessages() {
  static QList<HeldMessage> held;
  return held;
}
QtMessageHandler previousHandler = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type == QtFatalMsg)
    refuseForLackOfDisplay(displayNamed());
  heldMessages().append({type, QByteArray(context.category ? context.category : "default"), text});
}

void releaseMessages() {
  qInstallMessageHandler(previousHandler);
  for (const HeldMessage &held : std::as_const(heldMessages())) {
    const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
    qt_message_output(held.type, context, held.text);
  }
  heldMessages().clear();
}

} // namespace

int main(int argc, char **argv) {
  QCoreApplication::setApplicationName(QStringLiteral("kelvo-wizard"));
  QCoreApplication::setApplicationVersion(QStringLiteral(KELVO_VERSION));

  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);
  // Read before any display is opened: a mistake, --help, --version and
  // --list-links are answered without one.
  const CommandLine command = readCommandLine(arguments);
  if (!command.error.isEmpty())
    return refuseCommandLine(argc, argv, arguments);
  if (command.action != Action::Run && command.action != Action::ListControls)
    return answerWithoutWindow(command.action, argc, argv);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
      qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
    refuseForLackOfDisplay(QString());
  previousHandler = qInstallMessageHandler(holdMessage);
  QApplication app(argc, argv);
  releaseMessages();
  kelvo::platform::installTranslations(app);
  if (command.action == Action::ListControls)
    return kelvo::app::listControls(app);
  return kelvo::app::runWizard(app, command.studyFile);
}
