#include "ui/title_bar.h"

#include <QGuiApplication>
#include <QWindow>

namespace lumiq {
namespace {

// Qt's title bars centre the title on the window and keep, on its right, at
// most three buttons with their gaps and margin (77 px in Qt 6.4's); a
// centred title clears them only if it clears as much on the left too.
constexpr int kTitleBarButtons = 77;
// Qt 6.4's title bar writes in the application's font at 14 px.
constexpr int kTitlePixels = 14;

}  // namespace

QString TitleThatFits(const QString& title, const QFontMetrics& metrics, int room) {
  if (metrics.horizontalAdvance(title) <= room) return title;
  QStringList words = title.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  while (words.size() > 1) {
    words.removeLast();
    const QString shortened = words.join(QLatin1Char(' ')) + QChar(0x2026);
    if (metrics.horizontalAdvance(shortened) <= room) return shortened;
  }
  return words.join(QLatin1Char(' ')) + QChar(0x2026);
}

void FitTitleToDrawnTitleBar(QWidget& window, const QString& title) {
  window.setAccessibleName(title);
  const QWindow* handle = window.windowHandle();
  // A title bar the compositor draws (server-side), or an X11 window
  // manager's frame, is no business of Qt's.
  const bool drawnByQt = QGuiApplication::platformName() == QLatin1String("wayland") &&
                         handle != nullptr && handle->frameMargins().top() > 0;
  if (!drawnByQt) {
    window.setWindowTitle(title);
    return;
  }
  QFont font = QGuiApplication::font();
  font.setPixelSize(kTitlePixels);
  window.setWindowTitle(
      TitleThatFits(title, QFontMetrics(font), window.width() - 2 * kTitleBarButtons));
}

}  // namespace lumiq
