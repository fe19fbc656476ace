// The modal box a message is shown in: title "Lumiq", the text as plain text,
// one OK button and no icon, never larger than the screen it is on. To a screen
// reader it is an alert whose description is the message, announced on opening
// as a message box is.
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace lumiq {

class MessageDialog : public QDialog {
  Q_OBJECT

 public:
  MessageDialog(const QString& text, QWidget* parent);

  QString Text() const;
  QPushButton* OkButton() const { return m_ok; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FitToScreen(const QString& text);

  QPlainTextEdit* m_text = nullptr;
  QPushButton* m_ok = nullptr;
};

}  // namespace lumiq
