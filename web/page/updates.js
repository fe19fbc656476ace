// Offline use and updates: a new version waits until the user reloads, so a
// page never runs on two versions' files.

function offerUpdate(registration) {
  const notice = document.getElementById("update");
  const waiting = () => registration.waiting && navigator.serviceWorker.controller;
  const show = () => {
    if (waiting()) notice.hidden = false;
  };
  show();
  registration.addEventListener("updatefound", () => {
    const worker = registration.installing;
    worker?.addEventListener("statechange", show);
  });
  document.getElementById("update-reload").addEventListener("click", () => {
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

export function registerWorker() {
  if (!("serviceWorker" in navigator)) return;
  navigator.serviceWorker
    .register("sw.js")
    .then(offerUpdate)
    .catch(() => {}); // offline use is a bonus: the page works without it
}
