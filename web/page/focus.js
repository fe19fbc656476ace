// Focus in the form: the document order is the tab order, and the focus
// never falls to <body> when the control that had it stops taking it.

export function focusable(element) {
  return element.tabIndex >= 0 && !element.disabled && !element.hidden;
}

// The first control after `from` in `controls`, going round, that can take
// the focus; undefined when none can.
export function nextFocusable(controls, from) {
  const start = controls.indexOf(from);
  for (let i = 1; i <= controls.length; ++i) {
    const next = controls[(start + i) % controls.length];
    if (focusable(next)) return next;
  }
  return undefined;
}

function focusLost() {
  const active = document.activeElement;
  return active === null || active === document.body;
}

// Watches the form's focus, and moves it on as the window does.
export function createFocusKeeper(root) {
  let lastFocused = null; // kept while the focus is in a dialog or on <body>
  root.addEventListener("focusin", (event) => (lastFocused = event.target));
  const controls = () => [...root.querySelectorAll("input, button, [role=button]")];

  // The next control after `from` that can take the focus gets it.
  function focusNext(from) {
    nextFocusable(controls(), from)?.focus();
  }

  // After `element` stops taking the focus: if it had it, or had it last
  // before the focus fell to <body>, the next control takes it.
  function keepFocusFrom(element) {
    const had = document.activeElement === element || (focusLost() && lastFocused === element);
    if (had && !focusable(element)) focusNext(element);
  }

  // Where the focus goes when a dialog closes and left it nowhere.
  function restoreFocus(returnTo) {
    if (!focusLost() || !returnTo || !root.contains(returnTo)) return;
    if (focusable(returnTo)) returnTo.focus();
    else focusNext(returnTo);
  }

  return { focusNext, keepFocusFrom, restoreFocus };
}
