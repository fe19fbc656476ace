#include "ui/form_binding.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <utility>

#include "ui/clickable_label.h"
#include "ui/eliding_line_edit.h"
#include "ui/qt_text.h"
#include "ui/swatch_widget.h"
#include "ui/widget_texts.h"
#include "view/widget_texts.h"

namespace lumiq {
namespace {

QColor ToQColor(ColorRef color) {
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

}  // namespace

FormBinding::FormBinding(FormModel& model, QWidget& window, const FormWidgets& widgets)
    : QObject(&window), m_model(model), m_widgets(widgets) {
  for (const Field field : kAllFields) {
    // Every change of a box's text that the mirroring did not make is an
    // edit: the user's typing, paste, cut and undo, and an assistive
    // technology setting the text, which Qt does through setText (so
    // textEdited misses it). A disabled box takes no edit from anyone.
    ElidingLineEdit& box = m_widgets.Box(field);
    connect(&box, &QLineEdit::textChanged, this, [this, field, &box](const QString& text) {
      if (m_mirroring) return;
      if (box.isEnabled()) {
        m_echo.Forward(m_model, field, text.toStdString());
      } else {
        Mirror(box, m_model.Text(field));
      }
    });
  }
  for (const Control control : kAllControls) {
    const auto click = [this, control] { m_model.Click(control); };
    if (PartOf(control).kind == PartKind::Link) {
      connect(&m_widgets.Credit(), &ClickableLabel::clicked, this, click);
    } else {
      connect(&m_widgets.Button(control), &QPushButton::clicked, this, click);
    }
  }
  m_model.Replay(*this);
  m_model.AddObserver(this);
}

FormBinding::~FormBinding() {
  m_model.RemoveObserver(this);
}

void FormBinding::Mirror(ElidingLineEdit& box, const std::string& text) {
  const bool mirroring = std::exchange(m_mirroring, true);
  box.setText(ToQString(text));
  // setText leaves the cursor at the end, scrolled there: a long result
  // would show only its last digits, which read as another number.
  box.setCursorPosition(0);
  m_mirroring = mirroring;
}

void FormBinding::OnTextChanged(Field field, const std::string& text) {
  ElidingLineEdit& box = m_widgets.Box(field);
  if (!m_echo.IsEcho(field, text)) Mirror(box, text);
  DescribeClippedText(box, TextsOf(field));
}

void FormBinding::OnEnabledChanged(Field field, bool enabled) {
  m_widgets.Box(field).setEnabled(enabled);
}

void FormBinding::OnEnabledChanged(Control control, bool enabled) {
  m_widgets.Of(control).setEnabled(enabled);
}

void FormBinding::OnInvisibleShownChanged(bool shown) {
  m_widgets.Invisible().setVisible(shown);
}

void FormBinding::OnSwatchColorChanged(ColorRef color) {
  m_widgets.Swatch().SetFill(ToQColor(color), ToQString(SpokenColor(color)));
}

}  // namespace lumiq
