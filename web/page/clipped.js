// A box whose text is wider than it shows "…" while it has no focus (CSS),
// and carries the whole text in its title and its description, as the
// layout's `clipped` parts say.

// A clipped box's title or description: its parts, by the names and in the
// order the layout gives, a line each.
export function clippedTitle(order, value, toolTip) {
  const parts = { text: value, toolTip };
  return order.map((part) => parts[part]).join("\n");
}

export function describeClipped(box, widget, parts) {
  const clipped = box.scrollWidth > box.clientWidth;
  box.title = clipped ? clippedTitle(parts.title, box.value, widget.toolTip) : widget.toolTip;
  if (clipped) box.setAttribute("aria-description", clippedTitle(parts.description, box.value, widget.toolTip));
  else box.removeAttribute("aria-description");
}
