#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace lumiq {
namespace {

struct FontRow {
  FontStyle style;
  double points;
  bool bold;
};

constexpr FontRow kFonts[] = {
    {FontStyle::Regular, 8.25, false},
    {FontStyle::Large, 12.0, false},
    {FontStyle::Bold, 8.25, true},
    {FontStyle::LargeBold, 18.0, true},
};

// MS Sans Serif where it is installed, else the nearest free stand-ins.
const QStringList kFamilies = {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                               QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
                               QStringLiteral("DejaVu Sans")};

// The stand-ins (Arial's metrics) run about 6% wider than MS Sans Serif;
// condensed by that much, every caption fits the box it was laid out for.
constexpr int kStandInStretch = 94;

struct Family {
  QString name;  // empty: none of the list is installed, use the default sans
  int stretch;
};

// Looked up once: asking the font database about a family it lacks sends
// fontconfig through its alias rules, which is most of start-up otherwise.
const Family& ChosenFamily() {
  static const Family chosen = [] {
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : kFamilies) {
      if (installed.contains(family, Qt::CaseInsensitive)) {
        return Family{family, family == kFamilies.front() ? 100 : kStandInStretch};
      }
    }
    return Family{QString(), 100};
  }();
  return chosen;
}

}  // namespace

QFont FontFor(FontStyle style) {
  const Family& family = ChosenFamily();
  QFont font;
  if (!family.name.isEmpty()) font.setFamily(family.name);
  font.setStyleHint(QFont::SansSerif);
  font.setStretch(family.stretch);
  for (const FontRow& row : kFonts) {
    if (row.style != style) continue;
    font.setPointSizeF(row.points);
    font.setBold(row.bold);
  }
  return font;
}

}  // namespace lumiq
