// kelvo-wizard: a training wizard for long-term stock investors.

#include "app/layout.h"
#include "app/run_wizard.h"
#include "links/link_actions.h"
#include "links/link_overrides.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt would abort with a long message; say it plainly.
bool displayAvailable() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    return true;
  return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

void print(std::FILE *to, const QString &text) { std::fputs(qUtf8Printable(text), to); }

// What the window shows for a link control.
QString captionOf(const QString &control) {
  for (const kelvo::app::ControlRow &row : kelvo::app::windowLayout())
    if (control == QLatin1String(row.name) && row.text)
      return QString::fromUtf8(row.text).replace(u'\n', u' ');
  // Controls whose text the window fills in, and those without one.
  if (control == QLatin1String("Label38"))
    return kelvo::links::makerWebsiteText();
  if (control == QLatin1String("Label2"))
    return kelvo::links::makerEmailText();
  if (control == QLatin1String("List1"))
    return QStringLiteral("(double-click on a company of the list)");
  return QStringLiteral("(double-click on the background of any page)");
}

// One line a control: name, caption, address template, where it came from.
void listLinks() {
  for (const kelvo::links::LinkTemplate &link : kelvo::links::activeLinkCatalogue().links())
    print(stdout, QStringLiteral("%1\t%2\t%3\t%4\n")
                      .arg(link.control, captionOf(link.control), link.address,
                           link.origin.isEmpty() ? QStringLiteral("built in") : link.origin));
}

} // namespace

int main(int argc, char **argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i)
    arguments << QString::fromLocal8Bit(argv[i]);

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A training wizard for long-term stock investors."));
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help = parser.addHelpOption();
  const QCommandLineOption version = parser.addVersionOption();
  const QCommandLineOption listLinksOption(
      QStringLiteral("list-links"),
      QStringLiteral("Print every link control, its caption, the address it opens and whether "
                     "that address is built in or from which override file, then exit."));
  parser.addOption(listLinksOption);
  // For the end-to-end tests: where each control sits in the window.
  QCommandLineOption listControlsOption(QStringLiteral("list-controls"), QString());
  listControlsOption.setFlags(QCommandLineOption::HiddenFromHelp);
  parser.addOption(listControlsOption);
  // Qt's own options are passed on to the window unchanged.
  for (const char *name : {"platform", "platformpluginpath", "platformtheme", "plugin",
                           "qwindowgeometry", "qwindowicon", "qwindowtitle", "display", "geometry",
                           "style", "stylesheet", "session", "reverse", "widgetcount"}) {
    const bool flag = qstrcmp(name, "reverse") == 0 || qstrcmp(name, "widgetcount") == 0;
    QCommandLineOption option(QString::fromLatin1(name), QString(),
                              flag ? QString() : QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }

  // Before the display check: these answer without a window.
  if (!parser.parse(arguments)) {
    print(stderr, QStringLiteral("kelvo-wizard: %1 (see --help)\n")
                      .arg(parser.errorText().replace(u'\n', u' ')));
    return 2;
  }
  const bool helpAll = parser.isSet(QStringLiteral("help-all"));
  if (parser.isSet(help) || helpAll || parser.isSet(version) || parser.isSet(listLinksOption)) {
    QCoreApplication app(argc, argv);
    if (parser.isSet(help) || helpAll)
      print(stdout, parser.helpText());
    else if (parser.isSet(version))
      print(stdout, QStringLiteral("kelvo-wizard %1\n").arg(QStringLiteral(KELVO_VERSION)));
    else
      listLinks();
    return 0;
  }

  if (!displayAvailable()) {
    std::fputs("kelvo-wizard needs a graphical desktop (X11 or Wayland), and none was found: "
               "start it from a desktop session.\n",
               stderr);
    return 2;
  }
  if (parser.isSet(listControlsOption))
    return kelvo::app::listControls(argc, argv);
  return kelvo::app::runWizard(argc, argv);
}
