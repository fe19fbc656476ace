// What a desktop user expects beyond the layout: copying a result, accessible
// names and tooltips, the window icon.
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QtTest>

#include "tests/ui/ui_fixture.h"
#include "ui/qt_text.h"
#include "ui/swatch_widget.h"
#include "view/layout_table.h"
#include "view/widget_texts.h"

namespace lumiq {

using testing_support::UiFixture;

class DesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_ui = std::make_unique<UiFixture>();
    QVERIFY(m_ui->ShowActive());
  }
  void cleanup() {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    m_ui.reset();
  }

  // A right-click on a disabled readout copies its whole text and changes
  // nothing: the box stays disabled and unfocused, the model as it was.
  void rightClickCopiesADisabledBox() {
    m_ui->model.SetText(Field::Voltage, "3.2");
    m_ui->model.SetText(Field::Current, "20");
    QApplication::clipboard()->clear();
    QLineEdit* power = m_ui->Box("Power");
    QWidget* focusBefore = QApplication::focusWidget();
    RightClick(power);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QCOMPARE(menu->actions().size(), 1);
    menu->actions().first()->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("64 mW"));
    QVERIFY(!power->isEnabled());
    QCOMPARE(QApplication::focusWidget(), focusBefore);
    QCOMPARE(m_ui->model.Text(Field::Power), std::string("64 mW"));
  }

  void enabledBoxesKeepTheEditingMenu() {
    RightClick(m_ui->Box("Voltage"));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    QVERIFY(menu->actions().size() > 3);  // undo, cut, copy, paste, ...
  }

  // A screen reader names each box and the note from the texts table, and
  // every other label and button by its caption; no name is read with the
  // hyphens that break a caption's lines.
  void accessibleNames_data() {
    QTest::addColumn<QString>("name");
    for (const WidgetRow& row : kWidgets) {
      const std::string_view name = row.texts.accessibleName;
      if (KindOf(row) == PartKind::Frame) continue;
      QTest::newRow(std::string(NameOf(row)).c_str())
          << ToQString(name.empty() ? row.caption : name);
    }
  }

  void accessibleNames() {
    QFETCH(QString, name);
    QAccessibleInterface* node =
        QAccessible::queryAccessibleInterface(m_ui->Widget(QTest::currentDataTag()));
    QVERIFY(node != nullptr);
    QCOMPARE(node->text(QAccessible::Name), name);
    QVERIFY2(!name.contains(QRegularExpression(QStringLiteral("\\w- \\w"))), qPrintable(name));
  }

  void swatchDescriptionFollowsTheColour() {
    QAccessibleInterface* swatch = QAccessible::queryAccessibleInterface(m_ui->Widget("Color"));
    QCOMPARE(swatch->text(QAccessible::Description), QStringLiteral("RGB 0, 0, 0"));
    m_ui->model.SetText(Field::Wavelength, "550");
    QCOMPARE(swatch->text(QAccessible::Description), QStringLiteral("RGB 127, 229, 0"));
  }

  void warningIsReachableWhenShown() {
    m_ui->model.SetText(Field::Wavelength, "300");
    QAccessibleInterface* warning =
        QAccessible::queryAccessibleInterface(m_ui->Widget("Invisible"));
    QVERIFY(!warning->state().invisible);
    QCOMPARE(warning->text(QAccessible::Name), QStringLiteral("Invisible!!!"));
    QAccessibleInterface* extra = QAccessible::queryAccessibleInterface(m_ui->Widget("Extra"));
    QVERIFY(extra->indexOfChild(warning) >= 0);
  }

  void tooltipsSayWhatEachBoxExpects_data() {
    QTest::addColumn<QString>("mentions");
    QTest::newRow("deg") << "full apex angle";
    QTest::newRow("mlm") << "solid angle";
    QTest::newRow("mcd") << "millicandela";
    QTest::newRow("Voltage") << "volts";
    QTest::newRow("Current") << "milliamps";
    QTest::newRow("Wavelength") << "nanometres";
    QTest::newRow("Power") << "milliwatts";
    QTest::newRow("Efficiency") << "lumen per watt";
    QTest::newRow("Color") << "colour";
  }

  void tooltipsSayWhatEachBoxExpects() {
    QFETCH(QString, mentions);
    QVERIFY(m_ui->Widget(QTest::currentDataTag())->toolTip().contains(mentions));
  }

  void windowCarriesTheIcon() {
    const QIcon icon = m_ui->window.windowIcon();
    QVERIFY(!icon.isNull());
    QVERIFY(!icon.pixmap(64, 64).isNull());
  }

 private:
  // A right mouse press as the window system delivers it.
  static void RightClick(QWidget* widget) {
    const QPoint centre = widget->mapTo(widget->window(), widget->rect().center());
    QTest::mouseClick(widget->window()->windowHandle(), Qt::RightButton, {}, centre);
    QTRY_VERIFY(QApplication::activePopupWidget() != nullptr);
  }

  std::unique_ptr<UiFixture> m_ui;
};

}  // namespace lumiq

QTEST_MAIN(lumiq::DesktopTest)
#include "desktop_test.moc"
