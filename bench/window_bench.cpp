// One keystroke into the real Voltage box (handler, mirroring, repaint)
// against one keystroke into a bare line edit with no handler, and against a
// plain Qt form doing the same work: each keystroke writes two other boxes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "form/form_model.h"
#include "ui/lumiq_window.h"

namespace {

// A key and its undo by backspace, each followed by the repaint it causes.
void TypeAndErase(QLineEdit& box) {
  QTest::keyClick(&box, Qt::Key_5);
  QApplication::processEvents();
  QTest::keyClick(&box, Qt::Key_Backspace);
  QApplication::processEvents();
}

void ShowAndFocus(QWidget& window, QLineEdit& box) {
  window.show();
  (void)QTest::qWaitForWindowExposed(&window);
  box.setFocus();
  box.end(false);
  QApplication::processEvents();
}

void BM_WindowKeystrokeBareLineEdit(benchmark::State& state) {
  QWidget window;
  window.setFixedSize(283, 304);
  QLineEdit box(&window);
  box.setGeometry(24, 168, 65, 19);
  box.setText(QStringLiteral("3.2"));
  ShowAndFocus(window, box);
  for (auto _ : state) TypeAndErase(box);
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_WindowKeystrokeBareLineEdit)->MinTime(2.0);

void BM_WindowKeystrokePlainForm(benchmark::State& state) {
  QWidget window;
  window.setFixedSize(283, 304);
  QLineEdit voltage(&window), power(&window), efficiency(&window);
  voltage.setGeometry(24, 168, 65, 19);
  power.setGeometry(88, 168, 57, 19);
  efficiency.setGeometry(104, 208, 57, 19);
  power.setEnabled(false);
  efficiency.setEnabled(false);
  QObject::connect(&voltage, &QLineEdit::textEdited, &window, [&](const QString& text) {
    const double volts = text.toDouble();
    power.setText(QString::number(volts * 20.0, 'f', 0) + QStringLiteral(" mW"));
    efficiency.setText(QString::number(214.1 / (volts * 20.0), 'f', 1) + QStringLiteral(" lm/W"));
  });
  voltage.setText(QStringLiteral("3.2"));
  ShowAndFocus(window, voltage);
  for (auto _ : state) TypeAndErase(voltage);
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_WindowKeystrokePlainForm)->MinTime(2.0);

void BM_WindowKeystrokeLumiqVoltage(benchmark::State& state) {
  lumiq::FormModel model{nullptr};
  lumiq::LumiqWindow window{model};
  model.SetText(lumiq::Field::Voltage, "3.2");
  model.SetText(lumiq::Field::Current, "20");
  model.Click(lumiq::Control::C_mcd);
  model.SetText(lumiq::Field::mlm, "214.1");
  auto* box = window.findChild<QLineEdit*>(QStringLiteral("Voltage"));
  ShowAndFocus(window, *box);
  for (auto _ : state) TypeAndErase(*box);
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_WindowKeystrokeLumiqVoltage)->MinTime(2.0);

}  // namespace
