// Any sequence of edits and clicks on the form: its invariants hold after
// every step, and observers hear of every change of a text exactly once.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/numeric_text.h"
#include "form/form_model.h"
#include "fuzz/fuzz_check.h"

namespace {

using namespace lumiq;
using lumiq::fuzz::Check;

// Texts worth trying in any field: the reference numbers, range edges,
// prompts, blanks, markup and words.
const std::vector<std::string> kDictionary = {"",
                                              " ",
                                              "\t",
                                              "0",
                                              "-0",
                                              "1",
                                              "30",
                                              "1000",
                                              "100",
                                              "214.1",
                                              "3.2",
                                              "20",
                                              "550",
                                              "370",
                                              "700",
                                              "369.9",
                                              "700.1",
                                              "360",
                                              "359.9",
                                              "1e-7",
                                              "1e308",
                                              "-1e308",
                                              "1.7976931348623157e308",
                                              "5.722234971461743e307",
                                              "1e-300",
                                              "1e-150",
                                              "4.9e-324",
                                              "1e400",
                                              "1e-400",
                                              "inf",
                                              "nan",
                                              "-inf",
                                              "0x10",
                                              "1e",
                                              "1e+",
                                              ".",
                                              "-",
                                              "+.5",
                                              "5.",
                                              " 3.3 ",
                                              "in Volts",
                                              "in milliAmps",
                                              "in nm",
                                              "abc",
                                              "<b>x</b>",
                                              "<img src=x>",
                                              "3,3",
                                              "1 000",
                                              std::string(300, '9'),
                                              "0." + std::string(400, '0') + "1",
                                              std::string("1\0"
                                                          "2",
                                                          3),
                                              "\xEF\xBC\x95",
                                              "\xE2\x80\x8F"
                                              "5"};

constexpr std::string_view kKeys = "0123456789.-+eE ,a";

class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
  bool Empty() const { return m_at >= m_size; }
  std::uint8_t Next() { return m_at < m_size ? m_data[m_at++] : 0; }
  std::string Take(std::size_t count) {
    std::string out;
    while (count-- > 0 && !Empty()) out.push_back(static_cast<char>(Next()));
    return out;
  }

 private:
  const std::uint8_t* m_data;
  std::size_t m_size;
  std::size_t m_at = 0;
};

// Keeps its own copy of every text from what it is told; a report of a text
// the copy already holds is a report of no change.
class ShadowObserver : public FormObserver {
 public:
  explicit ShadowObserver(const FormModel& model) {
    for (const Field f : kAllFields) m_texts[Index(f)] = model.Text(f);
  }
  void OnTextChanged(Field field, const std::string& text) override {
    Check(m_texts[Index(field)] != text, "observers never hear of a write that changed nothing");
    m_texts[Index(field)] = text;
  }
  void CheckHeardEverything(const FormModel& model) const {
    for (const Field f : kAllFields) {
      Check(m_texts[Index(f)] == model.Text(f), "observers hear of every change of a text");
    }
  }

 private:
  static std::size_t Index(Field f) { return static_cast<std::size_t>(f); }
  std::array<std::string, kFieldCount> m_texts;
};

bool IsReadout(const std::string& text, std::string_view unit) {
  if (text.empty()) return true;
  if (text.size() <= unit.size() ||
      text.compare(text.size() - unit.size(), unit.size(), unit) != 0) {
    return false;
  }
  const std::string_view number(text.data(), text.size() - unit.size());
  return IsNumericText(number) && number.find(' ') == std::string_view::npos;
}

std::string Validation(std::string_view item, const std::string& quoted) {
  return "No acceptable numeric value entered for\r" + std::string(item) + quoted + ")";
}

void CheckInvariants(const FormModel& model) {
  const auto chosen = static_cast<int>(model.chosen);
  Check(chosen >= 0 && chosen <= 2, "chosen is 0, 1 or 2");
  Check(!model.IsEnabled(Control::Calculate) || chosen != 0, "Calculate enabled means a direction");
  Check(IsReadout(model.Text(Field::Power), " mW"), "Power is empty or a number in mW");
  Check(IsReadout(model.Text(Field::Efficiency), " lm/W"), "Efficiency is empty or in lm/W");
  Check(model.SwatchColor() >= 0 && model.SwatchColor() <= 0xFFFFFF, "the swatch is a colour");
  Check(!model.IsEnabled(Field::Power) && !model.IsEnabled(Field::Efficiency),
        "readouts are never enabled");
}

void Step(FormModel& model, Bytes& bytes, const std::vector<std::string>& messages) {
  const std::uint8_t action = bytes.Next();
  const Field field = kAllFields[bytes.Next() % kFieldCount];
  // Edits come as the window sends them: a disabled box cannot be edited, so
  // an edit aimed at one is dropped, as the user's keystroke would be.
  if (action % 4 != 0 && !model.IsEnabled(field)) {
    bytes.Next();
    return;
  }
  switch (action % 4) {
    case 0: {
      const Control control = kAllControls[bytes.Next() % kControlCount];
      const bool calculating = control == Control::Calculate && model.IsEnabled(control);
      const ConversionDirection direction = model.chosen;
      const std::size_t before = messages.size();
      model.Click(control);
      if (calculating && messages.size() == before) {
        const Field output =
            direction == ConversionDirection::IntensityToFlux ? Field::mlm : Field::mcd;
        Check(IsNumericText(model.Text(output)), "a successful Calculate writes a number");
        Check(model.chosen == ConversionDirection::None, "a successful Calculate resets chosen");
      }
      if (calculating) Check(!model.IsEnabled(Control::Calculate), "Calculate locks itself");
      break;
    }
    case 1:
      model.SetText(field, kDictionary[bytes.Next() % kDictionary.size()]);
      break;
    case 2:
      model.SetText(field, bytes.Take(bytes.Next() % 48));
      break;
    case 3: {  // one keystroke: a character typed at the end, or a backspace
      std::string text = model.Text(field);
      const std::uint8_t key = bytes.Next();
      if (key < 32) {
        if (!text.empty()) text.pop_back();
      } else {
        text.push_back(kKeys[key % kKeys.size()]);
      }
      model.SetText(field, std::move(text));
      break;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> messages;
  FormModel* live = nullptr;
  FormModel model{[&](std::string_view text) {
    const FormModel& m = *live;
    const std::string shown(text);
    const bool known =
        shown == Validation("degrees (0-360), please try again! (", m.Text(Field::deg)) ||
        shown == Validation("millicandela, please try again! (", m.Text(Field::mcd)) ||
        shown == Validation("millilumens, please try again! (", m.Text(Field::mlm)) ||
        shown.rfind("Encounted an error? Please mail:\r", 0) == 0;
    Check(known, "every message is one of the four forms");
    messages.push_back(shown);
  }};
  live = &model;
  ShadowObserver observer(model);
  model.AddObserver(&observer);
  Bytes bytes(data, size);
  for (int steps = 0; !bytes.Empty() && steps < 256; ++steps) {
    Step(model, bytes, messages);
    CheckInvariants(model);
    observer.CheckHeardEverything(model);
  }
  model.RemoveObserver(&observer);
  return 0;
}
