// UTF-8 model text to Qt text.
#pragma once

#include <QString>
#include <string_view>

namespace lumiq {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace lumiq
