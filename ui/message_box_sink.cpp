#include "ui/message_box_sink.h"

#include "ui/message_dialog.h"
#include "ui/qt_text.h"

namespace lumiq {

QString MessageBoxText(std::string_view message) {
  QString text = ToQString(message);
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

void MessageBoxSink::operator()(std::string_view message) const {
  MessageDialog box(MessageBoxText(message), m_parent);
  box.exec();
}

}  // namespace lumiq
