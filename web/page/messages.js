// Messages: the engine awaits each one, so the handler that shows a message
// goes on only once the dialog has closed (OK or Escape).

// Read out once by screen readers (a polite live region): the same text
// again is made to differ, by a no-break space, so that it is read again.
export function nextAnnouncement(previous, text) {
  return previous === text ? `${text}\u00a0` : text;
}

export function createAnnouncer(region) {
  return (text) => (region.textContent = nextAnnouncement(region.textContent, text));
}

// Shows `text` (its lines already broken by the engine) in the modal
// `dialog`, its `text` element and `ok` button handed in, and returns the
// promise of its closing, after which the focus is back in the form.
export function createMessages(focus, { dialog, text: dialogText, ok }) {
  return function showMessage(text) {
    const returnTo = document.activeElement;
    dialogText.textContent = text;
    const closed = new Promise((resolve) => {
      dialog.addEventListener("close", () => resolve(focus.restoreFocus(returnTo)), { once: true });
    });
    dialog.showModal();
    ok.focus();
    return closed;
  };
}
