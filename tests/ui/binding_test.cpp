// The window wired to the model: real keystrokes and clicks drive the model,
// and every model change shows at once without echoing back.
#include <QClipboard>
#include <QLabel>
#include <QRegularExpression>
#include <QtTest>

#include "tests/form/form_driver.h"
#include "tests/ui/ui_fixture.h"
#include "ui/swatch_widget.h"

namespace lumiq {

using testing_support::MessageBoxAnswerer;
using testing_support::RecordingObserver;
using testing_support::UiFixture;

class BindingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_ui = std::make_unique<UiFixture>();
    QVERIFY(m_ui->ShowActive());
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
    MessageBoxAnswerer answerer([&](QMessageBox& box) {
      enabledWhileShown = m_ui->Button("Calculate")->isEnabled();
      plainText = box.textFormat() == Qt::PlainText && box.icon() == QMessageBox::NoIcon &&
                  box.buttons().size() == 1 && box.isModal();
    });
    QTest::mouseClick(m_ui->Button("Calculate"), Qt::LeftButton);
    QCOMPARE(answerer.texts.size(), std::size_t{1});
    QCOMPARE(answerer.texts[0], QStringLiteral("No acceptable numeric value entered for\n"
                                               "degrees (0-360), please try again! (<b>x</b>)"));
    QCOMPARE(answerer.titles[0], QStringLiteral("Lumiq"));
    QVERIFY(enabledWhileShown);
    QVERIFY(plainText);
    QVERIFY(!m_ui->Button("Calculate")->isEnabled());
    QCOMPARE(m_ui->model.chosen, ConversionDirection::FluxToIntensity);
  }

  void creditLabelShowsTheContactMessage() {
    MessageBoxAnswerer answerer;
    QTest::mouseClick(m_ui->Widget("Label4"), Qt::LeftButton);
    QCOMPARE(answerer.texts.size(), std::size_t{1});
    QVERIFY(answerer.texts[0].startsWith(QStringLiteral("Encounted an error? Please mail:\n")));
  }

  // Typing into the real boxes changes the model one edit at a time.
  void eachKeystrokeIsOneEdit() {
    RecordingObserver observer;
    m_ui->model.AddObserver(&observer);
    Fill("Wavelength", "550");
    m_ui->model.RemoveObserver(&observer);
    const std::vector<std::string> expected = {
        "text Wavelength=",    "text Wavelength=5", "show Invisible",
        "text Wavelength=55",  "hide Invisible",    "show Invisible",
        "text Wavelength=550", "hide Invisible",    "color 58751"};
    QCOMPARE(observer.events, expected);
    QCOMPARE(m_ui->Widget<SwatchWidget>("Color")->Fill(), QColor(127, 229, 0));
    QVERIFY(!m_ui->Widget("Invisible")->isVisible());
  }

  // One keystroke runs the power handler once: each run writes the power
  // twice (raw, then rounded with its unit), so two runs would show four.
  void oneEditRunsTheHandlerOnce() {
    Fill("Voltage", "3.2");
    Fill("Current", "2");
    RecordingObserver observer;
    m_ui->model.AddObserver(&observer);
    QTest::keyClick(m_ui->Box("Current"), Qt::Key_0);
    m_ui->model.RemoveObserver(&observer);
    const std::vector<std::string> expected = {"text Current=20", "text Power=64",
                                               "text Power=64 mW"};
    QCOMPARE(observer.events, expected);
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
    const Field field = FieldNamed(QTest::currentDataTag());
    QCOMPARE(m_ui->model.Text(field).size(), std::size_t{(1 << 20) + 2});
    QCOMPARE(box->text().size(), qsizetype{(1 << 20) + 2});
    const QRegularExpression readout(QStringLiteral("^(-?[0-9.]+(E[-+][0-9]+)? (mW|lm/W))?$"));
    QVERIFY(readout.match(m_ui->Box("Power")->text()).hasMatch());
    QVERIFY(readout.match(m_ui->Box("Efficiency")->text()).hasMatch());
  }

 private:
  static Field FieldNamed(const char* name) {
    for (const Field f : kAllFields) {
      if (NameOf(f) == name) return f;
    }
    return Field::Power;
  }

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
