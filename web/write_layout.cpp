// Writes the page's layout as JSON to standard output: the shared layout
// table in pixels, with each widget's font and texts, and the form's start
// state as the model reports it; then the colour schemes' style. The build
// runs it once and puts its output into the page, so that the page draws the
// form as it starts even where the engine is still compiling (a browser that
// compiles it off the main thread).
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/numeric_text.h"
#include "form/controls.h"
#include "form/form_model.h"
#include "view/layout_table.h"
#include "view/page_names.h"
#include "view/palette.h"
#include "view/view_change.h"
#include "view/widget_texts.h"

namespace lumiq::web {
namespace {

// Two hexadecimal digits of a byte, written by hand: printf's formatting
// follows the locale.
void AppendHexByte(std::string& out, int byte) {
  constexpr char kHex[] = "0123456789abcdef";
  out.push_back(kHex[(byte >> 4) & 0xf]);
  out.push_back(kHex[byte & 0xf]);
}

// Writes JSON members and values. "<" is written escaped, so the text can
// stand inside the page's <script> element whatever a caption holds.
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
      if (static_cast<unsigned char>(c) < 0x20 || c == '<') {
        m_out += "\\u00";
        AppendHexByte(m_out, c);
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

// The model's reports of its start state, each as the engine reports a
// change: [kind, layout row, text, flag, red, green, blue].
class StartRecorder final : public ViewChangeObserver {
 public:
  explicit StartRecorder(JsonWriter& json) : m_json(json) {}

 protected:
  void OnViewChange(const ViewChange& change) override {
    m_json.Open('[')
        .Number(static_cast<double>(change.kind))
        .Number(static_cast<double>(change.row))
        .String(change.text)
        .Bool(change.on)
        .Number(RedOf(change.color))
        .Number(GreenOf(change.color))
        .Number(BlueOf(change.color))
        .Close(']');
  }

 private:
  JsonWriter& m_json;
};

// "#rrggbb".
std::string Hex(Rgb8 color) {
  std::string text = "#";
  for (const int component : {color.red, color.green, color.blue}) AppendHexByte(text, component);
  return text;
}

// The layout row of a widget's container; -1 for the form itself.
double RowOf(Container container) {
  const std::optional<std::size_t> row = RowIndexOf(container);
  return row ? static_cast<double>(*row) : -1;
}

// A vocabulary's names, in the order of its kinds' numbers.
template <typename Names>
void WriteNames(JsonWriter& json, std::string_view key, const Names& names) {
  json.Key(key).Open('[');
  for (const auto& row : names) json.String(row.name);
  json.Close(']');
}

// The shared layout table, in pixels, with each widget's font and texts, in
// the order the page's document has them. Every widget is known by its row.
std::string Layout() {
  JsonWriter json;
  json.Open('{');
  json.Key("width").Number(kClientWidth).Key("height").Number(kClientHeight);
  json.Key("firstFocus").Number(static_cast<double>(RowIndexOf(kFirstFocus)));
  // The kinds of change by number, as the engine reports them.
  WriteNames(json, "changes", kChangeNames);
  json.Key("captionFloor").Number(kNarrowestCaptionPercent / 100.0);
  json.Key("fontFamilies").Open('[');
  for (const std::string_view family : kFontFamilies) json.String(family);
  json.Close(']');
  json.Key("widgets").Open('[');
  for (const WidgetRow& row : kWidgets) {
    const PixelRect pixels = PixelsOf(row);
    json.Open('{');
    json.Key("name").String(NameOf(row)).Key("kind").String(NameOf(KindOf(row)));
    json.Key("in").Number(RowOf(row.in)).Key("caption").String(row.caption);
    json.Key("left").Number(pixels.left).Key("top").Number(pixels.top);
    json.Key("width").Number(pixels.width).Key("height").Number(pixels.height);
    json.Key("points").Number(FontOf(row.font).points).Key("bold").Bool(FontOf(row.font).bold);
    json.Key("wraps").Bool(row.wraps);
    json.Key("accessibleName").String(row.texts.accessibleName);
    json.Key("toolTip").String(row.texts.toolTip);
    json.Key("announced").Bool(row.texts.announced);
    json.Close('}');
  }
  json.Close(']');
  json.Key("title").String(kWindowTitle).Key("messageTitle").String(kMessageTitle);
  // The browser's own bars take each scheme's form colour.
  json.Key("schemes").Open('[');
  for (const PageScheme& scheme : kPageSchemes) {
    json.Open('{')
        .Key("name")
        .String(scheme.name)
        .Key("window")
        .String(Hex(scheme.window))
        .Close('}');
  }
  json.Close(']');
  // What describes a clipped box: its title's parts, and its description's.
  json.Key("clipped").Open('{');
  const auto parts = [&json](std::string_view key, const auto& order) {
    json.Key(key).Open('[');
    for (const ClippedPart part : order) json.String(NameOf(part));
    json.Close(']');
  };
  parts("title", kClippedToolTip);
  parts("description", kClippedAccessibleDescription);
  json.Close('}');
  // Replaying shows no message.
  const FormModel model{[](std::string_view) {}};
  StartRecorder recorder{json};
  json.Key("start").Open('[');
  model.Replay(recorder);
  json.Close(']');
  json.Close('}');
  return json.Take();
}

// The page's style from the shared tables: the form's size, and each colour
// scheme's form colours and its greyed text by the shared rule; the first
// scheme is the default, the others apply when the system prefers them.
std::string TableStyle() {
  std::string style = "#Lumiq{--form-width:" + DoubleToText(kClientWidth) +
                      "px;--form-height:" + DoubleToText(kClientHeight) + "px}";
  for (const PageScheme& scheme : kPageSchemes) {
    const bool preferred = &scheme != kPageSchemes.data();
    if (preferred) style += "@media (prefers-color-scheme: " + std::string(scheme.name) + "){";
    style += ":root{--window:" + Hex(scheme.window) + ";--window-text:" + Hex(scheme.windowText) +
             ";--greyed-text:" + Hex(GreyedText(scheme.windowText, scheme.window)) +
             ";--button-top:" + Hex(scheme.buttonTop) +
             ";--button-bottom:" + Hex(scheme.buttonBottom) +
             ";--greyed-button-text:" + Hex(GreyedButtonText(scheme)) + "}";
    if (preferred) style += "}";
  }
  return style;
}

}  // namespace
}  // namespace lumiq::web

// Two lines: the layout as JSON, then the colour schemes' style rules. Each
// ends with a line feed, as standard output reaches node a line at a time.
int main() {
  const std::string out = lumiq::web::Layout() + "\n" + lumiq::web::TableStyle() + "\n";
  return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0
             ? 0
             : 1;
}
