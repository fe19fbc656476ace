// Lumiq: builds the form model, shows its window and runs until it closes.
#include <QApplication>
#include <functional>

#include "form/form_model.h"
#include "ui/lumiq_window.h"
#include "ui/message_box_sink.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumiq"));
  // Lets the desktop match the window to its entry and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral(LUMIQ_APP_ID));

  lumiq::MessageBoxSink showMessage;
  lumiq::FormModel model{std::cref(showMessage)};
  lumiq::LumiqWindow window{model};
  showMessage.SetParent(&window);
  window.show();
  return QApplication::exec();
}
