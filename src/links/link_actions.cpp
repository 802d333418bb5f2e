#include "link_actions.h"

namespace kelvo {

LinkActions::LinkActions(Dialogs &dialogs, Desktop &desktop, LinkContext context,
                         QWidget *mainWindow)
    : dialogs_(dialogs), desktop_(desktop), context_(std::move(context)),
      mainWindow_(mainWindow) {}

QStringList LinkActions::controls() { return {}; }
void LinkActions::trigger(const QString &) {}
void LinkActions::showHelp() {}

} // namespace kelvo
