// One event at a time, as the window takes them: a click that comes while a
// handler still waits for its dialog to close (the dialog gone, the handler
// not yet resumed) runs after that handler, where it would otherwise start a
// second suspended call, which Asyncify refuses. Any other click runs at once.

// `run(row)` starts a click's handler and returns its completion. The page's
// dialog hands `hold` the promise of its closing while a handler waits on it.
export function createClickQueue(run) {
  let latest = Promise.resolve(); // the completion of the click last started
  let waiting = null; // while a handler waits on a dialog: until that handler ends

  function click(row) {
    if (waiting) return waiting.then(() => click(row));
    latest = run(row);
    return latest;
  }

  // Called from within the handler that `run` started, as it suspends.
  function hold(closed) {
    const handler = closed.then(() => latest);
    waiting = handler;
    handler.finally(() => {
      if (waiting === handler) waiting = null;
    }).catch(() => {}); // the click's own caller hears of a failure
    return closed;
  }

  return { click, hold };
}
