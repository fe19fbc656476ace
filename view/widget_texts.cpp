#include "view/widget_texts.h"

#include <algorithm>

namespace lumiq {

std::string MessageLines(std::string_view message) {
  std::string lines(message);
  std::replace(lines.begin(), lines.end(), '\r', '\n');
  return lines;
}

}  // namespace lumiq
