// Shows the model's messages as modal boxes over the window.
#pragma once

#include <QPointer>
#include <QWidget>
#include <string_view>

namespace lumiq {

// A message sink for FormModel. The parent is set once the window exists;
// each call blocks in a modal box titled "Lumiq" with one OK button and no
// icon, and returns when the user dismisses it.
class MessageBoxSink {
 public:
  void SetParent(QWidget* parent) { m_parent = parent; }
  void operator()(std::string_view message) const;

 private:
  QPointer<QWidget> m_parent;
};

}  // namespace lumiq
