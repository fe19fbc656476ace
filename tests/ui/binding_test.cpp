// The window wired to the model: real keystrokes and clicks drive the model,
// and every model change shows at once without echoing back.
#include <QAccessible>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocumentFragment>
#include <QtTest>
#include <vector>

#include "tests/form/form_driver.h"
#include "tests/ui/ui_fixture.h"
#include "ui/eliding_line_edit.h"
#include "ui/qt_text.h"
#include "ui/swatch_widget.h"
#include "view/widget_texts.h"

namespace lumiq {

using testing_support::MessageBoxAnswerer;
using testing_support::RecordingObserver;
using testing_support::UiFixture;

class BindingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_ui = std::make_unique<UiFixture>();
    // Under AT-SPI's X server no window manager makes the window active.
    QVERIFY(m_ui->ShowActive() || qEnvironmentVariableIsSet("LUMIQ_EXPECT_ACCESSIBILITY"));
  }
  void cleanup() { m_ui.reset(); }

  void typicalConversionEndToEnd() {
    Fill("Voltage", "3.2");
    Fill("Current", "20");
    QCOMPARE(m_ui->Box("Power")->text(), QStringLiteral("64 mW"));
    QTest::mouseClick(m_ui->Button("C_mlm"), Qt::LeftButton);
    QVERIFY(m_ui->Box("mcd")->isEnabled());
    QVERIFY(m_ui->Button("Calculate")->isEnabled());
    Fill("mcd", "1000");
    Fill("deg", "30");
    MessageBoxAnswerer answerer;
    QTest::mouseClick(m_ui->Button("Calculate"), Qt::LeftButton);
    QCOMPARE(m_ui->Box("mlm")->text(), QStringLiteral("214.1"));
    QCOMPARE(m_ui->Box("Efficiency")->text(), QStringLiteral("3.3 lm/W"));
    QVERIFY(!m_ui->Button("Calculate")->isEnabled());
    QVERIFY(!m_ui->Box("mcd")->isEnabled());
    QVERIFY(!m_ui->Box("deg")->isEnabled());
    QCOMPARE(m_ui->model.chosen, ConversionDirection::None);
    QVERIFY(answerer.texts.empty());
  }

  void messageBlocksAndCalculateGreysOnlyAfterOk() {
    QTest::mouseClick(m_ui->Button("C_mcd"), Qt::LeftButton);
    Fill("deg", "<b>x</b>");
    bool enabledWhileShown = false;
    bool plainText = false;
    bool readAsAlert = false;
    MessageBoxAnswerer answerer([&](MessageDialog& box) {
      QAccessibleInterface* node = QAccessible::queryAccessibleInterface(&box);
      readAsAlert = node->role() == QAccessible::AlertMessage &&
                    node->text(QAccessible::Description) == box.Text();
      enabledWhileShown = m_ui->Button("Calculate")->isEnabled();
      plainText = box.findChild<QPlainTextEdit*>()->isReadOnly() &&
                  box.findChildren<QLabel*>().isEmpty() &&
                  box.findChildren<QPushButton*>().size() == 1 && box.isModal();
    });
    QTest::mouseClick(m_ui->Button("Calculate"), Qt::LeftButton);
    QCOMPARE(answerer.texts.size(), std::size_t{1});
    QCOMPARE(answerer.texts[0], QStringLiteral("No acceptable numeric value entered for\n"
                                               "degrees (0-360), please try again! (<b>x</b>)"));
    QCOMPARE(answerer.titles[0], QStringLiteral("Lumiq"));
    QVERIFY(enabledWhileShown);
    QVERIFY(plainText);
    QVERIFY(readAsAlert);
    QVERIFY(!m_ui->Button("Calculate")->isEnabled());
    QCOMPARE(m_ui->model.chosen, ConversionDirection::FluxToIntensity);
  }

  void creditLabelShowsTheContactMessage() {
    MessageBoxAnswerer answerer;
    QWidget* credit = m_ui->Widget("Label4");
    // Pressed on the label and released outside it: no click, as on a button.
    QTest::mousePress(credit, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(credit, Qt::LeftButton, {}, QPoint(-20, -20));
    QVERIFY(answerer.texts.empty());
    QTest::mouseClick(credit, Qt::LeftButton);
    // A screen reader presses it through its accessible action.
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(credit);
    QVERIFY(
        node->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(answerer.texts.size(), std::size_t{2});
    QVERIFY(answerer.texts[0].startsWith(QStringLiteral("Encounted an error? Please mail:\n")));
  }

  // A message raises one Alert, for its dialog, as QMessageBox does, so that
  // a screen reader reads it at once. Qt reports events only while assistive
  // technology listens: lumiq_ui_alert runs this over AT-SPI.
  void messageRaisesAnAlertEvent() {
    if (!qEnvironmentVariableIsSet("LUMIQ_EXPECT_ACCESSIBILITY")) QSKIP("no AT-SPI listener here");
    // The bridge listens once it has reached the accessibility bus.
    QVERIFY(QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000));
    static std::vector<QObject*> alerts;
    alerts.clear();
    const QAccessible::UpdateHandler previous = QAccessible::installUpdateHandler([](auto* event) {
      if (event->type() == QAccessible::Alert) alerts.push_back(event->object());
    });
    std::vector<QObject*> dialog, alertedWhileShown;
    MessageBoxAnswerer answerer([&](MessageDialog& box) {
      dialog = {&box};
      alertedWhileShown = alerts;
    });
    m_ui->model.Click(Control::Label4);
    QAccessible::installUpdateHandler(previous);
    QVERIFY(!dialog.empty());
    QCOMPARE(alertedWhileShown, dialog);
  }

  void longMessagesFitTheScreen_data() {
    QTest::addColumn<QString>("angle");
    QTest::newRow("6000Words") << QStringLiteral("word ").repeated(6000);
    QTest::newRow("3000CharactersNoBlank") << QStringLiteral("x").repeated(3000);
  }

  // The whole text, wrapped and scrolled inside a box that fits the screen
  // with its OK button in reach.
  void longMessagesFitTheScreen() {
    QFETCH(QString, angle);
    m_ui->Button("C_mlm")->click();
    m_ui->model.SetText(Field::deg, angle.toStdString());
    bool fits = false, okInReach = false, whole = false, wraps = false;
    MessageBoxAnswerer answerer([&](MessageDialog& box) {
      const QRect available = box.screen()->availableGeometry();
      fits = box.frameGeometry().width() <= available.width() &&
             box.frameGeometry().height() <= available.height();
      okInReach = box.OkButton()->isVisible() && box.rect().contains(box.OkButton()->geometry());
      whole = box.Text().endsWith(angle + QLatin1Char(')'));
      wraps = box.findChild<QPlainTextEdit*>()->horizontalScrollBar()->maximum() == 0;
    });
    m_ui->Button("Calculate")->click();
    QCOMPARE(answerer.texts.size(), std::size_t{1});
    QVERIFY(fits);
    QVERIFY(okInReach);
    QVERIFY(whole);
    QVERIFY(wraps);
    QCOMPARE(m_ui->model.Text(Field::deg), angle.toStdString());
  }

  // A result longer than its box shows its first digits and, unfocused, an
  // elided end; the whole text is in the tooltip and the accessible
  // description, and is what a copy takes. A text that fits shows as it is.
  void longResultsShowTheirStart_data() {
    QTest::addColumn<QString>("earlier");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("clipped");
    for (const Field field : kAllFields) {
      const std::string box(NameOf(field));
      for (const char* text : {"1.23456789012346E+20", "1000000000 lm/W", "-1.79769313486231E+308",
                               "<b>1.23456789012346E+20</b>"}) {
        QTest::addRow("%s %s", box.c_str(), text) << QString() << QString::fromLatin1(text) << true;
      }
      QTest::addRow("%s 64 mW", box.c_str()) << QString() << QStringLiteral("64 mW") << false;
      // A text that fits after one that did not: the old whole text goes.
      QTest::addRow("%s 64 mW after a long one", box.c_str())
          << QStringLiteral("1.23456789012346E+20") << QStringLiteral("64 mW") << false;
    }
  }

  void longResultsShowTheirStart() {
    QFETCH(QString, earlier);
    QFETCH(QString, text);
    QFETCH(bool, clipped);
    const QString name =
        QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 0);
    const std::optional<Field> field = testing_support::FieldNamed(name.toStdString());
    QVERIFY(field);
    m_ui->model.SetText(Field::Voltage, "x");  // no readout overwrites the text below
    if (!earlier.isEmpty()) m_ui->model.SetText(*field, earlier.toStdString());
    m_ui->model.SetText(*field, text.toStdString());
    QLineEdit* box = m_ui->Box(name.toLatin1().constData());
    QCOMPARE(box->text(), text);
    QCOMPARE(box->cursorPosition(), 0);
    // The first characters are drawn at the box's left edge.
    const QImage image = box->grab().toImage();
    const QColor background = image.pixelColor(image.width() / 2, 3);  // above the text
    int firstInk = image.width();
    for (int x = 0; x < image.width() / 2 && firstInk == image.width(); ++x) {
      for (int y = 4; y < image.height() - 3; ++y) {
        if (qGray(image.pixel(x, y)) < qGray(background.rgb()) - 96) {
          firstInk = x;
          break;
        }
      }
    }
    QVERIFY2(firstInk < 8, qPrintable(QStringLiteral("first ink at x = %1").arg(firstInk)));
    // The whole text first, as typed (markup shown as written), then what
    // the box expects.
    const QString toolTip = QTextDocumentFragment::fromHtml(box->toolTip()).toPlainText();
    QCOMPARE(toolTip.contains(text), clipped);
    QVERIFY(clipped ? toolTip.indexOf(text) < toolTip.indexOf(ToQString(TextsOf(*field).toolTip))
                    : toolTip == ToQString(TextsOf(*field).toolTip));
    QCOMPARE(box->accessibleDescription(), clipped ? text : QString());
    auto* eliding = qobject_cast<ElidingLineEdit*>(box);
    QVERIFY(eliding != nullptr);
    const QString shown = eliding->ShownText();
    QCOMPARE(shown.endsWith(QChar(0x2026)), clipped);
    QVERIFY(text.startsWith(shown.chopped(clipped ? 1 : 0)));
    QVERIFY(box->fontMetrics().horizontalAdvance(shown) <= box->width());
    if (box->isEnabled()) {  // focused, the text itself, to scroll and select
      box->setFocus();
      QCOMPARE(eliding->ShownText(), text);
      box->selectAll();
      box->copy();
      QCOMPARE(QApplication::clipboard()->text(), text);
    }
  }

  // Typing into the real boxes changes the model one edit at a time.
  void eachKeystrokeIsOneEdit() {
    RecordingObserver observer;
    m_ui->model.AddObserver(&observer);
    Fill("Wavelength", "550");
    m_ui->model.RemoveObserver(&observer);
    const std::vector<std::string> expected = {
        "text Wavelength=",    "text Wavelength=5", "show Invisible", "text Wavelength=55",
        "text Wavelength=550", "hide Invisible",    "color 58751"};
    QCOMPARE(observer.events, expected);
    QCOMPARE(m_ui->Widget<SwatchWidget>("Color")->Fill(), QColor(127, 229, 0));
    // Painted by itself: the screen shows the new colour with nothing else
    // repainted (a grab of a widget would paint it anew).
    const QWidget* swatch = m_ui->Widget("Color");
    const QPoint centre = swatch->mapTo(&m_ui->window, swatch->rect().center());
    QVERIFY(QTest::qWaitFor([&] {
      const QImage shown = m_ui->window.screen()->grabWindow(m_ui->window.winId()).toImage();
      return shown.pixelColor(centre * shown.devicePixelRatio()) == QColor(127, 229, 0);
    }));
    QVERIFY(!m_ui->Widget("Invisible")->isVisible());
  }

  // One keystroke is one edit, and the readout it changes is reported once,
  // in its final form.
  void oneEditReportsEachChangeOnce() {
    Fill("Voltage", "3.2");
    Fill("Current", "2");
    RecordingObserver observer;
    m_ui->model.AddObserver(&observer);
    QTest::keyClick(m_ui->Box("Current"), Qt::Key_0);
    m_ui->model.RemoveObserver(&observer);
    const std::vector<std::string> expected = {"text Current=20", "text Power=64 mW"};
    QCOMPARE(observer.events, expected);
  }

  // An assistive technology (a screen reader, voice control) sets a box's
  // text as a whole: an edit like any other, refused by a disabled box.
  void assistiveTextIsAnEditToo() {
    const auto setByAssistiveTechnology = [this](const char* name, const char* text) {
      QAccessible::queryAccessibleInterface(m_ui->Box(name))
          ->editableTextInterface()
          ->replaceText(0, m_ui->Box(name)->text().size(), QString::fromLatin1(text));
    };
    setByAssistiveTechnology("Voltage", "3.2");
    setByAssistiveTechnology("Current", "20");
    QCOMPARE(m_ui->model.Text(Field::Current), std::string("20"));
    QCOMPARE(m_ui->Box("Power")->text(), QStringLiteral("64 mW"));
    setByAssistiveTechnology("Power", "99 mW");
    QCOMPARE(m_ui->model.Text(Field::Power), std::string("64 mW"));
    QCOMPARE(m_ui->Box("Power")->text(), QStringLiteral("64 mW"));
  }

  void undoIsAnEditToo() {
    Fill("Voltage", "3");
    QTest::keyClick(m_ui->Box("Voltage"), Qt::Key_5);
    QCOMPARE(m_ui->model.Text(Field::Voltage), std::string("35"));
    QTest::keyClick(m_ui->Box("Voltage"), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(m_ui->Box("Voltage")->text() != QStringLiteral("35"));
    QCOMPARE(m_ui->model.Text(Field::Voltage), m_ui->Box("Voltage")->text().toStdString());
  }

  // The window never writes its own display of a text back into the model,
  // even where the display differs from the stored bytes.
  void modelWritesDoNotEchoBack() {
    m_ui->model.SetText(Field::Voltage, "5\xFF");
    QCOMPARE(m_ui->model.Text(Field::Voltage), std::string("5\xFF"));
    m_ui->model.SetText(Field::Current, "20");
    QCOMPARE(m_ui->Box("Current")->text(), QStringLiteral("20"));
    QCOMPARE(m_ui->model.Text(Field::Voltage), std::string("5\xFF"));
  }

  void disabledBoxesShowTheirTextAndTakeNoFocus() {
    m_ui->model.SetText(Field::mcd, "123");
    QCOMPARE(m_ui->Box("mcd")->text(), QStringLiteral("123"));
    QVERIFY(!m_ui->Box("mcd")->isEnabled());
    m_ui->Box("mcd")->setFocus();
    QVERIFY(!m_ui->Box("mcd")->hasFocus());
  }

  void megabytePaste_data() {
    QTest::addColumn<QString>("direction");
    for (const char* field : {"Voltage", "Current", "Wavelength"}) QTest::newRow(field) << "";
    QTest::newRow("mcd") << "C_mlm";
    QTest::newRow("deg") << "C_mlm";
    QTest::newRow("mlm") << "C_mcd";
  }

  // A megabyte pasted into any editable box is kept whole, and the readouts
  // stay sound: a number with its unit, or nothing.
  void megabytePaste() {
    QFETCH(QString, direction);
    if (!direction.isEmpty()) m_ui->Button(direction.toLatin1().constData())->click();
    Fill("Voltage", "3.2");
    Fill("Current", "20");
    const QString pasted = QStringLiteral("3.") + QString(1 << 20, QLatin1Char('2'));
    QApplication::clipboard()->setText(pasted);
    QLineEdit* box = m_ui->Box(QTest::currentDataTag());
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    const std::optional<Field> field = testing_support::FieldNamed(QTest::currentDataTag());
    QVERIFY(field);
    QCOMPARE(m_ui->model.Text(*field).size(), std::size_t{(1 << 20) + 2});
    QCOMPARE(box->text().size(), qsizetype{(1 << 20) + 2});
    QCOMPARE(box->accessibleDescription(), pasted);  // clipped: its whole text
    QVERIFY(box->toolTip().contains(pasted));
    const QRegularExpression readout(QStringLiteral("^(-?[0-9.]+(E[-+][0-9]+)? (mW|lm/W))?$"));
    QVERIFY(readout.match(m_ui->Box("Power")->text()).hasMatch());
    QVERIFY(readout.match(m_ui->Box("Efficiency")->text()).hasMatch());
  }

 private:
  // Selects the box's text and types over it, one key at a time.
  void Fill(const char* name, const char* text) {
    QLineEdit* box = m_ui->Box(name);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, QString::fromUtf8(text));
  }

  std::unique_ptr<UiFixture> m_ui;
};

}  // namespace lumiq

QTEST_MAIN(lumiq::BindingTest)
#include "binding_test.moc"
