#include "link_actions.h"

#include "desktop.h"
#include "handover_messages.h"
#include "hosts.h"
#include "link_launcher.h"
#include "show_guidance.h"

namespace kelvo {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString MakerWebsiteText() { return BaseAddress(LinkEndpoint::Maker); }
QString MakerEmailText() { return FromView(hosts::kMakerEmail); }
QString MakerCreditText() { return QStringLiteral("Marvane Partners, LLC - 2006"); }

LinkActions::LinkActions(Dialogs &dialogs, Desktop &desktop, LinkContext context,
                         QWidget *mainWindow)
    : dialogs_(dialogs), desktop_(desktop), context_(std::move(context)), mainWindow_(mainWindow) {
  ReportRefusedHandOvers(desktop_, dialogs_);
}

QStringList LinkActions::controls() {
  QStringList names;
  for (const LinkTemplate &link : kLinkCatalogue)
    names << FromView(link.control);
  return names;
}

QString LinkActions::addressNow(const QString &control) const {
  const QByteArray name = control.toUtf8();
  const LinkTemplate *link = FindLink(std::string_view(name.constData(), name.size()));
  return link ? ComposeLinkUrl(*link, currentInputs()) : QString();
}

LinkInputs LinkActions::currentInputs() const {
  LinkInputs inputs;
  if (context_.symbolBox)
    inputs.symbolBox = context_.symbolBox();
  if (context_.nameBox)
    inputs.nameBox = context_.nameBox();
  if (context_.selectedRow)
    inputs.listSymbol = ListSymbolOf(context_.selectedRow());
  return inputs;
}

void LinkActions::trigger(const QString &control) {
  const QByteArray name = control.toUtf8();
  const LinkTemplate *link = FindLink(std::string_view(name.constData(), name.size()));
  if (!link)
    return;

  if (control == QLatin1String("Command21"))
    ShowGuidance(AdvantageTexts(), dialogs_);

  // Read now, not earlier: a handler nested in an earlier yield may have
  // changed the boxes or the list selection.
  OpenResearchLink(*link, currentInputs(), dialogs_, desktop_);

  if (control == QLatin1String("Command27")) {
    // The wizard comes back in front of the browser, then the calculator is
    // started last so that it lies in front of both.
    desktop_.bringToFront(mainWindow_);
    const bool started =
        desktop_.startProgram(QStringLiteral("calc.exe"), ShellStyle::OwnedMaximized);
    desktop_.yieldToMessageLoop();
    desktop_.pause(30);
    if (!started)
      ReportNoCalculator(dialogs_);
  } else if (control == QLatin1String("Command28")) {
    // Full screen for the browser, if it has come to the front by now.
    desktop_.sendKey(DesktopKey::F11);
  }
}

void LinkActions::showHelp() { ShowGuidance(HelpTexts(), dialogs_); }

} // namespace kelvo
