// A phone's keypad of hexadecimal digits, arrows, an eraser and Enter (in
// the code field, the code translated), under the field that has the focus.
import { $, touch } from './dom.js';
import { fieldNumber, fields } from './draw.js';
import { act } from './events.js';
import { STATUS } from './boundary.js';
import { app } from './state.js';
import { words } from './texts.js';

export function buildKeypad() {
  const keypad = $('keypad');
  const keys = [...'0123456789ABCDEF'].map((k) => [k, k])
    .concat([['ArrowLeft', '←'], ['ArrowRight', '→'], ['Backspace', '⌫'], ['Enter', '⏎']]);
  for (const [key, caption] of keys) {
    const button = document.createElement('button');
    button.type = 'button';
    button.textContent = caption;
    button.dataset.key = key;
    // The arrows and the eraser say what they do.
    if (words()[key]) button.setAttribute('aria-label', words()[key]);
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
      app.page.keyDown(number, key, false, false, false);
      app.page.keyUp(number, key);
    };
  }));
}

// Under the field that has the focus, both in view; the phone's own
// keyboard stays back meanwhile.
export function showKeypad(field) {
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

export function hideKeypad(field) {
  $('keypad').hidden = true;
  field.removeAttribute('inputmode');
}
