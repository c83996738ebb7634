// Keeps this version's files for use without a connection, through the service worker. Where
// the browser keeps nothing (a private window, storage refused, a page not served over HTTPS)
// the page works all the same, online only, and says so in one quiet line.
import { tr } from './language.js';
import { offerNewVersion } from './newVersion.js';

export function keepForOffline(note, newVersionLine) {
  const sayOnlineOnly = () => {
    note.textContent = tr('WebPage', 'Here the page works only while online: this browser keeps no files for use without a connection.');
  };
  if (!('serviceWorker' in navigator)) {
    sayOnlineOnly();
    return;
  }
  offerNewVersion(newVersionLine).catch(sayOnlineOnly);
}
