#include "run_wizard.h"

#include "appearance.h"
#include "frm_main.h"

#include <desktop.h>
#include <dialogs.h>

#include <QApplication>

namespace kelvo {

int RunWizard(int &argc, char **argv, QObject *watcher) {
  QApplication app(argc, argv);
  PrepareApplication(app);
  QtDialogs dialogs;
  LinuxDesktop desktop;
  frmMain window(dialogs, desktop);
  dialogs.setParent(&window);
  if (watcher)
    window.installEventFilter(watcher);
  window.show();
  return app.exec();
}

} // namespace kelvo
