// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

// kelvo-wizard: a training wizard for long-term stock investors.

#include "app/layout.h"
#include "app/run_wizard.h"
#include "handover/link_actions.h"
#include "links/link_descriptions.h"
#include "links/link_overrides.h"
#include "platform/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QList>
#include <QtGlobal>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const char *const kContext = "kelvo::app::CommandLine";

QString translated(const char *text) { return QCoreApplication::translate(kContext, text); }

// What QGuiApplication, QApplication and the xcb platform take from the
// command line on Linux. A QApplication removes them from argv itself; they
// are listed here so that the answers given without a window (--help,
// --version, --list-links) accept them too, and so that --help-all can show
// them. -fontengine and -dialogs are Windows-only in Qt, accepted and ignored.
struct QtOption {
  const char *name;
  const char *value; // null for a flag
  const char *description;
};
// clang-format off
constexpr QtOption kQtOptions[] = {
  {"platform", "name[:options]", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The platform plugin to use, such as xcb or wayland.")},
  {"platformpluginpath", "path", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Where to look for platform plugins.")},
  {"platformtheme", "theme", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The platform theme to use.")},
  {"plugin", "plugin", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "An additional plugin to load, such as an input device plugin.")},
  {"qwindowgeometry", "geometry", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The geometry of the first window.")},
  {"qwindowicon", "icon", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The icon of the windows.")},
  {"qwindowtitle", "title", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The title of the first window.")},
  {"qmljsdebugger", "value", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Settings of the QML debugger.")},
  {"reverse", nullptr, QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Lays out the window from right to left.")},
  {"session", "session", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Restores the application from an earlier session.")},
  {"display", "display", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The X11 display to use.")},
  {"geometry", "geometry", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The geometry of the first window (X11).")},
  {"title", "title", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The title of the first window (X11).")},
  {"icon", "icon", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The icon of the windows (X11).")},
  {"name", "name", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The application's instance name in WM_CLASS (X11).")},
  {"visual", "id", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The X11 visual to use.")},
  {"sync", nullptr, QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Talks to the X11 server synchronously, for debugging.")},
  {"nograb", nullptr, QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Never grabs the mouse or the keyboard.")},
  {"dograb", nullptr, QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Grabs the mouse and the keyboard even when debugging.")},
  {"testability", nullptr, QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Loads the testability plugin.")},
  {"style", "style", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "The widget style, such as fusion.")},
  {"stylesheet", "file", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "A style sheet to apply.")},
  {"widgetcount", nullptr, QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Prints the number of widgets left at exit.")},
  {"fontengine", "engine", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Ignored: Qt reads it on Windows only.")},
  {"dialogs", "kind", QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "Ignored: Qt reads it on Windows only.")},
};
// clang-format on

enum class Action { Run, Help, HelpAll, Version, ListLinks, ListControls };

struct CommandLine {
  Action action = Action::Run;
  QString studyFile; // a study to open in the notebook
  QString error;     // one line, without the program's name
};

// The options, described in the user's language when a translator is loaded.
// With qtOptionsShown the options Qt takes for itself are listed as well.
void describeOptions(QCommandLineParser &parser, bool qtOptionsShown) {
  parser.setApplicationDescription(translated(
      QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                        "A training wizard for long-term stock investors.\n\n"
                        "Research addresses can be changed in link override files, "
                        "read at start-up from kelvo-wizard/links/*.conf in $XDG_DATA_HOME "
                        "and $XDG_DATA_DIRS, then kelvo-wizard/links.conf in "
                        "$XDG_CONFIG_DIRS and last in $XDG_CONFIG_HOME (by default "
                        "~/.config/kelvo-wizard/links.conf), a later file winning.")));
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(
      QStringLiteral("list-links"),
      translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                   "Print every link control, its caption, the address it opens "
                                   "and whether that address is built in or from which override "
                                   "file, then exit."))));
  // For the end-to-end tests: where each control sits in the window.
  QCommandLineOption listControls(QStringLiteral("list-controls"), QString());
  listControls.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(listControls);
  for (const QtOption &qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name), translated(qt.description),
                              qt.value ? QString::fromLatin1(qt.value) : QString());
    if (!qtOptionsShown)
      option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  parser.addPositionalArgument(
      QStringLiteral("file"),
      translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "A study file to open.")),
      QStringLiteral("[file]"));
}

CommandLine readCommandLine(const QStringList &arguments) {
  QCommandLineParser parser;
  describeOptions(parser, false);
  CommandLine command;
  if (!parser.parse(arguments)) {
    command.error = parser.errorText().replace(u'\n', u' ');
    return command;
  }
  const QStringList positional = parser.positionalArguments();
  if (!positional.isEmpty()) {
    // One study file to open; anything more is refused.
    if (positional.size() > 1) {
      command.error =
          translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "unexpected argument '%1'"))
              .arg(positional.at(1));
      return command;
    }
    // Only asked, never opened here: a named pipe would wait for a writer.
    const QFileInfo file(positional.first());
    if (!file.isFile()) {
      command.error =
          (file.exists()
               ? translated(
                     QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "'%1' is not a regular file"))
               : translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "there is no file '%1'")))
              .arg(positional.first());
      return command;
    }
    command.studyFile = positional.first();
  }
  if (parser.isSet(QStringLiteral("help")))
    command.action = Action::Help;
  else if (parser.isSet(QStringLiteral("help-all")))
    command.action = Action::HelpAll;
  else if (parser.isSet(QStringLiteral("version")))
    command.action = Action::Version;
  else if (parser.isSet(QStringLiteral("list-links")))
    command.action = Action::ListLinks;
  else if (parser.isSet(QStringLiteral("list-controls")))
    command.action = Action::ListControls;
  return command;
}

void print(std::FILE *to, const QString &text) { std::fputs(qUtf8Printable(text), to); }

// What the window shows for a link control.
QString captionOf(const QString &control) {
  if (const QString caption = kelvo::app::layoutCaption(control); !caption.isEmpty())
    return caption;
  // Controls whose text the window fills in, and those without one.
  if (control == QLatin1String("Label38"))
    return kelvo::handover::makerWebsiteText();
  if (control == QLatin1String("Label2"))
    return kelvo::handover::makerEmailText();
  if (control == QLatin1String("List1"))
    return translated(
        QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "(double-click on a company of the list)"));
  return translated(
      QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "(double-click on the background of any page)"));
}

// One line a control: name, caption, address template, where it came from.
void listLinks() {
  for (const kelvo::links::LinkTemplate &link : kelvo::links::activeLinkCatalogue().links())
    print(stdout, QStringLiteral("%1\t%2\t%3\t%4\n")
                      .arg(link.control, captionOf(link.control), link.address,
                           kelvo::links::linkOriginText(link)));
}

// The answers that need no window. Returns the exit status: 1 when standard
// output could not take them (a full disk, a closed pipe).
int answerWithoutWindow(Action action, int argc, char **argv) {
  // The usage line names the program, not the path it was started by.
  char name[] = "kelvo-wizard";
  std::vector<char *> arguments(argv, argv + argc);
  arguments.at(0) = name;
  int count = argc;
  QCoreApplication app(count, arguments.data());
  kelvo::platform::installTranslations(app);
  if (action == Action::Help || action == Action::HelpAll) {
    QCommandLineParser parser;
    describeOptions(parser, action == Action::HelpAll);
    print(stdout, parser.helpText());
  } else if (action == Action::Version) {
    print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                QCoreApplication::applicationVersion()));
  } else {
    listLinks();
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    const int error = errno;
    print(stderr,
          translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                       "kelvo-wizard: cannot write to standard output: %1\n"))
              .arg(QString::fromLocal8Bit(std::strerror(error))));
    return 1;
  }
  return 0;
}

[[noreturn]] void refuseForLackOfDisplay(const QString &where) {
  print(stderr,
        where.isEmpty()
            ? translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                           "kelvo-wizard needs a graphical desktop (X11 or "
                                           "Wayland), and none was found: start it from a "
                                           "desktop session.\n"))
            : translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
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
  if (!command.error.isEmpty()) {
    print(stderr, translated(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                               "kelvo-wizard: %1 (see --help)\n"))
                      .arg(command.error));
    return 2;
  }
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
