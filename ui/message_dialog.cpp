#include "ui/message_dialog.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/qt_text.h"
#include "view/widget_texts.h"

namespace lumiq {
namespace {

// An alert, described by its message: a screen reader reads the description
// of an alert when it opens, where a plain dialog would say only its title
// and the focused button.
class AccessibleMessageDialog : public QAccessibleWidget {
 public:
  explicit AccessibleMessageDialog(QWidget* dialog)
      : QAccessibleWidget(dialog, QAccessible::AlertMessage) {}

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Description) return static_cast<MessageDialog*>(widget())->Text();
    return QAccessibleWidget::text(kind);
  }
};

QAccessibleInterface* MessageDialogAccessibility(const QString& className, QObject* object) {
  if (className != QLatin1String(MessageDialog::staticMetaObject.className())) return nullptr;
  return new AccessibleMessageDialog(static_cast<QWidget*>(object));
}

// The widest a message's text runs before it wraps, as a message box's would.
constexpr int kPreferredTextWidth = 420;
// Room for the window system's title bar and frame around the dialog.
constexpr int kDecorationAllowance = 48;

}  // namespace

MessageDialog::MessageDialog(const QString& text, QWidget* parent) : QDialog(parent) {
  static const bool accessibilityInstalled = [] {
    QAccessible::installFactory(&MessageDialogAccessibility);
    return true;
  }();
  (void)accessibilityInstalled;
  setObjectName(QStringLiteral("LumiqMessage"));
  setWindowTitle(ToQString(kMessageTitle));
  setWindowModality(Qt::ApplicationModal);

  // A read-only plain-text view: what the user typed is never read as markup,
  // wraps anywhere when it has no blanks, scrolls when it is long, and can be
  // selected and copied whole.
  m_text = new QPlainTextEdit(this);
  m_text->setObjectName(QStringLiteral("MessageText"));
  m_text->setReadOnly(true);
  m_text->setFrameShape(QFrame::NoFrame);
  m_text->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  m_text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  m_text->setFocusPolicy(Qt::ClickFocus);
  m_text->setPlainText(text);
  QPalette palette = m_text->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Window));
  m_text->setPalette(palette);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  m_ok = buttons->button(QDialogButtonBox::Ok);
  m_ok->setIcon(QIcon());  // no icon anywhere, not even on the button
  m_ok->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_text);
  layout->addWidget(buttons);
  FitToScreen(text);
  m_ok->setFocus();
}

QString MessageDialog::Text() const {
  return m_text->toPlainText();
}

void MessageDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // As QMessageBox does: tells assistive technology that an alert is up.
  QAccessibleEvent alert(this, QAccessible::Alert);
  QAccessible::updateAccessibility(&alert);
}

void MessageDialog::FitToScreen(const QString& text) {
  const QScreen* screen =
      parentWidget() != nullptr ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  const QRect available = screen->availableGeometry();
  const QMargins margins = layout()->contentsMargins();
  const int spacing = layout()->spacing();
  const int buttonRow = m_ok->sizeHint().height();
  const int chrome = 2 * static_cast<int>(m_text->document()->documentMargin());

  const int maxTextWidth =
      std::min(kPreferredTextWidth, available.width() - margins.left() - margins.right() - chrome);
  const int maxTextHeight = available.height() - kDecorationAllowance - margins.top() -
                            margins.bottom() - spacing - buttonRow - chrome;
  const QFontMetrics metrics = m_text->fontMetrics();
  const QRect natural = metrics.boundingRect(QRect(0, 0, maxTextWidth, 1 << 20),
                                             Qt::TextWordWrap | Qt::TextWrapAnywhere, text);
  const bool scrolls = natural.height() > maxTextHeight;
  const int scrollBar = scrolls ? m_text->verticalScrollBar()->sizeHint().width() : 0;
  const int width = std::min(natural.width(), maxTextWidth) + chrome + scrollBar;
  const int height = std::min(natural.height(), maxTextHeight) + chrome;
  m_text->setFixedSize(std::max(width, metrics.averageCharWidth() * 20), std::max(height, 0));
  m_text->setVerticalScrollBarPolicy(scrolls ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
  m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setMaximumSize(available.size());
}

}  // namespace lumiq
