// Keeps one version of the page for use without a connection, with Workbox's precache.
// tools/web/make-service-worker.mjs writes in this version's files, each with a revision and the
// digest of its content, and bundles this module with Workbox into the site's sw.js.
//
// Every request, the page's own included, is answered from this version's files first. Asking
// the network first for the page would put a newer index.html on this version's scripts and
// core: a page must never mix the files of two versions. The browser checks this file on every
// visit instead; a changed one is a new version, which installs beside the old one and waits
// while a page of the old one is open, until a page's user chooses to load it (newVersion.js).
import { cacheNames, clientsClaim, setCacheNameDetails } from 'workbox-core';
import { precacheAndRoute } from 'workbox-precaching';
import { registerRoute } from 'workbox-routing';
import { CacheFirst } from 'workbox-strategies';

// Workbox ends its caches' names with the scope: copies at two paths of one host keep their
// files apart.
setCacheNameDetails({ prefix: 'krimvel' });
const scope = self.registration.scope;

// Each file is fetched past the HTTP cache, by a URL with its revision, and checked against its
// digest: one that does not match (a half-finished upload, a stale copy in a server's cache)
// fails the install, and the version in use stays.
precacheAndRoute(self.__WB_MANIFEST);

// Fetched the first time they are used, checked against their digest as well, then kept under
// their address with their revision: a new version takes over what an older one kept, where
// unchanged. The same key as the worker before Workbox, whose caches still hold it.
const keptOnUse = Object.entries(__KEPT_ON_USE__).map(([file, { revision, integrity }]) => {
  const url = new URL(file, scope).href;
  return { url, key: `${url}?${revision}`, integrity };
});
for (const { url, key, integrity } of keptOnUse) {
  registerRoute(({ url: asked }) => asked.origin + asked.pathname === url, new CacheFirst({
    cacheName: cacheNames.runtime,
    plugins: [{
      cacheKeyWillBeUsed: async () => key,
      requestWillFetch: async () => new Request(url, { integrity, cache: 'reload', credentials: 'same-origin' }),
    }],
  }));
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const kept = await caches.open(cacheNames.runtime);
    for (const { key } of keptOnUse) {
      const found = await caches.match(key);
      if (found !== undefined) await kept.put(key, found);
    }
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    // The worker before Workbox named a cache a version, each ending with a blank and the scope.
    for (const name of await caches.keys()) {
      if (name.startsWith(`${cacheNames.prefix}-`) && name.endsWith(` ${scope}`)) await caches.delete(name);
    }
    const kept = await caches.open(cacheNames.runtime);
    const current = new Set(keptOnUse.map(({ key }) => key));
    for (const request of await kept.keys()) {
      if (!current.has(request.url)) await kept.delete(request);
    }
  })());
});

// Sent by workbox-window when a page's user chooses to load the new version.
self.addEventListener('message', (event) => {
  if (event.data?.type === 'SKIP_WAITING') self.skipWaiting();
});
// The first version takes over the page that installed it; a later one waits for that choice.
clientsClaim();
