#include "ui/widget_texts.h"

#include "ui/qt_text.h"

namespace lumiq {
namespace {

struct WidgetText {
  std::string_view name;
  const char* accessibleName;  // from the caption that labels the widget
  const char* toolTip;
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
};
// clang-format on

}  // namespace

void DescribeWidgets(QWidget& window) {
  for (const WidgetText& text : kTexts) {
    QWidget* widget = window.findChild<QWidget*>(ToQString(text.name));
    if (widget == nullptr) continue;
    widget->setAccessibleName(QString::fromUtf8(text.accessibleName));
    widget->setToolTip(QString::fromUtf8(text.toolTip));
  }
}

}  // namespace lumiq
