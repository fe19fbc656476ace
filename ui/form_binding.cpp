#include "ui/form_binding.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/clickable_label.h"
#include "ui/eliding_line_edit.h"
#include "ui/qt_text.h"
#include "ui/swatch_widget.h"
#include "ui/widget_texts.h"

namespace lumiq {
namespace {

// Every part of the model has a widget of its kind (the layout table is
// checked for that at compile time); a window built otherwise is a bug that
// no build may run past.
template <typename W>
W* Find(QWidget& window, std::string_view name) {
  W* widget = window.findChild<W*>(ToQString(name));
  if (widget == nullptr) {
    qFatal("Lumiq: the window has no %s named \"%.*s\"", W::staticMetaObject.className(),
           static_cast<int>(name.size()), name.data());
  }
  return widget;
}

constexpr Control kButtons[] = {Control::C_mlm, Control::C_mcd, Control::Calculate};

QColor ToQColor(ColorRef color) {
  return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

}  // namespace

FormBinding::FormBinding(FormModel& model, QWidget& window) : QObject(&window), m_model(model) {
  for (const Field field : kAllFields) {
    ElidingLineEdit* box = Find<ElidingLineEdit>(window, NameOf(field));
    m_boxes[static_cast<std::size_t>(field)] = box;
    // textEdited fires for the user's edits only (typing, paste, cut, undo),
    // never for setText, so mirroring cannot feed back into the model.
    connect(box, &QLineEdit::textEdited, this,
            [this, field](const QString& text) { m_model.SetText(field, text.toStdString()); });
  }
  for (const Control control : kButtons) {
    auto* button = Find<QPushButton>(window, NameOf(control));
    m_controls[static_cast<std::size_t>(control)] = button;
    connect(button, &QPushButton::clicked, this, [this, control] { m_model.Click(control); });
  }
  auto* credit = Find<ClickableLabel>(window, NameOf(Control::Label4));
  m_controls[static_cast<std::size_t>(Control::Label4)] = credit;
  connect(credit, &ClickableLabel::clicked, this, [this] { m_model.Click(Control::Label4); });

  m_invisible = Find<QLabel>(window, NameOf(Indicator::Invisible));
  m_swatch = Find<SwatchWidget>(window, NameOf(Indicator::Color));
  m_model.Replay(*this);
  m_model.AddObserver(this);
}

FormBinding::~FormBinding() {
  m_model.RemoveObserver(this);
}

void FormBinding::OnTextChanged(Field field, const std::string& text) {
  ElidingLineEdit* box = Box(field);
  const QString shown = ToQString(text);
  // The user's own edit is already on screen; rewriting it would move the
  // cursor and drop the undo history.
  if (box->text() != shown) {
    box->setText(shown);
    // setText leaves the cursor at the end, scrolled there: a long result
    // would show only its last digits, which read as another number.
    box->setCursorPosition(0);
  }
  DescribeClippedText(*box);
}

void FormBinding::OnEnabledChanged(Field field, bool enabled) {
  Box(field)->setEnabled(enabled);
}

void FormBinding::OnEnabledChanged(Control control, bool enabled) {
  m_controls[static_cast<std::size_t>(control)]->setEnabled(enabled);
}

void FormBinding::OnInvisibleShownChanged(bool shown) {
  m_invisible->setVisible(shown);
}

void FormBinding::OnSwatchColorChanged(ColorRef color) {
  m_swatch->SetFill(ToQColor(color));
}

}  // namespace lumiq
