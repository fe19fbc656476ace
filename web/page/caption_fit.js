// Captions laid out for MS Sans Serif run wider in its stand-ins: every
// caption is condensed by the same factor, just enough that all fit.

// The one factor, at most 1, that fits every caption's natural width into
// its room.
export function commonFactor(naturals, rooms) {
  return naturals.reduce((factor, natural, i) => Math.min(factor, rooms[i] / natural), 1);
}

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

// Condenses the spans; returns the factor. Each measure is a layout.
export function fitCaptions(spans) {
  // A hidden label (the warning) is measured too, shown for the moment.
  const hidden = spans.map((span) => span.parentElement).filter((box) => box.hidden);
  for (const box of hidden) box.hidden = false;
  for (const span of spans) span.style.transform = span.style.width = "";
  const naturals = spans.map((span) => span.offsetWidth);
  const factor = commonFactor(naturals, spans.map(measureRoom));
  // Condensed in its layout width too, so that no box counts it as overflow.
  if (factor < 1) {
    spans.forEach((span, i) => {
      span.style.transform = `scaleX(${factor})`;
      span.style.width = `${naturals[i] * factor}px`;
    });
  }
  for (const box of hidden) box.hidden = true;
  return factor;
}
