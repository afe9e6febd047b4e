// What the page's script keeps between events; everything it shows comes
// from the rules.
import { $ } from './dom.js';

// Read before the page is drawn by its head's script (head.js) too.
export const LANGUAGE_KEY = 'regalo-vespera.language';

export const app = {
  // The rules' calls, once they have arrived.
  page: null,
  // Chosen in the page's head (head.js).
  language: document.documentElement.lang === 'en' ? 'en' : 'ru',
  // What the page shows, as its rules last said it; at first, as it was written.
  shown: { description: $('Label1').textContent, explanation: $('Explanation').textContent },
  // What the user does before the rules have arrived, done once they have.
  waiting: [],
};
