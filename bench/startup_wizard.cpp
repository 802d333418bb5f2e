// The program's own start-up, set up exactly as its main() does, ending after
// the main window's first painted frame.
#include "first_paint.h"

#include <appearance.h>
#include <desktop.h>
#include <dialogs.h>
#include <frm_main.h>

#include <QApplication>

int main(int argc, char **argv) {
  QApplication app(argc, argv);
  kelvo::PrepareApplication(app);
  kelvo::QtDialogs dialogs;
  kelvo::LinuxDesktop desktop;
  kelvo::frmMain window(dialogs, desktop);
  dialogs.setParent(&window);
  QuitAfterFirstPaint quitter;
  window.installEventFilter(&quitter);
  window.show();
  return app.exec();
}
