// Fits the drawn form to its screen: on a narrow screen the form grows to the
// width, less 8 px each side; the captions are fitted again only when their
// size on the screen may have changed (the scale, the zoom, the fonts).

import { fitCaptions } from "./caption_fit.js";

const kNarrowWidth = 480;

// The form's scale on a screen `viewportWidth` wide.
export function scaleFor(viewportWidth, formWidth) {
  return viewportWidth < kNarrowWidth ? (viewportWidth - 16) / formWidth : 1;
}

// Fits the form `width` pixels wide, with its `captions`, now (the first
// layout, measuring the captions), on every resize, and when fonts that load
// later change that measure (the form's are local, so this is rare; asking
// whether any are loading would be a layout). `afterFit` runs after each
// fitting, as the boxes' clipping may change. Returns what stops it.
export function startScreenFit(root, { width, captions, floor }, afterFit) {
  let currentScale = "1"; // as the style sheet has it
  let currentZoom = 0;
  function scaleToScreen({ refit = false } = {}) {
    const scale = String(scaleFor(window.innerWidth, width));
    if (scale !== currentScale) root.style.setProperty("--scale", (currentScale = scale));
    else if (!refit && devicePixelRatio === currentZoom) return;
    currentZoom = devicePixelRatio;
    root.dataset.captionFit = String(fitCaptions(captions, floor));
    afterFit();
  }
  const onResize = () => scaleToScreen();
  const onFonts = () => scaleToScreen({ refit: true });
  scaleToScreen({ refit: true });
  addEventListener("resize", onResize);
  document.fonts?.addEventListener("loadingdone", onFonts);
  return function stop() {
    removeEventListener("resize", onResize);
    document.fonts?.removeEventListener("loadingdone", onFonts);
  };
}
