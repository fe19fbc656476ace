#include "ui/widget_texts.h"

#include <QStyle>

#include "ui/qt_text.h"

namespace lumiq {
namespace {

struct WidgetText {
  std::string_view name;
  const char* accessibleName;  // from the caption that labels the widget
  const char* toolTip;         // none for a label
};

// clang-format off
constexpr WidgetText kTexts[] = {
    {"mcd", "millicandela",
     "Luminous intensity on the LED's axis, in millicandela (mcd)"},
    {"deg", "degrees",
     "Viewing angle in degrees: the full apex angle of the light cone, not the half angle "
     "(more than 0 and less than 360)"},
    {"mlm", "millilumen",
     "Luminous flux in millilumen (mlm): the intensity times the solid angle of a cone "
     "with that full apex angle"},
    {"Voltage", "Voltage LED", "The LED's forward voltage, in volts (V)"},
    {"Current", "Current LED", "The current through the LED, in milliamps (mA)"},
    {"Power", "Power LED", "Electrical power in milliwatts: voltage times current"},
    {"Efficiency", "Efficiency", "Luminous efficacy in lumen per watt: flux divided by power"},
    {"Wavelength", "Wavelength", "Wavelength of the LED's light, in nanometres (nm)"},
    {"Color", "Estimated color", "The colour of light of that wavelength, as estimated"},
    // Read as a sentence, without the caption's line-break hyphens.
    {"Label9", "An incandescent bulb outputs between 3 and 19 lm/W. A fluorescent lamp outputs "
     "about 60 lm/W.", nullptr},
};
// clang-format on

const WidgetText* TextsOf(const QWidget& widget) {
  for (const WidgetText& text : kTexts) {
    if (ToQString(text.name) == widget.objectName()) return &text;
  }
  return nullptr;
}

// A line edit's text starts this far inside its frame (QLineEdit's margin).
constexpr int kLineEditMargin = 2;

}  // namespace

void DescribeWidgets(QWidget& window) {
  for (const WidgetText& text : kTexts) {
    QWidget* widget = window.findChild<QWidget*>(ToQString(text.name));
    if (widget == nullptr) continue;
    widget->setAccessibleName(QString::fromUtf8(text.accessibleName));
    if (text.toolTip != nullptr) widget->setToolTip(QString::fromUtf8(text.toolTip));
  }
}

}  // namespace lumiq

namespace lumiq {

void DescribeClippedText(QLineEdit& box) {
  const int frame = box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &box);
  const int room = box.width() - 2 * (frame + kLineEditMargin);
  const bool clipped = box.fontMetrics().horizontalAdvance(box.text()) > room;
  const WidgetText* texts = TextsOf(box);
  const QString toolTip = texts != nullptr ? QString::fromUtf8(texts->toolTip) : QString();
  box.setAccessibleDescription(clipped ? box.text() : QString());
  if (!clipped) {
    box.setToolTip(toolTip);
    return;
  }
  // Rich text with the value escaped, so a typed "<b>" shows as written.
  box.setToolTip(QStringLiteral("<p>%1</p><p><b>%2</b></p>")
                     .arg(toolTip.toHtmlEscaped(), box.text().toHtmlEscaped()));
}

}  // namespace lumiq
