// The engine of the web page: the form model compiled to WebAssembly, with
// the shared layout and texts, bound for the page's JavaScript view.
//
// One page holds one form. The page calls plain C functions, and the engine
// reports each change by calling the function the page handed over as
// `Module.report`; both name a widget by its row in the shared layout, never by
// name. A click may show a message, and the page's dialog is awaited
// (Asyncify) so that the handler goes on only after OK, exactly as on the
// desktop; the page calls it through ccall's async mode.
//
// No Embind: its run-time registration was most of the engine's start-up,
// and a third of its script.
#include <emscripten/emscripten.h>

#include <string>
#include <string_view>

#include "form/form_model.h"
#include "view/layout_table.h"
#include "view/view_change.h"
#include "view/widget_texts.h"

namespace lumiq::web {
namespace {

// Shows the message in the page's modal dialog and resumes once it closes.
EM_ASYNC_JS(void, ShowMessageInPage, (const char* text),
            { await Module["showMessage"](UTF8ToString(text)); });

// Every change, by its kind's number and the layout row of what changed, in
// one shape: [kind, row, text, flag, red, green, blue], as the layout's start
// records have it.
EM_JS(void, ReportChange,
      (int kind, int row, const char* text, int textLength, int on, int red, int green, int blue),
      { Module["report"](kind, row, UTF8ToString(text, textLength), !!on, red, green, blue); });

// Tells the page's view of every change.
class PageObserver final : public ViewChangeObserver {
 protected:
  void OnViewChange(const ViewChange& change) override {
    ReportChange(static_cast<int>(change.kind), static_cast<int>(change.row), change.text.data(),
                 static_cast<int>(change.text.size()), change.on, RedOf(change.color),
                 GreenOf(change.color), BlueOf(change.color));
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

// Starts mirroring into `Module.report`: the whole current state first, then
// every change as it happens.
extern "C" EMSCRIPTEN_KEEPALIVE void lumiq_observe() {
  lumiq::web::Page& page = lumiq::web::ThePage();
  page.model.Replay(page.observer);
  if (!page.observed) page.model.AddObserver(&page.observer);
  page.observed = true;
}

// A user's edit of the box in that layout row. Returns 0, and changes
// nothing, for a row that holds no box: the page's fault, which it reports.
extern "C" EMSCRIPTEN_KEEPALIVE int lumiq_set_text(int row, const char* text) {
  // A negative row, cast, lies past the table too.
  const auto field = lumiq::PartAt<lumiq::Field>(static_cast<std::size_t>(row));
  if (!field) return 0;
  lumiq::web::Page& page = lumiq::web::ThePage();
  page.observer.Edit(page.model, *field, text);
  return 1;
}

// A click on the button or link in that layout row; 0 for a row that holds
// neither. It may suspend while a message is up, so the page calls it
// through ccall with {async: true}.
extern "C" EMSCRIPTEN_KEEPALIVE int lumiq_click(int row) {
  const auto control = lumiq::PartAt<lumiq::Control>(static_cast<std::size_t>(row));
  if (!control) return 0;
  lumiq::web::ThePage().model.Click(*control);
  return 1;
}
