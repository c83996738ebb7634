// Says when a new version of the page is waiting, in one quiet line with a button. Loading it
// replaces what is printed, so the new version takes over only when the user chooses, and
// then the page loads again from it. A page installed on a phone is seldom loaded again, so
// the browser is also asked for a new version whenever the page is shown again.
export function offerNewVersion(registration, line) {
  let waiting = null;
  let chosen = false;
  const offer = (worker) => {
    waiting = worker;
    line.hidden = false;
  };
  line.querySelector('button').addEventListener('click', () => {
    chosen = true;
    waiting?.postMessage('take over');
  });
  navigator.serviceWorker.addEventListener('controllerchange', () => {
    if (chosen) {
      location.reload();
    }
  });

  // The first version installed takes over by itself; one installed while another is active
  // is new and waits.
  if (registration.waiting !== null && registration.active !== null) {
    offer(registration.waiting);
  }
  registration.addEventListener('updatefound', () => {
    const worker = registration.installing;
    worker?.addEventListener('statechange', () => {
      if (worker.state === 'installed' && registration.active !== null) {
        offer(worker);
      }
    });
  });
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') {
      registration.update().catch(() => {});
    }
  });
}
