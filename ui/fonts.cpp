#include "ui/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include "ui/qt_text.h"
#include "ui/wrapped_label.h"

namespace lumiq {
namespace {

// Arial's metrics run about 6% wider than MS Sans Serif, DejaVu Sans more:
// the family's stretch condenses every caption alike.
struct Family {
  QString name;  // empty: none of the list is installed, use the default sans
  int stretch;
};

QFont MakeFont(const QString& family, int stretch, FontStyle style) {
  QFont font;
  if (!family.isEmpty()) font.setFamily(family);
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(stretch);
  const FontRow& row = FontOf(style);
  font.setPointSizeF(row.points);
  font.setBold(row.bold);
  return font;
}

bool CaptionsFit(const QString& family, int stretch) {
  for (const WidgetRow& row : kWidgets) {
    if (row.caption.empty()) continue;
    const QFontMetrics metrics(MakeFont(family, stretch, row.font));
    const QString caption = ToQString(row.caption);
    const PixelRect box = PixelsOf(row);
    if (row.wraps) {
      const auto lines = WrapAtSpaces(caption, metrics, box.width).size();
      if (lines * metrics.lineSpacing() > box.height) return false;
    } else if (metrics.horizontalAdvance(caption) > box.width) {
      return false;
    }
  }
  return true;
}

int StretchThatFits(const QString& family) {
  int stretch = 100;
  while (stretch > kNarrowestCaptionPercent && !CaptionsFit(family, stretch)) --stretch;
  return stretch;
}

// Looked up once: asking the font database about a family it lacks sends
// fontconfig through its alias rules, which is most of start-up otherwise.
const Family& ChosenFamily() {
  static const Family chosen = [] {
    const QStringList installed = QFontDatabase::families();
    QString name;
    for (const std::string_view family : kFontFamilies) {
      if (installed.contains(ToQString(family), Qt::CaseInsensitive)) {
        name = ToQString(family);
        break;
      }
    }
    return Family{name, StretchThatFits(name)};
  }();
  return chosen;
}

}  // namespace

QFont FontFor(FontStyle style) {
  const Family& family = ChosenFamily();
  return MakeFont(family.name, family.stretch, style);
}

}  // namespace lumiq
