// Offline use and updates: a new version waits until the user reloads, so a
// page never runs on two versions' files.

function offerUpdate(registration, { notice, reload }) {
  const waiting = () => registration.waiting && navigator.serviceWorker.controller;
  const show = () => {
    if (waiting()) notice.hidden = false;
  };
  show();
  registration.addEventListener("updatefound", () => {
    const worker = registration.installing;
    worker?.addEventListener("statechange", show);
  });
  reload.addEventListener("click", () => {
    registration.waiting?.postMessage("activate");
  });
  let reloading = false;
  navigator.serviceWorker.addEventListener("controllerchange", () => {
    if (!notice.hidden && !reloading) {
      reloading = true;
      location.reload();
    }
  });
}

// `notice` says that an update is ready; its `reload` button takes it.
export function registerWorker(nodes) {
  if (!("serviceWorker" in navigator)) return;
  navigator.serviceWorker
    .register("sw.js")
    .then((registration) => offerUpdate(registration, nodes))
    .catch(() => {}); // offline use is a bonus: the page works without it
}
