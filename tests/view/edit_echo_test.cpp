// An edit's echo: of every report an edit causes, only the edited box's
// report of the typed text is marked, and nothing after the edit is.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "view/layout_table.h"
#include "view/view_change.h"

namespace lumiq {
namespace {

class TextReports : public ViewChangeObserver {
 public:
  std::vector<std::pair<std::string, bool>> texts;  // box, marked as echo

 protected:
  void OnViewChange(const ViewChange& change) override {
    if (change.kind == ChangeKind::Text)
      texts.emplace_back(NameOf(kWidgets[change.row]), change.on);
  }
};

struct EchoCase {
  std::string name;
  Field before, edited;  // typed one after the other
  std::string beforeText, text;
};

const EchoCase kCases[] = {
    {"VoltageWithCurrent", Field::Current, Field::Voltage, "20", "3.2"},
    {"CurrentTwice", Field::Current, Field::Current, "20", "25"},
    {"Wavelength", Field::Voltage, Field::Wavelength, "3", "550"},
    {"EmptiedBox", Field::Voltage, Field::Voltage, "3", ""},
};

class EditEchoOf : public testing::TestWithParam<EchoCase> {};

TEST_P(EditEchoOf, OnlyTheEditedTextIsItsEcho) {
  const EchoCase& c = GetParam();
  FormModel model{[](std::string_view) {}};
  TextReports reports;
  model.AddObserver(&reports);
  reports.Edit(model, c.before, c.beforeText);
  reports.texts.clear();
  reports.Edit(model, c.edited, c.text);
  ASSERT_FALSE(reports.texts.empty());
  for (const auto& [box, echo] : reports.texts) {
    EXPECT_EQ(echo, box == NameOf(c.edited)) << box;
  }
  // The same box written by the model afterwards is no echo, even with the
  // text the user typed before.
  reports.texts.clear();
  model.SetText(c.edited, "x");
  model.SetText(c.edited, c.text);
  ASSERT_FALSE(reports.texts.empty());
  for (const auto& [box, echo] : reports.texts) EXPECT_FALSE(echo) << box;
  model.RemoveObserver(&reports);
}

INSTANTIATE_TEST_SUITE_P(Edits, EditEchoOf, testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace lumiq
