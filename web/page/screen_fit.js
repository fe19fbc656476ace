// Fits the drawn form to its screen: on a narrow screen the form grows to the
// width, less 8 px each side; the captions are fitted again only when their
// size on the screen may have changed (the scale, the zoom, the fonts).

import { fitCaptions } from "./caption_fit.js";

const kNarrowWidth = 480;

// The form's scale on a screen `viewportWidth` wide.
export function scaleFor(viewportWidth, formWidth) {
  return viewportWidth < kNarrowWidth ? (viewportWidth - 16) / formWidth : 1;
}

// `afterFit` runs after each fitting, as the boxes' clipping may change.
export function createScreenFit(root, form, afterFit) {
  let currentScale = "1"; // as the style sheet has it
  let currentZoom = 0;
  return function scaleToScreen({ refit = false } = {}) {
    const scale = String(scaleFor(window.innerWidth, form.width));
    if (scale !== currentScale) root.style.setProperty("--scale", (currentScale = scale));
    else if (!refit && devicePixelRatio === currentZoom) return;
    currentZoom = devicePixelRatio;
    root.dataset.captionFit = String(fitCaptions(form.fitted));
    afterFit();
  };
}
