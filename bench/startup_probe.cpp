// Starts either the Lumiq window or a bare window of the same size holding
// one line edit, and at its first painted frame prints its peak resident
// memory in kB and quits. The parent times it from launch to that line.
//   lumiq_startup_probe lumiq|baseline
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "ui/session.h"

namespace {

long PeakResidentKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

class FirstPaint : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !m_seen) {
      m_seen = true;
      // Report once this paint has reached the backing store.
      QTimer::singleShot(0, qApp, [] {
        std::printf("%ld\n", PeakResidentKb());
        std::fflush(stdout);
        QApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool m_seen = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool lumiqWindow = argc > 1 && std::strcmp(argv[1], "lumiq") == 0;
  QApplication app(argc, argv);
  FirstPaint firstPaint;
  if (lumiqWindow) {
    lumiq::Session lumiq;
    lumiq.window.installEventFilter(&firstPaint);
    lumiq.window.show();
    return QApplication::exec();
  }
  QWidget window;
  window.setFixedSize(283, 304);
  QLineEdit box(&window);
  box.setGeometry(24, 168, 65, 19);
  window.installEventFilter(&firstPaint);
  window.show();
  return QApplication::exec();
}
