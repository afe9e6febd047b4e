// The page's language, chosen before anything of the page is drawn: the one
// last chosen, else English for a browser that asks for it first. The page
// comes written in Russian; another language is kept out of sight until the
// page's script has written it in, so that nothing is laid out twice and no
// Russian shows first.
'use strict';

(() => {
  let language = null;
  try {
    language = localStorage.getItem('regalo-vespera.language');
  } catch (e) { /* storage may be off; the browser's language then */ }
  if (language !== 'ru' && language !== 'en') {
    language = /^en\b/i.test((navigator.languages && navigator.languages[0]) || navigator.language || '') ? 'en' : 'ru';
  }
  if (language !== 'ru') {
    document.documentElement.lang = language;
    document.documentElement.dataset.writing = '';
  }
})();
