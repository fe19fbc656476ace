#include "view/widget_texts.h"

#include <algorithm>
#include <charconv>

namespace lumiq {

std::string MessageLines(std::string_view message) {
  std::string lines(message);
  std::replace(lines.begin(), lines.end(), '\r', '\n');
  return lines;
}

std::string SpokenColor(ColorRef color) {
  std::string spoken = "RGB ";
  for (const int component : {RedOf(color), GreenOf(color), BlueOf(color)}) {
    if (spoken.size() > 4) spoken += ", ";
    char digits[4];  // to_chars, not printf: no locale
    spoken.append(digits, std::to_chars(digits, digits + sizeof digits, component).ptr);
  }
  return spoken;
}

}  // namespace lumiq
