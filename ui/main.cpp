// Lumiq: builds the form model, shows its window and runs until it closes.
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "ui/session.h"

namespace {

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
// A Wayland compositor Qt can reach: the socket WAYLAND_DISPLAY names (in
// XDG_RUNTIME_DIR unless it is a path) exists, or one was handed over, and
// Qt's Wayland platform plugin is installed.
bool WaylandReachable() {
  const QString name = qEnvironmentVariable("WAYLAND_DISPLAY");
  const bool compositor =
      !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET") ||
      (!name.isEmpty() &&
       QFileInfo::exists(QDir::isAbsolutePath(name)
                             ? name
                             : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name));
  if (!compositor) return false;
  for (const QString& plugins : QCoreApplication::libraryPaths()) {
    if (!QDir(plugins + QStringLiteral("/platforms"))
             .entryList({QStringLiteral("*qwayland*")}, QDir::Files)
             .isEmpty()) {
      return true;
    }
  }
  return false;
}
#endif

// Qt aborts with a long fatal message when it finds no display; a user
// starting Lumiq from a console should read one plain line instead. Qt
// itself tries Wayland first in a Wayland session and X11 after it; a
// platform the user names is theirs to choose.
bool DisplayConfigured() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
  return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
         !qEnvironmentVariableIsEmpty("DISPLAY") || WaylandReachable();
#else
  return true;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!DisplayConfigured()) {
    std::fputs(
        "lumiq: no display found (DISPLAY is not set, and no Wayland compositor is reachable)\n",
        stderr);
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
