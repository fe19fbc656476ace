// Lumiq: builds the form model, shows its window and runs until it closes.
#include <QApplication>
#include <cstdio>

#include "ui/session.h"

namespace {

// Qt aborts with a long fatal message when it finds no display; a user
// starting Lumiq from a console should read one plain line instead.
bool DisplayConfigured() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    if (!qEnvironmentVariableIsEmpty(name)) return true;
  }
  return false;
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!DisplayConfigured()) {
    std::fputs("lumiq: no display found (DISPLAY and WAYLAND_DISPLAY are not set)\n", stderr);
    return 1;
  }
  QApplication app(argc, argv);
  // Also the window's WM_CLASS, as the desktop entry's StartupWMClass says.
  QApplication::setApplicationName(QStringLiteral(LUMIQ_APP_NAME));
  // Lets the desktop match the window to its entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(LUMIQ_APP_ID));

  lumiq::Session lumiq;
  lumiq.window.show();
  return QApplication::exec();
}
