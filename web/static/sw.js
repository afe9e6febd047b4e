// Keeps every file of the page after the first visit, so that it opens and
// works with no network. Each build has a cache of its own, filled whole
// from the server (past the browser's HTTP cache) before it is used; the page
// carries its module inside, so a page and a module of different builds
// never meet.
'use strict';
const BUILD = '@BUILD@';
const PREFIX = 'regalo-vespera-';
const CACHE = PREFIX + BUILD;
const FILES = @FILES@;
// What a visit offline gets when the page itself went missing from the cache.
const LOST_PAGE = @LOSTPAGE@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith(PREFIX) && name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const url = new URL(event.request.url);
  const scope = new URL(self.registration.scope);
  if (url.origin !== scope.origin || !url.pathname.startsWith(scope.pathname)) return;
  const name = url.pathname.slice(scope.pathname.length);
  // The page is kept once, whichever address opened it.
  const file = name === '' || name === 'index.html' ? './' : name;
  if (!FILES.includes(file)) return;
  event.respondWith((async () => {
    // One look-up: every file of a later visit comes this way. A code in the
    // address's query still opens the page.
    const cached = await caches.match(file, { cacheName: CACHE, ignoreSearch: true });
    if (cached) return cached;
    let response;
    try {
      response = await fetch(event.request);
    } catch (offline) {
      if (event.request.mode !== 'navigate') throw offline;
      return new Response(LOST_PAGE, { headers: { 'Content-Type': 'text/html; charset=utf-8' } });
    }
    // A file of this build that went missing from the cache is put back.
    if (response.ok) {
      const copy = response.clone();
      event.waitUntil(caches.open(CACHE).then((cache) => cache.put(file, copy)));
    }
    return response;
  })());
});
