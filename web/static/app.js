// The page's side of Regalo_Vespera: reads DOM events into calls on the
// compiled rules (Page) and draws what they say. No rule lives here.
'use strict';

(() => {
  // Inside another site's frame the page does nothing, so that no site can
  // have the user tick its boxes unawares.
  let framed = window.top !== window.self;
  try {
    framed = framed && window.top.location.origin !== location.origin;
  } catch (e) { /* another origin's top: framed indeed */ }
  if (framed) {
    document.documentElement.hidden = true;
    return;
  }
  const $ = (id) => document.getElementById(id);
  const STATUS = 1;
  const ERROR_CODE = 2;
  const BUILD = document.documentElement.dataset.build;
  // Read before the page is drawn by its head's script (head.js) too.
  const LANGUAGE_KEY = 'regalo-vespera.language';
  const RECENT_KEY = 'regalo-vespera.recent';
  const fields = { [STATUS]: $('MaskEdit1'), [ERROR_CODE]: $('MaskEdit2') };
  const fieldNumber = (element) => (element === fields[STATUS] ? STATUS : element === fields[ERROR_CODE] ? ERROR_CODE : 0);
  const touch = () => matchMedia('(pointer: coarse)').matches || navigator.maxTouchPoints > 0;

  let page;
  // What the page shows, as its rules last said it; at first, as it was written.
  let shown = { description: $('Label1').textContent, explanation: $('Explanation').textContent };
  let shownRecent = null;
  let addressTimer = 0;
  // Nothing is kept where the browser refuses storage.
  let storage = null;
  try {
    storage = window.localStorage;
    storage.getItem(RECENT_KEY);
  } catch (e) { storage = null; }
  const boxes = Array.from({ length: 48 }, (_, i) => $(`CheckBox${i + 1}`));
  // What the user does before the rules have arrived, done once they have.
  const waiting = [];

  // Both languages' texts come with the page, made from the program's tables when it was built.
  const allTexts = JSON.parse($('texts').textContent);

  // The controls' own texts are written into the page in Russian.
  function applyTexts(language) {
    const texts = allTexts[language];
    // The same language again would restyle every element for nothing.
    if (document.documentElement.lang !== language) document.documentElement.lang = language;
    document.title = texts.title;
    $('title').textContent = texts.title;
    const words = texts.page;
    for (const element of document.querySelectorAll('[data-text]')) element.textContent = words[element.dataset.text];
    $('copied').textContent = '';
    $('build').textContent = words.build.replace('%1', BUILD);
    if (!page) $('loading').textContent = document.body.dataset.failed ? words.failed : words.loading;
    for (const button of $('keypad').querySelectorAll('[data-key^=A], [data-key=Backspace]')) {
      if (words[button.dataset.key]) button.setAttribute('aria-label', words[button.dataset.key]);
    }
    shownRecent = null;
    $('lang-ru').setAttribute('aria-pressed', String(language === 'ru'));
    $('lang-en').setAttribute('aria-pressed', String(language === 'en'));
    for (const id of ['Label3', 'Label2', 'Button2']) $(id).textContent = texts[id];
    $('GroupBox7').querySelector('legend').textContent = texts.GroupBox7;
    texts.groups.forEach((caption, i) => { $(`GroupBox${i + 1}Caption`).textContent = caption; });
    texts.boxes.forEach((caption, i) => {
      const span = $(`CheckBox${i + 1}`).nextElementSibling;
      span.textContent = caption;
      if (texts.boxLanguages[i]) span.lang = texts.boxLanguages[i];
      else span.removeAttribute('lang');
    });
    [...$('ComboBox1').options].forEach((option, state) => { option.textContent = texts.states[state]; });
  }

  function render() {
    const view = page.view();
    for (const [number, name] of [[STATUS, 'status'], [ERROR_CODE, 'errorCode']]) {
      const field = fields[number];
      const state = view[name];
      if (field.value !== state.text) field.value = state.text;
      if (document.activeElement === field) field.setSelectionRange(state.start, state.end, state.backward ? 'backward' : 'forward');
    }
    // Against the boxes themselves: a click has already turned one the rules may turn back.
    for (let i = 0; i < 48; ++i) {
      const box = boxes[i];
      if (box.checked !== (view.boxes[i] === '1')) box.checked = !box.checked;
    }
    const list = $('ComboBox1');
    if (list.selectedIndex !== view.receiptState) list.selectedIndex = view.receiptState;
    if (view.description !== shown.description) $('Label1').textContent = view.description;
    if (view.explanation !== shown.explanation) $('Explanation').textContent = view.explanation;
    if ($('message').textContent !== view.message) $('message').textContent = view.message;
    // The address carries what is on screen, replacing the entry once the
    // user pauses: browsers throttle a replacement on every key.
    clearTimeout(addressTimer);
    addressTimer = setTimeout(() => {
      const link = shown.link ? `#${shown.link}` : '';
      if (location.hash !== link) history.replaceState(null, '', link || location.pathname + location.search);
    }, 200);
    drawRecent();
    shown = view;
  }

  // The recent lines and codes, each a button that brings it back; a status
  // line can be compared with the one on screen.
  function drawRecent() {
    const text = page.recentText();
    if (text === shownRecent) return;
    if (storage && shownRecent !== null) {
      try { storage.setItem(RECENT_KEY, text); } catch (e) { /* kept for this visit only */ }
    }
    shownRecent = text;
    const words = allTexts[language].page;
    const list = $('recent-list');
    list.replaceChildren();
    for (const { kind, value } of page.recent()) {
      const item = document.createElement('li');
      const restore = document.createElement('button');
      restore.type = 'button';
      restore.textContent = value;
      restore.dataset.kind = kind;
      item.append(restore);
      if (kind === 's') {
        const compare = document.createElement('button');
        compare.type = 'button';
        compare.textContent = words.compare;
        compare.dataset.compare = value;
        item.append(compare);
      }
      list.append(item);
    }
    $('clear-recent').hidden = text === '';
  }

  // A link's s= and e=, when the address names something other than what is shown.
  function fromAddress() {
    const fragment = location.hash.slice(1);
    if (!fragment || fragment === shown.link) return null;
    const parts = new URLSearchParams(fragment);
    return () => page.openLink(parts.get('s') || '', parts.get('e') || '');
  }

  // A paste arrives as the browser's own insertion, which the page takes over:
  // the paste itself is never refused.
  function pasted(number, text) {
    return () => {
      if (page.acceptsPaste(text.length)) page.paste(number, text);
    };
  }

  async function copy(text) {
    try {
      await navigator.clipboard.writeText(text);
    } catch (e) {
      // Where the clipboard API is refused, the browser's own copy of a selection.
      const area = document.createElement('textarea');
      area.value = text;
      document.body.append(area);
      area.select();
      document.execCommand('copy');
      area.remove();
    }
    $('copied').textContent = allTexts[language].page.copied;
  }

  // Reads an event now into the calls it stands for, runs them and draws.
  // Before the rules have arrived the calls wait for them, and the browser's
  // own action is held back.
  function act(read) {
    return (event) => {
      const call = read(event);
      if (!call) return;
      if (page) {
        call();
        render();
        return;
      }
      if (event.cancelable) event.preventDefault();
      waiting.push(call);
    };
  }

  function wireField(field) {
    const number = fieldNumber(field);
    field.addEventListener('keydown', (e) => {
      if (e.isComposing || e.key === 'Unidentified' || e.key === 'Process') return;
      const press = () => page.keyDown(number, e.key, e.shiftKey, e.ctrlKey || e.metaKey, e.altKey);
      if (!page) {
        if (e.key !== 'Tab') {
          e.preventDefault();
          waiting.push(press);
        }
        return;
      }
      if (press()) e.preventDefault();
      render();
    });
    field.addEventListener('keyup', act((e) => (e.isComposing ? null : () => page.keyUp(number, e.key))));
    // Phones send text, not keys.
    field.addEventListener('beforeinput', (e) => {
      if (!e.cancelable) return;
      e.preventDefault();
      act(() => {
        const data = e.data || '';
        if (e.inputType === 'insertText' || e.inputType === 'insertReplacementText') return () => page.type(number, data);
        if (e.inputType === 'deleteContentBackward') return () => page.keyDown(number, 'Backspace', false, false, false);
        if (e.inputType === 'deleteContentForward') return () => page.keyDown(number, 'Delete', false, false, false);
        // A text field's paste carries its text as data; a rich one's as a transfer.
        if (e.inputType === 'insertFromPaste' || e.inputType === 'insertFromDrop') {
          return pasted(number, e.dataTransfer ? e.dataTransfer.getData('text/plain') : data);
        }
        return null;
      })(e);
    });
    // What an input method changed without asking: taken as typed where it began.
    field.addEventListener('input', act(() => {
      const before = page ? shown[number === STATUS ? 'status' : 'errorCode'].text : field.defaultValue;
      const after = field.value;
      if (after === before) return null;
      field.value = before;
      let start = 0;
      while (start < before.length && start < after.length && before[start] === after[start]) ++start;
      let end = 0;
      while (end < before.length - start && end < after.length - start
             && before[before.length - 1 - end] === after[after.length - 1 - end]) ++end;
      const inserted = after.slice(start, after.length - end);
      return () => {
        page.select(number, start, start, true);
        if (inserted) page.type(number, inserted);
        else page.keyDown(number, 'Delete', false, false, false);
      };
    }));

    field.addEventListener('copy', (e) => {
      if (!page) return;
      e.preventDefault();
      e.clipboardData.setData('text/plain', page.copy(number));
    });
    field.addEventListener('cut', (e) => {
      e.preventDefault();
      if (!page) return;
      e.clipboardData.setData('text/plain', page.cut(number));
      render();
    });
    field.addEventListener('pointerup', act(() => {
      const backward = field.selectionDirection === 'backward';
      const [anchor, active] = backward ? [field.selectionEnd, field.selectionStart] : [field.selectionStart, field.selectionEnd];
      return () => page.select(number, anchor, active, true);
    }));
    field.addEventListener('focus', act((e) => {
      showKeypad(field);
      const fromAnotherControl = e.relatedTarget !== null;
      return () => page.focusEntered(number, fromAnotherControl);
    }));
    field.addEventListener('blur', (e) => {
      const next = e.relatedTarget;
      if (next && $('keypad').contains(next)) return;
      if (page && next && !page.mayLeave(number)) {
        field.focus();
        render();
        return;
      }
      hideKeypad(field);
      if (page) {
        page.focusLeft(number);
        render();
      }
    });
  }

  function buildKeypad() {
    const keypad = $('keypad');
    const keys = [...'0123456789ABCDEF'].map((k) => [k, k]).concat([['ArrowLeft', '←'], ['ArrowRight', '→'], ['Backspace', '⌫']]);
    for (const [key, caption] of keys) {
      const button = document.createElement('button');
      button.type = 'button';
      button.textContent = caption;
      button.dataset.key = key;
      // The arrows and the eraser say what they do.
      if (allTexts[language].page[key]) button.setAttribute('aria-label', allTexts[language].page[key]);
      keypad.append(button);
    }
    // The field keeps the focus, so the keys act where the caret is.
    keypad.addEventListener('pointerdown', (e) => e.preventDefault());
    keypad.addEventListener('click', act((e) => {
      const key = e.target.dataset && e.target.dataset.key;
      const number = fieldNumber(keypad.field);
      if (!key || !number) return null;
      keypad.field.focus();
      return () => {
        page.keyDown(number, key, false, false, false);
        page.keyUp(number, key);
      };
    }));
  }

  // Under the field that has the focus, both in view; the phone's own
  // keyboard stays back meanwhile.
  function showKeypad(field) {
    if (!touch()) return;
    const keypad = $('keypad');
    keypad.field = field;
    // Where it already is, as it is: nothing is laid out again for it.
    const place = field === fields[STATUS] ? $('top') : $('GroupBox7');
    if (keypad.parentElement !== place) place.append(keypad);
    if (keypad.hidden) keypad.hidden = false;
    if (field.inputMode !== 'none') field.inputMode = 'none';
    requestAnimationFrame(() => {
      keypad.scrollIntoView({ block: 'nearest' });
      field.scrollIntoView({ block: 'nearest' });
    });
  }

  function hideKeypad(field) {
    $('keypad').hidden = true;
    field.removeAttribute('inputmode');
  }

  // The rules' calls by name, and what each answers: a yes or no, text, or
  // JSON. Text goes as UTF-8, in which a lone surrogate is U+FFFD: one
  // character that is no letter or digit, not a half paired with the next.
  const CALLS = {
    start: null, keyDown: 'yes', keyUp: null, type: null, acceptsPaste: 'yes', paste: null, copy: 'text', cut: 'text',
    select: null, focusEntered: null, focusLeft: null, mayLeave: 'yes', setBox: null, chooseReceiptState: null,
    translate: null, setEnglish: null, open: 'yes', openLink: null, recentText: 'text', restoreRecent: null,
    clearRecent: null, recent: 'json', compare: 'text', view: 'json',
  };
  // The WebAssembly's exports: the page_ functions, malloc, free and its
  // memory, which may grow (and so get a new buffer) on any call.
  function bindRules(exports) {
    const encoder = new TextEncoder();
    const decoder = new TextDecoder();
    const memory = () => new Uint8Array(exports.memory.buffer);
    const text = (pointer) => {
      const bytes = memory();
      return decoder.decode(bytes.subarray(pointer, bytes.indexOf(0, pointer)));
    };
    const answers = { yes: (result) => result !== 0, text, json: (pointer) => JSON.parse(text(pointer)) };
    const rules = {};
    for (const [name, answer] of Object.entries(CALLS)) {
      rules[name] = (...args) => {
        const taken = [];
        const values = args.flatMap((arg) => {
          if (typeof arg !== 'string') return [arg];
          const bytes = encoder.encode(arg);
          const pointer = exports.malloc(bytes.length + 1);
          memory().set(bytes, pointer);
          taken.push(pointer);
          return [pointer, bytes.length];
        });
        try {
          const result = exports[`page_${name}`](...values);
          return answer ? answers[answer](result) : undefined;
        } finally {
          taken.forEach((pointer) => exports.free(pointer));
        }
      };
    }
    return rules;
  }

  function start(exports) {
    page = bindRules(exports);
    page.start(language === 'en');
    $('loading').textContent = '';
    if (storage) page.restoreRecent(storage.getItem(RECENT_KEY) || '');
    for (const call of waiting.splice(0)) call();
    const opened = fromAddress();
    if (opened) opened();
    render();
    document.body.dataset.rules = 'true';
    performance.mark('regalo-rules');
    keepForOffline();
  }

  // The page takes keys at once; the rules follow. It comes written in
  // Russian: another language is put in before anything else.
  // Chosen in the page's head (head.js).
  let language = document.documentElement.lang === 'en' ? 'en' : 'ru';
  if (language !== 'ru') applyTexts(language);
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
    return () => page.setBox(number, checked);
  }));
  $('ComboBox1').addEventListener('change', act((e) => {
    const state = e.target.selectedIndex;
    return () => page.chooseReceiptState(state);
  }));
  $('Button2').addEventListener('click', act(() => () => page.translate()));
  window.addEventListener('hashchange', act(fromAddress));
  $('copy').addEventListener('click', () => copy(shown.explanation || $('Explanation').textContent));
  $('copy-link').addEventListener('click', () => copy(location.href));
  if (navigator.share) {
    $('share').hidden = false;
    $('share').addEventListener('click', () => navigator.share({ title: document.title, text: shown.explanation, url: location.href })
      .catch(() => { /* the user closed the share sheet */ }));
  }
  $('no-storage').hidden = storage !== null;
  $('recent-list').addEventListener('click', act((e) => {
    const target = e.target;
    if (target.dataset.compare) return () => { $('comparison').textContent = page.compare(target.dataset.compare); };
    if (!target.dataset.kind) return null;
    const value = target.textContent;
    return () => page.open(target.dataset.kind === 's' ? value : '', target.dataset.kind === 'e' ? value : '');
  }));
  $('clear-recent').addEventListener('click', act(() => () => {
    page.clearRecent();
    $('comparison').textContent = '';
  }));
  for (const choice of ['ru', 'en']) {
    $(`lang-${choice}`).addEventListener('click', act(() => {
      language = choice;
      try { localStorage.setItem(LANGUAGE_KEY, choice); } catch (e) { /* remembered for this visit only */ }
      applyTexts(choice);
      return () => page.setEnglish(choice === 'en');
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

  // Only where the page comes with a worker (the single file has none), and
  // once the rules are in: on a slow link its copies would compete with them.
  function keepForOffline() {
    if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol) && document.querySelector('link[rel=manifest]')) {
      navigator.serviceWorker.register('sw.js').catch(() => { /* the page works without it, online */ });
    }
  }
  // A page whose worker a newer build replaced says so, with a button to reload.
  if (navigator.serviceWorker && navigator.serviceWorker.controller) {
    navigator.serviceWorker.addEventListener('controllerchange', () => { $('update').hidden = false; });
  }
  $('update-reload').addEventListener('click', () => location.reload());

  // Without its rules the page looks whole but could answer nothing: it says so, and how to mend it.
  function failed() {
    waiting.length = 0;
    // At the top, where the page said it was getting ready.
    $('loading').textContent = allTexts[language].page.failed;
    $('loading').className = 'failed';
    document.body.dataset.failed = 'true';
  }
  // After this script comes the WebAssembly, in blocks of text. Each block
  // is read as soon as the parser has it, and the rules start as soon as the
  // last is in: a busy phone has little left to do once the page has arrived.
  // A character below U+0400 is its low byte (the build moved the three the
  // HTML parser would alter up by 256); a Cyrillic letter is its two bytes of
  // UTF-8. A block's UTF-8 is written at native speed and a small
  // WebAssembly routine (Unpack.wat) folds it back; where the browser
  // compiles nothing at once, this script reads it a character at a time.
  const UNPACKER = '@UNPACKER@';
  const fromText = (text) => {
    const bytes = new Uint8Array(2 * text.length);
    let size = 0;
    for (let i = 0; i < text.length; ++i) {
      const c = text.charCodeAt(i);
      if (c < 0x400) bytes[size++] = c;
      else {
        bytes[size++] = 0xc0 | (c >> 6);
        bytes[size++] = 0x80 | (c & 0x3f);
      }
    }
    return bytes.subarray(0, size);
  };
  function blockReader() {
    let unpack;
    try {
      unpack = new WebAssembly.Instance(new WebAssembly.Module(Uint8Array.from(atob(UNPACKER), (c) => c.charCodeAt(0)))).exports;
    } catch (e) {
      // Read at the end, a character at a time.
      const texts = [];
      return { add: (text) => texts.push(text), bytes: () => fromText(texts.join('')) };
    }
    const encoder = new TextEncoder();
    let size = 0;
    return {
      add(text) {
        // Two bytes a character at most, after what is read so far.
        const short = size + 2 * text.length - unpack.memory.buffer.byteLength;
        if (short > 0) unpack.memory.grow(Math.ceil(short / 65536));
        size = unpack.unpack(size, size + encoder.encodeInto(text, new Uint8Array(unpack.memory.buffer, size)).written);
      },
      // Compiling takes a copy of them.
      bytes: () => new Uint8Array(unpack.memory.buffer, 0, size),
    };
  }
  function readRules() {
    const blocks = document.getElementsByClassName('rules');
    const reader = blockReader();
    let read = 0;
    // Whatever the parser puts after a block says that the block is whole;
    // the end of the page says it of every block there is.
    const readBlocks = (pageRead) => {
      while (read < blocks.length && (pageRead || blocks[read].nextSibling)) reader.add(blocks[read++].textContent);
      if (!pageRead && !(read && 'last' in blocks[read - 1].dataset)) return;
      blocksRead.disconnect();
      document.removeEventListener('DOMContentLoaded', atEnd);
      startRules(reader.bytes());
    };
    const atEnd = () => readBlocks(true);
    const blocksRead = new MutationObserver(() => readBlocks(false));
    blocksRead.observe(document.body, { childList: true });
    document.addEventListener('DOMContentLoaded', atEnd);
  }
  // What the WebAssembly asks of its host: to be told when its memory grew
  // (the page takes a new view of it on every call), and to stop.
  const imports = {
    env: { emscripten_notify_memory_growth: () => {} },
    wasi_snapshot_preview1: { proc_exit: (code) => { throw new Error(`the rules stopped (${code})`); } },
  };
  // Compiled and instantiated at once where the browser allows it: on a busy
  // phone the asynchronous calls wait behind the page's own work.
  function startRules(bytes) {
    let compiled;
    try {
      compiled = Promise.resolve(new WebAssembly.Module(bytes));
    } catch (e) {
      compiled = WebAssembly.compile(bytes);
    }
    compiled.then((module) => {
      try {
        return new WebAssembly.Instance(module, imports);
      } catch (e) {
        return WebAssembly.instantiate(module, imports);
      }
    }).then(({ exports }) => {
      exports._initialize();
      return exports;
    }).then(start, failed);
  }
  if (typeof WebAssembly !== 'object') failed();
  else readRules();
})();
