// The words the page and its engine share, each written once: the kinds of
// change the engine reports, the kinds of widget the page builds, and the
// parts that describe a clipped box. The build writes them into the page's
// layout, and the page takes them from there.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "form/controls.h"
#include "view/view_change.h"
#include "view/widget_texts.h"

namespace lumiq {

template <typename Kind>
struct NamedRow {
  Kind kind;
  std::string_view name;
};

inline constexpr std::array<NamedRow<ChangeKind>, 4> kChangeNames = {{
    {ChangeKind::Text, "text"},
    {ChangeKind::Enabled, "enabled"},
    {ChangeKind::Shown, "shown"},
    {ChangeKind::Color, "color"},
}};
inline constexpr std::array<NamedRow<PartKind>, 6> kKindNames = {{
    {PartKind::Box, "text"},
    {PartKind::Button, "button"},
    {PartKind::Link, "link"},
    {PartKind::Label, "label"},
    {PartKind::Swatch, "swatch"},
    {PartKind::Frame, "frame"},
}};
inline constexpr std::array<NamedRow<ClippedPart>, 2> kClippedPartNames = {{
    {ClippedPart::Text, "text"},
    {ClippedPart::ToolTip, "toolTip"},
}};

namespace detail {
// Each row sits at its kind's number, so a name is found with no search.
template <typename Kind, std::size_t N>
constexpr bool InKindOrder(const std::array<NamedRow<Kind>, N>& names) {
  for (std::size_t i = 0; i < N; ++i) {
    if (static_cast<std::size_t>(names[i].kind) != i) return false;
  }
  return true;
}
}  // namespace detail
static_assert(detail::InKindOrder(kChangeNames) && detail::InKindOrder(kKindNames) &&
              detail::InKindOrder(kClippedPartNames));
// Every kind has its row: the last of each enumeration is the last row.
static_assert(kChangeNames.back().kind == ChangeKind::Color &&
              kKindNames.back().kind == PartKind::Frame &&
              kClippedPartNames.back().kind == ClippedPart::ToolTip);

[[nodiscard]] constexpr std::string_view NameOf(ChangeKind kind) noexcept {
  return kChangeNames[static_cast<std::size_t>(kind)].name;
}
[[nodiscard]] constexpr std::string_view NameOf(PartKind kind) noexcept {
  return kKindNames[static_cast<std::size_t>(kind)].name;
}
[[nodiscard]] constexpr std::string_view NameOf(ClippedPart part) noexcept {
  return kClippedPartNames[static_cast<std::size_t>(part)].name;
}

}  // namespace lumiq
