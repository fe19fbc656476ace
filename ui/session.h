// The program's parts, built in the order they need each other: the message
// sink, the model that hands it messages, and the window over the model, whose
// messages then open over it. main(), the start-up probe and the window tests
// all build Lumiq this way.
#pragma once

#include <functional>

#include "form/form_model.h"
#include "ui/lumiq_window.h"
#include "ui/message_box_sink.h"

namespace lumiq {

struct Session {
  MessageBoxSink sink;
  FormModel model{std::cref(sink)};
  LumiqWindow window{model};

  Session() { sink.SetParent(&window); }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
};

}  // namespace lumiq
