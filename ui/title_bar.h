// The window's title where Qt draws the title bar itself: a Wayland session
// whose compositor leaves the decorations to the client. Qt centres the
// title there and cuts it where the buttons begin, mid-letter and with no
// sign that it goes on; the title it is handed must fit.
#pragma once

#include <QFontMetrics>
#include <QString>
#include <QWidget>

namespace lumiq {

// The title's leading whole words and "…", as many as fit `room` pixels in
// `metrics`; the whole title where it fits.
[[nodiscard]] QString TitleThatFits(const QString& title, const QFontMetrics& metrics, int room);

// Gives the shown window the title that fits the title bar Qt draws for it,
// if it draws one, and the whole title as its accessible name either way.
void FitTitleToDrawnTitleBar(QWidget& window, const QString& title);

}  // namespace lumiq
