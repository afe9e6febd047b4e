// What the log view keeps between events: which log is on show and how far
// it is read; everything it shows comes from the log's rules.
import { app } from './state.js';

export const shownLog = {
  id: 0, // the log on show; answers about another are dropped
  name: '',
  read: 0,
  found: 0,
  shown: 0,
  done: false,
  failed: '',
  changesOnly: true,
  filter: null, // [what, which] as the boundary numbers them
  opened: -1, // the row whose reading went into the fields
};

export const inEnglish = () => app.language === 'en';
