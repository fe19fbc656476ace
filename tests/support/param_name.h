// Turns a number's text into a valid test-name suffix.
#pragma once

#include <string>

#include "core/numeric_text.h"

namespace lumiq::testing_support {

inline std::string ParamName(const std::string& prefix, double value) {
  std::string name = prefix + DoubleToText(value);
  for (char& c : name) {
    if (c == '.') c = '_';
    if (c == '-') c = 'M';
    if (c == '+') c = 'P';
  }
  return name;
}

}  // namespace lumiq::testing_support
