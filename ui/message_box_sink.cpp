#include "ui/message_box_sink.h"

#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

#include "ui/qt_text.h"

namespace lumiq {

QString MessageBoxText(std::string_view message) {
  QString text = ToQString(message);
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

void MessageBoxSink::operator()(std::string_view message) const {
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Lumiq"), MessageBoxText(message),
                  QMessageBox::Ok, m_parent);
  box.setObjectName(QStringLiteral("LumiqMessage"));
  // What the user typed is quoted in the message: never read it as markup.
  box.setTextFormat(Qt::PlainText);
  box.setWindowModality(Qt::ApplicationModal);
  box.button(QMessageBox::Ok)->setIcon(QIcon());  // no icon anywhere, not even on the button
  box.exec();
}

}  // namespace lumiq
