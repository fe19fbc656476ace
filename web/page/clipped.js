// A box whose text is wider than it shows "…" while it has no focus (CSS),
// and carries the whole text in its title, so also in its description.

// The title of a clipped box: its parts in the order the layout gives
// ("text", then "toolTip"), a line each.
export function clippedTitle(order, value, toolTip) {
  return order.map((part) => (part === "text" ? value : toolTip)).join("\n");
}

export function describeClipped(box, widget, order) {
  const clipped = box.scrollWidth > box.clientWidth;
  box.title = clipped ? clippedTitle(order, box.value, widget.toolTip) : widget.toolTip;
}
