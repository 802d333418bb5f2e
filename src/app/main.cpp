// kelvo-wizard: a training wizard for long-term stock investors.

#include "run_wizard.h"

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

} // namespace

int main(int argc, char **argv) {
  if (!displayAvailable()) {
    std::fputs("kelvo-wizard needs a graphical desktop (X11 or Wayland), and none was found: "
               "start it from a desktop session.\n", stderr);
    return 2;
  }
  return kelvo::RunWizard(argc, argv);
}
