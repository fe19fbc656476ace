#include "ui/fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace lumiq {
namespace {

struct FontSpec {
  FontStyle style;
  double points;
  bool bold;
};

constexpr FontSpec kFonts[] = {
    {FontStyle::Regular, 8.25, false},
    {FontStyle::Large, 12.0, false},
    {FontStyle::Bold, 8.25, true},
    {FontStyle::LargeBold, 18.0, true},
};

const QString kMsSansSerif = QStringLiteral("MS Sans Serif");

// The free stand-ins (Arial's metrics) run about 6% wider than MS Sans Serif;
// condensed by that much, every caption fits the box it was laid out for.
constexpr int kStandInStretch = 94;

}  // namespace

QFont FontFor(FontStyle style) {
  static const bool hasOriginal = QFontDatabase::hasFamily(kMsSansSerif);
  QFont font;
  font.setFamilies({kMsSansSerif, QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                    QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
  font.setStyleHint(QFont::SansSerif);
  if (!hasOriginal) font.setStretch(kStandInStretch);
  for (const FontSpec& spec : kFonts) {
    if (spec.style != style) continue;
    font.setPointSizeF(spec.points);
    font.setBold(spec.bold);
  }
  return font;
}

}  // namespace lumiq
