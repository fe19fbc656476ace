// The engine of the web page: the form model compiled to WebAssembly, with
// the shared layout and texts, bound for the page's JavaScript view.
//
// One page holds one form. The page calls plain C functions; the engine
// reports each change by calling the view object the page handed over as
// `Module.view`. A click may show a message, and the page's dialog is awaited
// (Asyncify) so that the handler goes on only after OK, exactly as on the
// desktop; the page calls it through ccall's async mode.
//
// No Embind: its run-time registration was most of the engine's start-up,
// and a third of its script.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>
#include <string_view>

#include "form/form_model.h"
#include "view/view_change.h"
#include "view/widget_texts.h"

namespace lumiq::web {
namespace {

// Shows the message in the page's modal dialog and resumes once it closes.
EM_ASYNC_JS(void, ShowMessageInPage, (const char* text),
            { await Module["showMessage"](UTF8ToString(text)); });

// The view's four reports. Names are passed with their length: a name is a
// string_view, not necessarily terminated.
EM_JS(void, ViewText, (const char* name, int nameLength, const char* text, int textLength),
      { Module["view"]["text"](UTF8ToString(name, nameLength), UTF8ToString(text, textLength)); });
EM_JS(void, ViewEnabled, (const char* name, int nameLength, int enabled),
      { Module["view"]["enabled"](UTF8ToString(name, nameLength), !!enabled); });
EM_JS(void, ViewShown, (const char* name, int nameLength, int shown),
      { Module["view"]["shown"](UTF8ToString(name, nameLength), !!shown); });
EM_JS(void, ViewColor, (const char* name, int nameLength, int red, int green, int blue),
      { Module["view"]["color"](UTF8ToString(name, nameLength), red, green, blue); });

int LengthOf(std::string_view text) {
  return static_cast<int>(text.size());
}

// Tells the page's view of every change, under the controls' names.
class PageObserver final : public ViewChangeObserver {
 protected:
  void OnViewChange(const ViewChange& change) override {
    const char* name = change.name.data();
    const int nameLength = LengthOf(change.name);
    switch (change.kind) {
      case ChangeKind::Text:
        ViewText(name, nameLength, change.text.data(), LengthOf(change.text));
        break;
      case ChangeKind::Enabled:
        ViewEnabled(name, nameLength, change.on);
        break;
      case ChangeKind::Shown:
        ViewShown(name, nameLength, change.on);
        break;
      case ChangeKind::Color:
        ViewColor(name, nameLength, RedOf(change.color), GreenOf(change.color),
                  BlueOf(change.color));
        break;
    }
  }
};

struct Page {
  FormModel model{[](std::string_view text) {
    const std::string lines = MessageLines(text);
    ShowMessageInPage(lines.c_str());
  }};
  PageObserver observer;
  bool observed = false;
};

Page& ThePage() {
  static Page page;
  return page;
}

}  // namespace
}  // namespace lumiq::web

// Starts mirroring into `Module.view`: the whole current state first, then
// every change as it happens.
extern "C" EMSCRIPTEN_KEEPALIVE void lumiq_observe() {
  lumiq::web::Page& page = lumiq::web::ThePage();
  page.model.Replay(page.observer);
  if (!page.observed) page.model.AddObserver(&page.observer);
  page.observed = true;
}

// A user's edit of a text box; names that are not a field are ignored.
extern "C" EMSCRIPTEN_KEEPALIVE void lumiq_set_text(const char* name, const char* text) {
  if (const auto field = lumiq::FieldNamed(name)) lumiq::web::ThePage().model.SetText(*field, text);
}

// A click on a button or the credit label. It may suspend while a message is
// up, so the page calls it through ccall with {async: true}.
extern "C" EMSCRIPTEN_KEEPALIVE void lumiq_click(const char* name) {
  if (const auto control = lumiq::ControlNamed(name)) {
    lumiq::web::ThePage().model.Click(*control);
  }
}
