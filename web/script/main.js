// The page's side of Regalo_Vespera: reads DOM events into calls on the
// compiled rules and draws what they say. No rule lives here. The page
// takes keys at once; the rules follow.
import { bindRules } from './bindRules.js';
import { BOUNDARY, ERROR_CODE, STATUS } from './boundary.js';
import { copy } from './clipboard.js';
import { $ } from './dom.js';
import { fields, keepAddress } from './draw.js';
import { act, settle, tick } from './events.js';
import { wireField } from './fields.js';
import { framedByAnotherSite } from './guard.js';
import { buildKeypad, showKeypad } from './keypad.js';
import { redrawLog, wireLog } from './log.js';
import { keepForOffline, watchForUpdates } from './offline.js';
import { redrawRecent, storage, storedRecent } from './recent.js';
import { app, LANGUAGE_KEY } from './state.js';
import { allTexts, applyTexts, words } from './texts.js';
import { readRules } from './unpack.js';

// A link's s= and e=, when the address names something other than what is
// shown: after # as the page writes them, or as a query (?s=…&e=…), which
// some messengers and mail programs make of it.
function fromAddress() {
  const fragment = location.hash.slice(1);
  const query = new URLSearchParams(location.search);
  const asked = fragment || (query.has('s') || query.has('e') ? location.search.slice(1) : '');
  if (!asked || asked === app.shown.link) return null;
  const parts = new URLSearchParams(asked);
  return () => {
    app.page.openLink(parts.get('s') || '', parts.get('e') || '');
    keepAddress();
  };
}

function start(exports) {
  app.page = bindRules(exports, BOUNDARY.calls);
  app.page.start(app.language === 'en');
  $('loading').textContent = '';
  app.page.restoreRecent(storedRecent());
  tick();
  for (const call of app.waiting.splice(0)) call();
  const opened = fromAddress();
  if (opened) opened();
  settle();
  document.body.dataset.rules = 'true';
  performance.mark('regalo-rules');
  keepForOffline();
}

// Without its rules the page looks whole but could answer nothing: it says so, and how to mend it.
function failed() {
  app.waiting.length = 0;
  // At the top, where the page said it was getting ready.
  $('loading').textContent = allTexts[app.language].page.failed;
  $('loading').className = 'failed';
  document.body.dataset.failed = 'true';
}

export function main() {
  if (framedByAnotherSite()) {
    document.documentElement.hidden = true;
    return;
  }
  // It comes written in Russian: another language is put in before anything else.
  if (app.language !== 'ru') applyTexts(app.language);
  buildKeypad();
  // A control that takes the focus is never hidden under the sticky status
  // strip: the page scrolls it clear of what the strip covers. (Set as the
  // property itself: a custom property on the root would restyle every element.)
  new ResizeObserver(() => {
    const sticky = getComputedStyle($('top')).position === 'sticky';
    document.documentElement.style.scrollPaddingTop = `${sticky ? $('top').offsetHeight + 4 : 0}px`;
  }).observe($('top'));
  wireField(fields[STATUS]);
  wireField(fields[ERROR_CODE]);
  $('panels').addEventListener('click', act((e) => {
    if (e.target.type !== 'checkbox') return null;
    const number = Number(e.target.dataset.number);
    const checked = e.target.checked;
    return () => app.page.setBox(number, checked);
  }));
  $('ComboBox1').addEventListener('change', act((e) => {
    const state = e.target.selectedIndex;
    return () => app.page.chooseReceiptState(state);
  }));
  $('Button2').addEventListener('click', act(() => () => app.page.translate()));
  window.addEventListener('hashchange', act(fromAddress));
  // What is copied or shared is what the rules say can be: with nothing
  // read, nothing, and the message line says why.
  const explanation = () => {
    if (!app.page) return '';
    const text = app.page.explanationToCopy();
    settle();
    return text;
  };
  $('copy').addEventListener('click', () => {
    const text = explanation();
    if (text) copy(text);
  });
  $('copy-link').addEventListener('click', () => {
    // A page opened from a file has no address anyone else can open: the
    // words go instead, or a link to the page where the build knows its home.
    if (location.protocol !== 'file:') copy(location.href);
    else if (document.documentElement.dataset.home) copy(`${document.documentElement.dataset.home}${location.hash}`);
    else {
      const text = explanation();
      if (text) copy(text, words().noAddress);
    }
  });
  $('copy-comparison').addEventListener('click', () => copy($('comparison').textContent));
  if (navigator.share) {
    $('share').hidden = false;
    $('share').addEventListener('click', () => {
      const text = explanation();
      if (text) navigator.share({ title: document.title, text, url: location.href }).catch(() => { /* the user closed the share sheet */ });
    });
  }
  $('no-storage').hidden = storage !== null;
  wireLog();
  $('recent-list').addEventListener('click', act((e) => {
    const target = e.target;
    if (target.dataset.compare) {
      return () => {
        $('comparison').textContent = app.page.compare(target.dataset.compare);
        $('copy-comparison').hidden = $('comparison').textContent === '';
      };
    }
    if (!target.dataset.kind) return null;
    const value = target.textContent;
    return () => app.page.open(target.dataset.kind === 's' ? value : '', target.dataset.kind === 'e' ? value : '');
  }));
  $('clear-recent').addEventListener('click', act(() => () => {
    app.page.clearRecent();
    $('comparison').textContent = '';
    $('copy-comparison').hidden = true;
  }));
  for (const choice of ['ru', 'en']) {
    $(`lang-${choice}`).addEventListener('click', act(() => {
      app.language = choice;
      try { localStorage.setItem(LANGUAGE_KEY, choice); } catch (e) { /* remembered for this visit only */ }
      applyTexts(choice);
      redrawRecent();
      redrawLog();
      return () => app.page.setEnglish(choice === 'en');
    }));
  }
  // On a touch screen the keypad is there before the field takes the focus,
  // so that the page is laid out once, with it.
  showKeypad(fields[STATUS]);
  // Set up: the page, kept out of sight till now (head.js), is laid out once.
  delete document.documentElement.dataset.starting;
  fields[STATUS].focus();
  document.body.dataset.ready = 'true';
  performance.mark('regalo-ready');
  watchForUpdates();
  readRules(start, failed);
}
