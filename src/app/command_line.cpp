// SPDX-FileCopyrightText: 2026 The Kelvo Training Wizard authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_line.h"

#include "handover/link_actions.h"
#include "links/link_descriptions.h"
#include "links/link_overrides.h"
#include "platform/translations.h"
#include "wizard_window/layout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <vector>

namespace kelvo::app {

namespace {

using Action = CommandLine::Action;

const char *const kContext = "kelvo::app::CommandLine";

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

// The options, described in the user's language when a translator is loaded.
// With qtOptionsShown the options Qt takes for itself are listed as well.
void describeOptions(QCommandLineParser &parser, bool qtOptionsShown) {
  parser.setApplicationDescription(commandLineText(
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
      commandLineText(QT_TRANSLATE_NOOP(
          "kelvo::app::CommandLine", "Print every link control, its caption, the address it opens "
                                     "and whether that address is built in or from which override "
                                     "file, then exit."))));
  // For the end-to-end tests: where each control sits in the window.
  QCommandLineOption listControls(QStringLiteral("list-controls"), QString());
  listControls.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(listControls);
  for (const QtOption &qt : kQtOptions) {
    QCommandLineOption option(QString::fromLatin1(qt.name), commandLineText(qt.description),
                              qt.value ? QString::fromLatin1(qt.value) : QString());
    if (!qtOptionsShown)
      option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  parser.addPositionalArgument(
      //: The argument's name in the list of arguments; "[file]" in the usage line.
      commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "file")),
      commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "A study file to open.")),
      commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "[file]")));
}

// What the window shows for a link control.
QString captionOf(const QString &control) {
  if (QString caption = layoutCaption(control); !caption.isEmpty())
    return caption;
  // Controls whose text the window fills in, and those without one.
  if (control == QLatin1String("Label38"))
    return handover::makerWebsiteText();
  if (control == QLatin1String("Label2"))
    return handover::makerEmailText();
  if (control == QLatin1String("List1"))
    return commandLineText(
        QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "(double-click on a company of the list)"));
  return commandLineText(
      QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "(double-click on the background of any page)"));
}

// One line a control: name, caption, address template, where it came from.
void listLinks() {
  for (const links::LinkTemplate &link : links::activeLinkCatalogue().links())
    printText(stdout, QStringLiteral("%1\t%2\t%3\t%4\n")
                          .arg(link.control, captionOf(link.control), link.address,
                               links::linkOriginText(link)));
}

} // namespace

QString commandLineText(const char *text) { return QCoreApplication::translate(kContext, text); }

void printText(std::FILE *to, const QString &text) { std::fputs(qUtf8Printable(text), to); }

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
          commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine", "unexpected argument '%1'"))
              .arg(positional.at(1));
      return command;
    }
    // Only asked, never opened here: a named pipe would wait for a writer.
    const QFileInfo file(positional.first());
    if (!file.isFile()) {
      command.error = (file.exists() ? commandLineText(QT_TRANSLATE_NOOP(
                                           "kelvo::app::CommandLine", "'%1' is not a regular file"))
                                     : commandLineText(QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                                                         "there is no file '%1'")))
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

// The answers that need no window. Returns the exit status: 1 when standard
// output could not take them (a full disk, a closed pipe).
int answerWithoutWindow(Action action, int argc, char **argv) {
  // The usage line names the program, not the path it was started by.
  char name[] = "kelvo-wizard";
  std::vector<char *> arguments(argv, argv + argc);
  arguments.at(0) = name;
  int count = argc;
  QCoreApplication app(count, arguments.data());
  platform::installTranslations(app);
  if (action == Action::Help || action == Action::HelpAll) {
    QCommandLineParser parser;
    describeOptions(parser, action == Action::HelpAll);
    printText(stdout, parser.helpText());
  } else if (action == Action::Version) {
    printText(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
  } else {
    listLinks();
  }
  if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
    const int error = errno;
    printText(stderr, commandLineText(
                          QT_TRANSLATE_NOOP("kelvo::app::CommandLine",
                                            "kelvo-wizard: cannot write to standard output: %1\n"))
                          .arg(QString::fromLocal8Bit(std::strerror(error))));
    return 1;
  }
  return 0;
}

} // namespace kelvo::app
