// The window as laid out: every widget's place, caption, font fit, stacking,
// start state and keyboard order.
#include <QGroupBox>
#include <QLabel>
#include <QScopeGuard>
#include <QtTest>
#include <algorithm>
#include <initializer_list>
#include <tuple>

#include "tests/ui/ui_fixture.h"
#include "ui/qt_text.h"
#include "ui/swatch_widget.h"
#include "ui/title_bar.h"
#include "ui/wrapped_label.h"
#include "view/layout_table.h"
#include "view/palette.h"

namespace lumiq {

using testing_support::UiFixture;

class LayoutTest : public QObject {
  Q_OBJECT

 public:
  enum class Theme { Own, Dark, DarkWhileRunning };
  Q_ENUM(Theme)

 private slots:
  void init() { m_ui = std::make_unique<UiFixture>(); }
  void cleanup() { m_ui.reset(); }

  // The whole title, or where Qt draws the title bar itself (a Wayland
  // compositor that leaves decorations to the client), its leading words and
  // "…"; a screen reader hears the whole title either way.
  void windowIsFixedAndTitled() {
    const QString title = QStringLiteral("LED utility for light conversion");
    QCOMPARE(m_ui->window.objectName(), QStringLiteral("Lumiq"));
    m_ui->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_ui->window));
    QTRY_COMPARE(m_ui->window.accessibleName(), title);
    if (QGuiApplication::platformName() == QLatin1String("wayland")) {
      QTRY_VERIFY(m_ui->window.windowTitle().endsWith(QChar(0x2026)));
      QVERIFY(title.startsWith(m_ui->window.windowTitle().chopped(1) + QLatin1Char(' ')));
    } else {
      QCOMPARE(m_ui->window.windowTitle(), title);
    }
    QCOMPARE(m_ui->window.size(), QSize(283, 304));
    QCOMPARE(m_ui->window.minimumSize(), QSize(283, 304));
    QCOMPARE(m_ui->window.maximumSize(), QSize(283, 304));
  }

  // The title's leading whole words and "…", as many as fit the room.
  void titleThatFits_data() {
    QTest::addColumn<QString>("fitting");  // what just fits the room
    QTest::addColumn<int>("less");         // the room this much narrower
    QTest::addColumn<QString>("expected");
    const QString title = QStringLiteral("LED utility for light conversion");
    QTest::newRow("whole") << title << 0 << title;
    QTest::newRow("three words") << QStringLiteral("LED utility for…") << 0
                                 << QStringLiteral("LED utility for…");
    QTest::newRow("a pixel short of three")
        << QStringLiteral("LED utility for…") << 1 << QStringLiteral("LED utility…");
    QTest::newRow("never less than a word")
        << QStringLiteral("LED…") << 10 << QStringLiteral("LED…");
  }

  void titleThatFits() {
    QFETCH(QString, fitting);
    QFETCH(int, less);
    QFETCH(QString, expected);
    const QFontMetrics metrics(QGuiApplication::font());
    QCOMPARE(TitleThatFits(QStringLiteral("LED utility for light conversion"), metrics,
                           metrics.horizontalAdvance(fitting) - less),
             expected);
  }

  // At any scale factor the window keeps its logical size and draws at the
  // screen's own resolution: the swatch's outline is whole device pixels of
  // window text, with the fill right beside it, not a blurred upscale.
  void drawsAtDeviceResolution() {
    m_ui->model.SetText(Field::Wavelength, "550");
    m_ui->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_ui->window));
    const qreal ratio = m_ui->window.devicePixelRatioF();
    // The scale Qt is told, or the output's scale on a Wayland compositor:
    // there a window enlarged by the compositor (through XWayland) would
    // draw at 1.
    for (const char* scale : {"QT_SCALE_FACTOR", "LUMIQ_EXPECT_SCALE"}) {
      if (qEnvironmentVariableIsSet(scale)) QCOMPARE(ratio, qEnvironmentVariable(scale).toDouble());
    }
    if (qEnvironmentVariableIsSet("LUMIQ_EXPECT_PLATFORM")) {
      QCOMPARE(QGuiApplication::platformName(), qEnvironmentVariable("LUMIQ_EXPECT_PLATFORM"));
    }
    const QImage image = m_ui->window.grab().toImage();
    QCOMPARE(image.size(), QSize(qRound(283 * ratio), qRound(304 * ratio)));
    const QWidget* swatch = m_ui->Widget("Color");
    const QPoint corner = swatch->mapTo(&m_ui->window, QPoint(0, swatch->height() / 2)) * ratio;
    const QColor outline = swatch->palette().color(QPalette::WindowText);
    const int thickness = qRound(ratio);
    for (int dx = 0; dx < thickness; ++dx)
      QCOMPARE(image.pixelColor(corner + QPoint(dx, 0)), outline);
    QCOMPARE(image.pixelColor(corner + QPoint(thickness, 0)), QColor(127, 229, 0));
  }

  // Each row of the layout table, in pixels, in its container.
  void widgetGeometry_data() {
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");
    for (const WidgetRow& row : kWidgets) {
      const PixelRect p = PixelsOf(row);
      QTest::newRow(std::string(NameOf(row)).c_str())
          << ToQString(NameOf(row.in)) << QRect(p.left, p.top, p.width, p.height);
    }
  }

  void widgetGeometry() {
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    const QWidget* widget = m_ui->Widget(QTest::currentDataTag());
    QVERIFY(widget != nullptr);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), pixels);
  }

  void captions_data() {
    QTest::addColumn<QString>("caption");
    for (const WidgetRow& row : kWidgets) {
      if (KindOf(row) == PartKind::Box || KindOf(row) == PartKind::Swatch) continue;
      QTest::newRow(std::string(NameOf(row)).c_str()) << ToQString(row.caption);
    }
  }

  // Each caption as written, and wide enough room for it in the chosen font.
  void captions() {
    QFETCH(QString, caption);
    const QWidget* widget = m_ui->Widget(QTest::currentDataTag());
    QVERIFY(widget != nullptr);
    QString shown;
    if (auto* label = qobject_cast<const QLabel*>(widget)) shown = label->text();
    if (auto* button = qobject_cast<const QPushButton*>(widget)) shown = button->text();
    if (auto* frame = qobject_cast<const QGroupBox*>(widget)) shown = frame->title();
    QCOMPARE(shown, caption);
    if (qEnvironmentVariableIsSet("LUMIQ_EXPECT_FONT_FAMILY")) {
      QCOMPARE(QFontInfo(widget->font()).family(),
               qEnvironmentVariable("LUMIQ_EXPECT_FONT_FAMILY"));
    }

    const QFontMetrics metrics = widget->fontMetrics();
    if (qobject_cast<const WrappedLabel*>(widget)) {
      const QStringList lines = WrapAtSpaces(caption, metrics, widget->width());
      QVERIFY2(lines.size() * metrics.lineSpacing() <= widget->height(),
               qPrintable(lines.join('|')));
      QCOMPARE(lines.join(' '), caption);
    } else {
      QVERIFY2(metrics.horizontalAdvance(caption) <= widget->width(),
               qPrintable(QStringLiteral("%1 px wide in %2 px")
                              .arg(metrics.horizontalAdvance(caption))
                              .arg(widget->width())));
    }
  }

  void creditLabelIsLargeBoldAndFits() {
    const auto* credit = m_ui->Widget<QLabel>("Label4");
    QVERIFY(credit->text().startsWith(QStringLiteral("Written by ")));
    QVERIFY(credit->text().size() > 11);
    QVERIFY(credit->font().bold());
    QCOMPARE(credit->font().pointSizeF(), 18.0);
    QVERIFY(credit->fontMetrics().horizontalAdvance(credit->text()) <= credit->width());
  }

  void fonts_data() {
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    for (const WidgetRow& row : kWidgets) {
      QTest::newRow(std::string(NameOf(row)).c_str())
          << FontOf(row.font).points << FontOf(row.font).bold;
    }
  }

  void fonts() {
    QFETCH(double, points);
    QFETCH(bool, bold);
    const QWidget* widget = m_ui->Widget(QTest::currentDataTag());
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
  }

  // The boxes that belong to the window but lie in a frame are drawn above it.
  void boxesInsideFramesAreOnTop_data() {
    QTest::addColumn<int>("unused");
    for (const char* name : {"mcd", "deg", "mlm", "Efficiency", "Wavelength"}) {
      QTest::newRow(name) << 0;
    }
  }

  void boxesInsideFramesAreOnTop() {
    QWidget* box = m_ui->Widget(QTest::currentDataTag());
    QWidget* hit = m_ui->window.childAt(box->geometry().center());
    QVERIFY(hit == box || box->isAncestorOf(hit));
  }

  void startState() {
    for (const char* name : {"mcd", "deg", "mlm", "Power", "Efficiency"}) {
      QVERIFY2(!m_ui->Box(name)->isEnabled(), name);
    }
    QVERIFY(!m_ui->Button("Calculate")->isEnabled());
    QCOMPARE(m_ui->Box("Voltage")->text(), QStringLiteral("in Volts"));
    QCOMPARE(m_ui->Box("Current")->text(), QStringLiteral("in milliAmps"));
    QCOMPARE(m_ui->Box("Wavelength")->text(), QStringLiteral("in nm"));
    m_ui->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_ui->window));
    QVERIFY(!m_ui->Widget("Invisible")->isVisible());
    QCOMPARE(m_ui->Widget<SwatchWidget>("Color")->Fill(), QColor(Qt::black));
    for (QPushButton* button : m_ui->window.findChildren<QPushButton*>()) {
      QVERIFY(!button->isDefault());
      QVERIFY(!button->autoDefault());
    }
  }

  void tabOrderSkipsDisabledWidgets() {
    m_ui->window.show();
    const bool active = QTest::qWaitFor([&] { return m_ui->window.isActiveWindow(); });
    // A headless compositor has no seat, so no window gets the keyboard.
    if (!active && QGuiApplication::platformName() == QLatin1String("wayland")) {
      QSKIP("this compositor gives no window the keyboard");
    }
    QVERIFY(active);
    QCOMPARE(QApplication::focusWidget(), m_ui->Widget("C_mlm"));
    const char* expected[] = {"C_mcd", "Voltage", "Current", "Wavelength", "C_mlm"};
    for (const char* name : expected) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    // Once a direction is chosen the intensity and angle join the order.
    m_ui->Button("C_mlm")->click();
    m_ui->Button("C_mlm")->setFocus();
    const char* afterChoosing[] = {"C_mcd", "Calculate", "mcd", "deg", "Voltage"};
    for (const char* name : afterChoosing) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
    // The other direction: the flux takes the intensity's place.
    m_ui->Button("C_mcd")->click();
    m_ui->Button("C_mlm")->setFocus();
    const char* afterFlux[] = {"C_mcd", "Calculate", "deg", "mlm", "Voltage"};
    for (const char* name : afterFlux) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
    }
  }

  // The themes a user may run: the style's own palette, a dark one (GNOME's
  // Adwaita dark as Qt's gtk3 theme gives it) set before the window is
  // built, and the same set while it runs, as when the desktop switches.
  void disabledTextIsReadable_data() {
    QTest::addColumn<Theme>("theme");
    for (const char* name : {"mlm", "Power", "Efficiency"}) {
      QTest::addRow("%s", name) << Theme::Own;
      QTest::addRow("%s dark", name) << Theme::Dark;
      QTest::addRow("%s dark while running", name) << Theme::DarkWhileRunning;
    }
  }

  // Greyed results after Calculate: still 4.5:1 against their background,
  // and fainter than the enabled boxes' text, under every theme.
  void disabledTextIsReadable() {
    QFETCH(Theme, theme);
    const QPalette own = QApplication::palette();
    const auto restore = qScopeGuard([&] { QApplication::setPalette(own); });
    if (theme == Theme::Dark) {
      QApplication::setPalette(AdwaitaDark());
      m_ui = std::make_unique<UiFixture>();
    }
    m_ui->model.SetText(Field::Voltage, "3.2");
    m_ui->model.SetText(Field::Current, "20");
    m_ui->model.Click(Control::C_mlm);
    m_ui->model.SetText(Field::mcd, "1000");
    m_ui->model.SetText(Field::deg, "30");
    m_ui->model.Click(Control::Calculate);
    m_ui->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_ui->window));
    if (theme == Theme::DarkWhileRunning) {
      QApplication::setPalette(AdwaitaDark());
      QApplication::processEvents();
    }
    const QString name =
        QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 0);
    QLineEdit* box = m_ui->Box(name.toLatin1().constData());
    QVERIFY(!box->isEnabled());
    const QImage greyed = box->grab().toImage();
    const QColor background = greyed.pixelColor(greyed.width() - 4, 3);
    const QColor ink = Inkiest(greyed, background);
    const double contrast = Contrast(ink, background);
    QVERIFY2(
        contrast >= 4.5,
        qPrintable(
            QStringLiteral("%1 on %2: %3:1").arg(ink.name(), background.name()).arg(contrast)));
    const QImage enabled = m_ui->Box("Voltage")->grab().toImage();
    const QColor enabledBackground = enabled.pixelColor(enabled.width() - 4, 3);
    QVERIFY(contrast < Contrast(Inkiest(enabled, enabledBackground), enabledBackground));
  }

 private:
  static double Contrast(const QColor& a, const QColor& b) {
    return ContrastRatio({a.red(), a.green(), a.blue()}, {b.red(), b.green(), b.blue()});
  }

  // The pixel inside the frame that stands out most from the background: the
  // text's full-strength ink.
  static QColor Inkiest(const QImage& image, const QColor& background) {
    QColor inkiest = background;
    for (int y = 3; y < image.height() - 3; ++y) {
      for (int x = 3; x < image.width() - 3; ++x) {
        const QColor c = image.pixelColor(x, y);
        if (Contrast(c, background) > Contrast(inkiest, background)) inkiest = c;
      }
    }
    return inkiest;
  }

  // The colours GNOME's Adwaita dark gives Qt through its gtk3 theme.
  static QPalette AdwaitaDark() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    for (const auto& [group, role, rgb] :
         std::initializer_list<std::tuple<QPalette::ColorGroup, QPalette::ColorRole, QRgb>>{
             {QPalette::All, QPalette::WindowText, 0xeeeeec},
             {QPalette::All, QPalette::Text, 0xeeeeec},
             {QPalette::All, QPalette::ButtonText, 0xeeeeec},
             {QPalette::All, QPalette::Base, 0x2d2d2d},
             {QPalette::Disabled, QPalette::Base, 0x323232},
             {QPalette::Disabled, QPalette::Text, 0x919190}}) {
      dark.setColor(group, role, QColor(rgb));
    }
    return dark;
  }

  std::unique_ptr<UiFixture> m_ui;
};

}  // namespace lumiq

QTEST_MAIN(lumiq::LayoutTest)
#include "layout_test.moc"
