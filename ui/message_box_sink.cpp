#include "ui/message_box_sink.h"

#include "ui/message_dialog.h"
#include "ui/qt_text.h"
#include "view/widget_texts.h"

namespace lumiq {

void MessageBoxSink::operator()(std::string_view message) const {
  MessageDialog box(ToQString(MessageLines(message)), m_parent);
  box.exec();
}

}  // namespace lumiq
