// A colour as one integer: R + 256 x G + 65536 x B, each component 0..255,
// red in the low byte.
#pragma once

#include <cstdint>

namespace lumiq {

using ColorRef = std::int32_t;

inline constexpr ColorRef kBlack = 0;

[[nodiscard]] constexpr int RedOf(ColorRef c) noexcept {
  return c & 0xFF;
}
[[nodiscard]] constexpr int GreenOf(ColorRef c) noexcept {
  return (c >> 8) & 0xFF;
}
[[nodiscard]] constexpr int BlueOf(ColorRef c) noexcept {
  return (c >> 16) & 0xFF;
}

}  // namespace lumiq
