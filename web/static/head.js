// Runs in the page's head, before anything of the page is drawn. The page
// is kept out of sight until its script has set it up (its language written
// in, the keypad in place), so that it is laid out once, as it will stay,
// and an English reader never sees Russian first; should that script never
// run, the page shows itself after a while all the same.
'use strict';

(() => {
  // The language last chosen, else English for a browser that asks for it first.
  let language = null;
  try {
    language = localStorage.getItem('regalo-vespera.language');
  } catch (e) { /* storage may be off; the browser's language then */ }
  if (language !== 'ru' && language !== 'en') {
    language = /^en\b/i.test((navigator.languages && navigator.languages[0]) || navigator.language || '') ? 'en' : 'ru';
  }
  const root = document.documentElement;
  if (root.lang !== language) root.lang = language;
  root.dataset.starting = '';
  setTimeout(() => { delete root.dataset.starting; }, 3000);
})();
