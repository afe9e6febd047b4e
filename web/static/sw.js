// Keeps every file of the page after the first visit, so that it opens and
// works with no network. Each build has a cache of its own, filled whole
// from the server (past the browser's HTTP cache) before it is used; a page
// is served only its own build's files, which it asks for under its build
// (?b=), so a page and a module of different builds never meet.
'use strict';
const BUILD = '@BUILD@';
const PREFIX = 'regalo-vespera-';
const CACHE = PREFIX + BUILD;
const FILES = @FILES@;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

// The build before stays while pages of it may still ask for their module.
self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => names.filter((name) => name.startsWith(PREFIX) && name !== CACHE))
    .then((older) => Promise.all(older.slice(0, -1).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  const url = new URL(event.request.url);
  if (url.origin !== location.origin) return;
  const build = url.searchParams.get('b') || BUILD;
  event.respondWith((async () => {
    // One look-up: every file of a later visit comes this way.
    const cached = await caches.match(event.request, { cacheName: PREFIX + build, ignoreSearch: !url.searchParams.has('b') });
    if (cached) return cached;
    // Another build's file that is no longer kept: the server has only the
    // newest, which would not fit that page.
    if (build !== BUILD) return new Response('', { status: 410, statusText: 'Gone: reload the page' });
    const response = await fetch(event.request);
    // A file of this build that went missing from the cache is put back.
    const path = url.pathname.slice(url.pathname.lastIndexOf('/') + 1) + url.search;
    if (response.ok && FILES.includes(path === '' ? './' : path)) {
      const copy = response.clone();
      event.waitUntil(caches.open(CACHE).then((cache) => cache.put(event.request, copy)));
    }
    return response;
  })());
});
