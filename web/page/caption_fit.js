// Fits the drawn form to its screen: the captions condensed to their boxes,
// the whole scaled up on a narrow screen, and clipped boxes described.

let layoutWidth = 0; // the form's width in the layout, set as it is built
let currentScale = "1"; // as the style sheet has it
let currentZoom = 0;

// Captions laid out for MS Sans Serif run wider in its stand-ins: every
// caption is condensed by the same factor, just enough that all fit.
function fitCaptions() {
  // A hidden label (the warning) is measured too, shown for the moment.
  const hidden = fitted.map((span) => span.parentElement).filter((box) => box.hidden);
  for (const box of hidden) box.hidden = false;
  for (const span of fitted) span.style.transform = span.style.width = "";
  const natural = fitted.map((span) => span.offsetWidth);
  let factor = 1;
  fitted.forEach((span, i) => (factor = Math.min(factor, roomFor(span) / natural[i])));
  // Condensed in its layout width too, so that no box counts it as overflow.
  fitted.forEach((span, i) => {
    if (factor >= 1) return;
    span.style.transform = `scaleX(${factor})`;
    span.style.width = `${natural[i] * factor}px`;
  });
  for (const box of hidden) box.hidden = true;
  root.dataset.captionFit = String(factor);
}
function roomFor(span) {
  const box = span.parentElement;
  const style = getComputedStyle(box);
  const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
  if (span.classList.contains("caption")) return box.clientWidth - 2 * span.offsetLeft;
  return box.clientWidth - padding;
}

// A box whose text is wider than it shows "…" while it has no focus (CSS),
// and carries the whole text as its title, so also as its description.
function describeClipped(box) {
  const toolTip = widgets.get(box.id).toolTip;
  const clipped = box.scrollWidth > box.clientWidth;
  box.title = clipped ? `${box.value}\n${toolTip}` : toolTip;
}

// On a narrow screen the form grows to the width, less 8 px each side. The
// captions are measured again only when their size on the screen may have
// changed (the scale, the zoom, the fonts): each measure is a layout.
function scaleToScreen({ refit = false } = {}) {
  const narrow = window.innerWidth < 480;
  const scale = String(narrow ? (window.innerWidth - 16) / layoutWidth : 1);
  if (scale !== currentScale) root.style.setProperty("--scale", (currentScale = scale));
  else if (!refit && devicePixelRatio === currentZoom) return;
  currentZoom = devicePixelRatio;
  fitCaptions();
  if (engine) describeClippedBoxes(); // until then, every box holds a start text that fits
}

function describeClippedBoxes() {
  for (const [name, element] of elements) {
    if (widgets.get(name).kind === "text") describeClipped(element);
  }
}
