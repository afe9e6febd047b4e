// The recent lines and codes, each a button that brings it back; a status
// line can be compared with the one on screen. Kept between visits where
// the browser allows storage.
import { $ } from './dom.js';
import { app } from './state.js';
import { words } from './texts.js';

const RECENT_KEY = 'regalo-vespera.recent';
// Nothing is kept where the browser refuses storage.
export let storage = null;
try {
  storage = window.localStorage;
  storage.getItem(RECENT_KEY);
} catch (e) { storage = null; }

let drawn = null;
let saved = null;

// What the rules start with: the recent ones of the last visit.
export function storedRecent() {
  saved = storage ? storage.getItem(RECENT_KEY) || '' : '';
  return saved;
}

// Kept for the next visit whenever they changed.
export function saveRecent() {
  const text = app.page.recentText();
  if (text === saved || !storage) return;
  saved = text;
  try { storage.setItem(RECENT_KEY, text); } catch (e) { /* kept for this visit only */ }
}

// Drawn again in the other language.
export function redrawRecent() {
  drawn = null;
}

export function drawRecent() {
  const text = app.page.recentText();
  if (text === drawn) return;
  drawn = text;
  const list = $('recent-list');
  list.replaceChildren();
  for (const { kind, value, time } of app.page.recent()) {
    const item = document.createElement('li');
    const restore = document.createElement('button');
    restore.type = 'button';
    restore.textContent = value;
    restore.dataset.kind = kind;
    item.append(restore);
    if (time) {
      const taken = document.createElement('time');
      taken.textContent = time;
      item.append(' ', taken);
    }
    if (kind === 's') {
      const compare = document.createElement('button');
      compare.type = 'button';
      compare.textContent = words().compare;
      compare.dataset.compare = value;
      item.append(compare);
    }
    list.append(item);
  }
  $('clear-recent').hidden = text === '';
}
