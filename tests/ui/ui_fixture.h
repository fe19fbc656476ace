// A real Lumiq window over a real model, as main() builds them, and a helper
// that answers message boxes the way a user would.
#pragma once

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "form/form_model.h"
#include "ui/message_dialog.h"
#include "ui/session.h"

namespace lumiq::testing_support {

// The field a test's row is named for (its control name), if any.
inline std::optional<Field> FieldNamed(std::string_view name) {
  for (const Field field : kAllFields) {
    if (NameOf(field) == name) return field;
  }
  return std::nullopt;
}

struct UiFixture : Session {
  // Shows the window and waits until it has keyboard focus.
  bool ShowActive() {
    window.show();
    return QTest::qWaitForWindowActive(&window);
  }

  template <typename W = QWidget>
  W* Widget(const char* name) const {
    return window.findChild<W*>(QString::fromLatin1(name));
  }
  QLineEdit* Box(const char* name) const { return Widget<QLineEdit>(name); }
  QPushButton* Button(const char* name) const { return Widget<QPushButton>(name); }
};

// Watches for a modal message box; when one is up, calls `whileShown` with it
// (the box still open, the handler still suspended), then presses OK.
class MessageBoxAnswerer : public QObject {
 public:
  explicit MessageBoxAnswerer(std::function<void(MessageDialog&)> whileShown = {})
      : m_whileShown(std::move(whileShown)) {
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::Poll);
    m_timer.start();
  }

  std::vector<QString> texts;
  std::vector<QString> titles;

 private:
  void Poll() {
    auto* box = qobject_cast<MessageDialog*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    texts.push_back(box->Text());
    titles.push_back(box->windowTitle());
    if (m_whileShown) m_whileShown(*box);
    box->OkButton()->click();
  }

  std::function<void(MessageDialog&)> m_whileShown;
  QTimer m_timer;
};

}  // namespace lumiq::testing_support
