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

#include "core/numeric_text.h"
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

// Writes JSON members and values; one string crosses to JavaScript, where a
// value per member through Embind cost the page a tenth of its start-up.
class JsonWriter {
 public:
  JsonWriter& Key(std::string_view key) {
    Separate();
    Quote(key);
    m_out.push_back(':');
    m_first = true;  // the value needs no comma
    return *this;
  }
  JsonWriter& String(std::string_view text) {
    Separate();
    Quote(text);
    return *this;
  }
  JsonWriter& Number(double value) {
    Separate();
    m_out += DoubleToText(value);  // plain notation for every number here
    return *this;
  }
  JsonWriter& Bool(bool value) {
    Separate();
    m_out += value ? "true" : "false";
    return *this;
  }
  JsonWriter& Open(char bracket) {
    Separate();
    m_out.push_back(bracket);
    m_first = true;
    return *this;
  }
  JsonWriter& Close(char bracket) {
    m_out.push_back(bracket);
    m_first = false;
    return *this;
  }
  std::string Take() { return std::move(m_out); }

 private:
  void Quote(std::string_view text) {
    m_out.push_back('"');
    for (const char c : text) {
      if (c == '"' || c == '\\') m_out.push_back('\\');
      if (static_cast<unsigned char>(c) < 0x20) {
        constexpr char kHex[] = "0123456789abcdef";
        m_out += "\\u00";
        m_out.push_back(kHex[(c >> 4) & 0xf]);
        m_out.push_back(kHex[c & 0xf]);
      } else {
        m_out.push_back(c);
      }
    }
    m_out.push_back('"');
  }
  void Separate() {
    if (!m_first) m_out.push_back(',');
    m_first = false;
  }
  std::string m_out;
  bool m_first = true;
};

// The shared layout table, in pixels, with each widget's font and texts, as
// JSON.
std::string Layout() {
  JsonWriter json;
  json.Open('{');
  json.Key("width").Number(kClientWidth).Key("height").Number(kClientHeight);
  json.Key("firstFocus").String(NameOf(kFirstFocus));
  json.Key("disabledText")
      .String("rgb(" + std::to_string(kDisabledTextColor.red) + ", " +
              std::to_string(kDisabledTextColor.green) + ", " +
              std::to_string(kDisabledTextColor.blue) + ")");
  json.Key("fontFamilies").Open('[');
  for (const std::string_view family : kFontFamilies) json.String(family);
  json.Close(']');
  json.Key("widgets").Open('[');
  for (const WidgetRow& row : kWidgets) {
    const PixelRect pixels = PixelsOf(row);
    const WidgetText* texts = WidgetTextsOf(row.name);
    json.Open('{');
    json.Key("name").String(row.name).Key("kind").String(KindName(row.kind));
    json.Key("container").String(NameOf(row.in)).Key("caption").String(row.caption);
    json.Key("left").Number(pixels.left).Key("top").Number(pixels.top);
    json.Key("width").Number(pixels.width).Key("height").Number(pixels.height);
    json.Key("tab").Number(row.tab);
    json.Key("points").Number(FontOf(row.font).points).Key("bold").Bool(FontOf(row.font).bold);
    json.Key("wraps").Bool(row.wraps);
    // A label that is a control of the model (the credit) answers clicks.
    json.Key("clickable").Bool(row.kind == WidgetKind::Label && ControlNamed(row.name).has_value());
    json.Key("accessibleName").String(texts ? texts->accessibleName : "");
    json.Key("toolTip").String(texts ? texts->toolTip : "");
    json.Key("announced").Bool(texts != nullptr && texts->announced);
    json.Close('}');
  }
  json.Close(']');
  json.Close('}');
  return json.Take();
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
