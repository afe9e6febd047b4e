// The page's side of Regalo_Vespera: reads DOM events into calls on the
// compiled rules (Page) and draws what they say. No rule lives here.
'use strict';

(() => {
  const $ = (id) => document.getElementById(id);
  const STATUS = 1;
  const ERROR_CODE = 2;
  const LANGUAGE_KEY = 'regalo-vespera.language';
  const fields = { [STATUS]: $('MaskEdit1'), [ERROR_CODE]: $('MaskEdit2') };
  const fieldNumber = (element) => (element === fields[STATUS] ? STATUS : element === fields[ERROR_CODE] ? ERROR_CODE : 0);
  const touch = () => matchMedia('(pointer: coarse)').matches || navigator.maxTouchPoints > 0;

  let module;
  let page;
  let shown = {};
  let boxes = [];

  function storedLanguage() {
    try {
      const stored = localStorage.getItem(LANGUAGE_KEY);
      if (stored === 'ru' || stored === 'en') return stored;
    } catch (e) { /* storage may be off; the browser's language then */ }
    return /^en\b/i.test((navigator.languages && navigator.languages[0]) || navigator.language || '') ? 'en' : 'ru';
  }

  function buildPanels(texts) {
    const panels = $('panels');
    texts.groupBytes.forEach((byteIndex, i) => {
      const number = i + 1;
      const group = document.createElement('fieldset');
      group.id = `GroupBox${number}`;
      const legend = document.createElement('legend');
      legend.id = `GroupBox${number}Caption`;
      group.append(legend);
      const content = document.createElement('div');
      content.className = 'content';
      const boxes = document.createElement('div');
      boxes.className = 'boxes';
      for (let bit = 0; bit < 8; ++bit) {
        const boxNumber = i * 8 + bit + 1;
        const label = document.createElement('label');
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.id = `CheckBox${boxNumber}`;
        box.dataset.number = boxNumber;
        label.append(box, document.createElement('span'));
        boxes.append(label);
      }
      content.append(boxes);
      if (byteIndex === 2) {
        const list = document.createElement('select');
        list.id = 'ComboBox1';
        list.setAttribute('aria-labelledby', legend.id);
        for (let state = 0; state < 16; ++state) list.append(document.createElement('option'));
        content.append(list);
      }
      group.append(content);
      panels.append(group);
    });
  }

  function applyTexts(language) {
    const texts = module.texts(language === 'en');
    document.documentElement.lang = language;
    document.title = texts.title;
    $('title').textContent = texts.title;
    for (const id of ['Label3', 'Label2', 'Button2']) $(id).textContent = texts[id];
    $('GroupBox7').querySelector('legend').textContent = texts.GroupBox7;
    texts.groups.forEach((caption, i) => { $(`GroupBox${i + 1}Caption`).textContent = caption; });
    texts.boxes.forEach((caption, i) => { $(`CheckBox${i + 1}`).nextElementSibling.textContent = caption; });
    [...$('ComboBox1').options].forEach((option, state) => { option.textContent = texts.states[state]; });
    $('lang-ru').setAttribute('aria-pressed', String(language === 'ru'));
    $('lang-en').setAttribute('aria-pressed', String(language === 'en'));
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
    $('message').textContent = view.message;
    shown = view;
  }

  // Runs one event's calls, then draws once.
  const act = (calls) => (event) => { calls(event); render(); };

  function wireField(field) {
    const number = fieldNumber(field);
    field.addEventListener('keydown', (e) => {
      if (e.isComposing || e.key === 'Unidentified' || e.key === 'Process') return;
      // AltGr arrives as Ctrl+Alt: a character, not a command.
      const command = (e.ctrlKey || e.metaKey) && !e.altKey;
      if (page.keyDown(number, e.key, e.shiftKey, command)) e.preventDefault();
      render();
    });
    field.addEventListener('keyup', act((e) => { if (!e.isComposing) page.keyUp(number, e.key); }));
    // Phones send text, not keys.
    field.addEventListener('beforeinput', (e) => {
      if (!e.cancelable) return;
      e.preventDefault();
      if (e.inputType === 'insertText' || e.inputType === 'insertReplacementText') page.type(number, e.data || '');
      else if (e.inputType === 'deleteContentBackward') page.keyDown(number, 'Backspace', false, false);
      else if (e.inputType === 'deleteContentForward') page.keyDown(number, 'Delete', false, false);
      render();
    });
    // What an input method changed without asking: taken as typed where it began.
    field.addEventListener('input', () => {
      const before = shown[number === STATUS ? 'status' : 'errorCode'].text;
      const after = field.value;
      if (after === before) return;
      let start = 0;
      while (start < before.length && start < after.length && before[start] === after[start]) ++start;
      let end = 0;
      while (end < before.length - start && end < after.length - start
             && before[before.length - 1 - end] === after[after.length - 1 - end]) ++end;
      const inserted = after.slice(start, after.length - end);
      page.select(number, start, start, true);
      if (inserted) page.type(number, inserted);
      else page.keyDown(number, 'Delete', false, false);
      render();
    });
    field.addEventListener('paste', act((e) => { e.preventDefault(); page.paste(number, e.clipboardData.getData('text/plain')); }));
    field.addEventListener('copy', (e) => { e.preventDefault(); e.clipboardData.setData('text/plain', page.copy(number)); });
    field.addEventListener('cut', act((e) => { e.preventDefault(); e.clipboardData.setData('text/plain', page.cut(number)); }));
    field.addEventListener('pointerup', act(() => {
      const backward = field.selectionDirection === 'backward';
      const [anchor, active] = backward ? [field.selectionEnd, field.selectionStart] : [field.selectionStart, field.selectionEnd];
      page.select(number, anchor, active, true);
    }));
    field.addEventListener('focus', act((e) => { page.focusEntered(number, e.relatedTarget !== null); showKeypad(field); }));
    field.addEventListener('blur', (e) => {
      const next = e.relatedTarget;
      if (next && !$('keypad').contains(next) && next.closest('body') && !page.mayLeave(number)) {
        field.focus();
      }
      render();
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
      if (key.length > 1) button.setAttribute('aria-label', key);
      keypad.append(button);
    }
    // The field keeps the focus, so the keys act where the caret is.
    keypad.addEventListener('pointerdown', (e) => e.preventDefault());
    keypad.addEventListener('click', (e) => {
      const key = e.target.dataset && e.target.dataset.key;
      const number = fieldNumber(keypad.field);
      if (!key || !number) return;
      page.keyDown(number, key, false, false);
      page.keyUp(number, key);
      render();
      keypad.field.focus();
    });
  }

  function showKeypad(field) {
    if (!touch()) return;
    const keypad = $('keypad');
    keypad.field = field;
    (field === fields[STATUS] ? $('top') : $('GroupBox7')).append(keypad);
    keypad.hidden = false;
  }

  function start(loaded) {
    module = loaded;
    let language = storedLanguage();
    page = new module.Page(language === 'en');
    buildPanels(module.texts(false));
    boxes = Array.from({ length: 48 }, (_, i) => $(`CheckBox${i + 1}`));
    applyTexts(language);
    buildKeypad();
    wireField(fields[STATUS]);
    wireField(fields[ERROR_CODE]);
    $('panels').addEventListener('click', (e) => {
      if (e.target.type === 'checkbox') {
        page.setBox(Number(e.target.dataset.number), e.target.checked);
        render();
      }
    });
    $('ComboBox1').addEventListener('change', act((e) => page.chooseReceiptState(e.target.selectedIndex)));
    $('Button2').addEventListener('click', act(() => page.translate()));
    for (const choice of ['ru', 'en']) {
      $(`lang-${choice}`).addEventListener('click', act(() => {
        language = choice;
        try { localStorage.setItem(LANGUAGE_KEY, choice); } catch (e) { /* remembered for this visit only */ }
        page.setEnglish(choice === 'en');
        applyTexts(choice);
      }));
    }
    render();
    fields[STATUS].focus();
    document.body.dataset.ready = 'true';
    performance.mark('regalo-ready');
  }

  if ('serviceWorker' in navigator && /^https?:$/.test(location.protocol)) {
    navigator.serviceWorker.register('sw.js').catch(() => { /* the page works without it, online */ });
  }
  RegaloModule().then(start);
})();
