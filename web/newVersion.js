// Says when a new version of the page is waiting, in one quiet line with a button. Loading it
// replaces what is printed, so the new version takes over only when the user chooses, in
// workbox-window's way: its 'waiting' shows the offer, the choice asks the new worker to skip
// waiting, and its 'controlling' loads the page again. Every open page of the old version hears
// the same events: where the user of another one chose, this page's line says that it must be
// loaded again to use the new version, and its button does that, so that no page runs its old
// scripts on the new version's files while its numbers stay until its own user's choice.
// A page installed on a phone is seldom loaded again, so the browser is also asked for a new
// version whenever the page is shown again.
import { tr } from './language.js';
import { Workbox } from './workbox-window.js';

export function offerNewVersion(line) {
  const words = line.querySelector('span');
  const button = line.querySelector('button');
  let shown = '';
  const show = (text, label) => {
    if (shown === text) {
      return;
    }
    shown = text;
    button.textContent = label;
    line.hidden = false;
    // The words come a moment after the line, a live region: a screen reader says what is added
    // to one it already knows, and often nothing of one that appears with its words in place.
    words.textContent = '';
    setTimeout(() => {
      words.textContent = text;
    }, 250);
  };
  const workbox = new Workbox('sw.js');
  let controlled = navigator.serviceWorker.controller !== null;
  let chosen = false;
  let takenOver = false;
  const offer = () => show(tr('WebPage', 'A new version is ready: loading it clears the numbers shown.'), tr('WebPage', 'Load the new version'));
  workbox.addEventListener('waiting', offer);
  // The first version installed takes over a page that had none, which changes nothing in it.
  workbox.addEventListener('controlling', () => {
    if (chosen) {
      location.reload();
    } else if (controlled) {
      takenOver = true;
      show(tr('WebPage', 'A new version was loaded in another tab: load this page again to use it, which clears the numbers shown.'),
        tr('WebPage', 'Load the page again'));
    }
    controlled = true;
  });
  button.addEventListener('click', () => {
    if (takenOver) {
      location.reload();
    } else {
      chosen = true;
      workbox.messageSkipWaiting();
    }
  });
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'visible') {
      workbox.update().catch(() => {});
    }
  });
  // Once the page has loaded, so that caching its files never competes with showing it.
  return workbox.register().then((registration) => {
    // workbox-window follows only the first two versions installed while a page is open
    // (GoogleChrome/workbox#3285): a later one is offered when it is installed all the same.
    registration.addEventListener('updatefound', () => {
      const worker = registration.installing;
      worker?.addEventListener('statechange', () => {
        if (worker.state === 'installed' && registration.active !== null) {
          offer();
        }
      });
    });
  });
}
