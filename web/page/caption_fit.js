// Captions laid out for MS Sans Serif run wider in its stand-ins: every
// caption is condensed by the same factor, just enough that all fit, and no
// narrower than the layout's floor, as the desktop window condenses its font.
// A caption on one line must fit its width; the wrapped note, its height.

// The one factor, at most 1 and at least `floor`, that fits every caption's
// natural width into its room.
export function commonFactor(naturals, rooms, floor = 0) {
  return naturals.reduce((factor, natural, i) => Math.max(floor, Math.min(factor, rooms[i] / natural)), 1);
}

const kStep = 0.01; // how much narrower the wrapped note is tried, each time

// The room a caption has: a frame's caption sits inset by its own offset on
// both sides; any other fills its box less the padding.
export function roomFor({ boxWidth, padding, offset, framed }) {
  return framed ? boxWidth - 2 * offset : boxWidth - padding;
}

function measureRoom(span) {
  const box = span.parentElement;
  const style = getComputedStyle(box);
  return roomFor({
    boxWidth: box.clientWidth,
    padding: parseFloat(style.paddingLeft) + parseFloat(style.paddingRight),
    offset: span.offsetLeft,
    framed: span.classList.contains("caption"),
  });
}

const wraps = (span) => span.parentElement.classList.contains("wraps");
const tooTall = (span) => span.offsetHeight > span.parentElement.clientHeight;

// Condenses the spans by `factor`: a line is drawn narrower in a box as much
// narrower; a wrapped caption is laid out as much wider, then drawn narrower.
function condense(spans, naturals, rooms, factor) {
  spans.forEach((span, i) => {
    span.style.transform = factor < 1 ? `scaleX(${factor})` : "";
    const width = wraps(span) ? rooms[i] / factor : naturals[i] * factor;
    span.style.width = factor < 1 ? `${width}px` : "";
  });
}

// Condenses the spans, down to `floor`; returns the factor. Each measure is
// a layout.
export function fitCaptions(spans, floor) {
  // A hidden label (the warning) is measured too, shown for the moment.
  const hidden = spans.map((span) => span.parentElement).filter((box) => box.hidden);
  for (const box of hidden) box.hidden = false;
  for (const span of spans) span.style.transform = span.style.width = "";
  const naturals = spans.map((span) => span.offsetWidth);
  const rooms = spans.map(measureRoom);
  const lines = spans.map((span) => !wraps(span));
  let factor = commonFactor(naturals.filter((_, i) => lines[i]), rooms.filter((_, i) => lines[i]), floor);
  condense(spans, naturals, rooms, factor);
  while (factor > floor && spans.some((span, i) => !lines[i] && tooTall(span))) {
    factor = Math.max(floor, factor - kStep);
    condense(spans, naturals, rooms, factor);
  }
  for (const box of hidden) box.hidden = true;
  return factor;
}
