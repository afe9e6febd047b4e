// The page kept for visits without a network, and told of a newer build.
import { $ } from './dom.js';

// Only where the page comes with a worker (the single file has none), and
// once the rules are in: on a slow link its copies would compete with them.
export function keepForOffline() {
  if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol) && document.querySelector('link[rel=manifest]')) {
    navigator.serviceWorker.register('sw.js').catch(() => { /* the page works without it, online */ });
  }
}

// A page whose worker a newer build replaced says so, with a button to reload.
export function watchForUpdates() {
  if (navigator.serviceWorker && navigator.serviceWorker.controller) {
    navigator.serviceWorker.addEventListener('controllerchange', () => { $('update').hidden = false; });
  }
  $('update-reload').addEventListener('click', () => location.reload());
}
