// The engine of the web page: the form model compiled to WebAssembly, with
// the shared layout and texts, bound for the page's JavaScript view.
//
// One page holds one form. Reading and typing go through Embind; a click may
// show a message, and the page's dialog is awaited (Asyncify) so that the
// handler goes on only after OK, exactly as on the desktop. Such a call is
// exported as a plain C function for ccall's async mode.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

#include "form/form_model.h"
#include "view/layout_table.h"
#include "view/widget_texts.h"

namespace lumiq::web {
namespace {

using emscripten::val;

// Shows the message in the page's modal dialog and resumes once it closes.
EM_ASYNC_JS(void, ShowMessageInPage, (const char* text),
            { await Module["showMessage"](UTF8ToString(text)); });

// Tells the page's view of every change, under the controls' names.
class PageObserver final : public FormObserver {
 public:
  explicit PageObserver(val view) : m_view(std::move(view)) {}

  void OnTextChanged(Field field, const std::string& text) override {
    m_view.call<void>("text", std::string(NameOf(field)), text);
  }
  void OnEnabledChanged(Field field, bool enabled) override {
    m_view.call<void>("enabled", std::string(NameOf(field)), enabled);
  }
  void OnEnabledChanged(Control control, bool enabled) override {
    m_view.call<void>("enabled", std::string(NameOf(control)), enabled);
  }
  void OnInvisibleShownChanged(bool shown) override {
    m_view.call<void>("shown", std::string(NameOf(Indicator::Invisible)), shown);
  }
  void OnSwatchColorChanged(ColorRef color) override {
    m_view.call<void>("color", std::string(NameOf(Indicator::Color)), RedOf(color), GreenOf(color),
                      BlueOf(color));
  }

 private:
  val m_view;
};

struct Page {
  FormModel model{[](std::string_view text) {
    const std::string lines = MessageLines(text);
    ShowMessageInPage(lines.c_str());
  }};
  std::optional<PageObserver> observer;
};

Page& ThePage() {
  static Page page;
  return page;
}

// Starts mirroring into `view`: the whole current state first, then every
// change as it happens.
void Observe(val view) {
  Page& page = ThePage();
  if (page.observer) page.model.RemoveObserver(&*page.observer);
  page.observer.emplace(std::move(view));
  page.model.Replay(*page.observer);
  page.model.AddObserver(&*page.observer);
}

// A user's edit of a text box; names that are not a field are ignored.
void SetText(const std::string& name, const std::string& text) {
  if (const auto field = FieldNamed(name)) ThePage().model.SetText(*field, text);
}

std::string Text(const std::string& name) {
  const auto field = FieldNamed(name);
  return field ? ThePage().model.Text(*field) : std::string();
}

constexpr const char* KindName(WidgetKind kind) {
  switch (kind) {
    case WidgetKind::TextBox:
      return "text";
    case WidgetKind::Button:
      return "button";
    case WidgetKind::Label:
      return "label";
    case WidgetKind::Frame:
      return "frame";
    case WidgetKind::Swatch:
      return "swatch";
  }
  return "";
}

// The shared layout table, in pixels, with each widget's font and texts.
val Layout() {
  val widgets = val::array();
  for (const WidgetRow& row : kWidgets) {
    val widget = val::object();
    widget.set("name", std::string(row.name));
    widget.set("kind", std::string(KindName(row.kind)));
    widget.set("container", std::string(NameOf(row.in)));
    widget.set("caption", std::string(row.caption));
    const PixelRect pixels = PixelsOf(row);
    widget.set("left", pixels.left);
    widget.set("top", pixels.top);
    widget.set("width", pixels.width);
    widget.set("height", pixels.height);
    widget.set("tab", row.tab);
    widget.set("points", FontOf(row.font).points);
    widget.set("bold", FontOf(row.font).bold);
    widget.set("wraps", row.wraps);
    // A label that is a control of the model (the credit) answers clicks.
    widget.set("clickable", row.kind == WidgetKind::Label && ControlNamed(row.name).has_value());
    const WidgetText* texts = WidgetTextsOf(row.name);
    widget.set("accessibleName", std::string(texts ? texts->accessibleName : ""));
    widget.set("toolTip", std::string(texts ? texts->toolTip : ""));
    widget.set("announced", texts != nullptr && texts->announced);
    widgets.call<void>("push", widget);
  }
  val families = val::array();
  for (const std::string_view family : kFontFamilies) {
    families.call<void>("push", std::string(family));
  }
  val layout = val::object();
  layout.set("width", kClientWidth);
  layout.set("height", kClientHeight);
  layout.set("firstFocus", std::string(NameOf(kFirstFocus)));
  layout.set("disabledText", "rgb(" + std::to_string(kDisabledTextColor.red) + ", " +
                                 std::to_string(kDisabledTextColor.green) + ", " +
                                 std::to_string(kDisabledTextColor.blue) + ")");
  layout.set("fontFamilies", families);
  layout.set("widgets", widgets);
  return layout;
}

}  // namespace
}  // namespace lumiq::web

// A click on a button or the credit label. It may suspend while a message is
// up, so the page calls it through ccall with {async: true}.
extern "C" EMSCRIPTEN_KEEPALIVE void lumiq_click(const char* name) {
  if (const auto control = lumiq::ControlNamed(name)) {
    lumiq::web::ThePage().model.Click(*control);
  }
}

EMSCRIPTEN_BINDINGS(lumiq) {
  emscripten::function("layout", &lumiq::web::Layout);
  emscripten::function("observe", &lumiq::web::Observe);
  emscripten::function("setText", &lumiq::web::SetText);
  emscripten::function("text", &lumiq::web::Text);
}
