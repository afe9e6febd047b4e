// The two entry fields: every key, text, paste, selection and focus change
// goes to the rules, which the field then shows.
import { STATUS } from './boundary.js';
import { $ } from './dom.js';
import { fieldNumber } from './draw.js';
import { act, settle, tick } from './events.js';
import { hideKeypad, showKeypad } from './keypad.js';
import { app } from './state.js';

// A paste arrives as the browser's own insertion, which the page takes over:
// the paste itself is never refused.
function pasted(number, text) {
  return () => {
    if (app.page.acceptsPaste(text.length)) app.page.paste(number, text);
  };
}

export function wireField(field) {
  const number = fieldNumber(field);
  field.addEventListener('keydown', (e) => {
    if (e.isComposing || e.key === 'Unidentified' || e.key === 'Process') return;
    const press = () => app.page.keyDown(number, e.key, e.shiftKey, e.ctrlKey || e.metaKey, e.altKey);
    if (!app.page) {
      if (e.key !== 'Tab') {
        e.preventDefault();
        app.waiting.push(press);
      }
      return;
    }
    tick();
    if (press()) e.preventDefault();
    settle();
  });
  field.addEventListener('keyup', act((e) => (e.isComposing ? null : () => app.page.keyUp(number, e.key))));
  // Phones send text, not keys.
  field.addEventListener('beforeinput', (e) => {
    if (!e.cancelable) return;
    e.preventDefault();
    act(() => {
      const data = e.data || '';
      if (e.inputType === 'insertText' || e.inputType === 'insertReplacementText') return () => app.page.type(number, data);
      if (e.inputType === 'deleteContentBackward') return () => app.page.keyDown(number, 'Backspace', false, false, false);
      if (e.inputType === 'deleteContentForward') return () => app.page.keyDown(number, 'Delete', false, false, false);
      // A text field's paste carries its text as data; a rich one's as a transfer.
      if (e.inputType === 'insertFromPaste' || e.inputType === 'insertFromDrop') {
        return pasted(number, e.dataTransfer ? e.dataTransfer.getData('text/plain') : data);
      }
      return null;
    })(e);
  });
  // What an input method changed without asking: taken as typed where it began.
  field.addEventListener('input', act(() => {
    const before = app.page ? app.shown[number === STATUS ? 'status' : 'errorCode'].text : field.defaultValue;
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
      app.page.select(number, start, start, true);
      if (inserted) app.page.type(number, inserted);
      else app.page.keyDown(number, 'Delete', false, false, false);
    };
  }));

  field.addEventListener('copy', (e) => {
    if (!app.page) return;
    e.preventDefault();
    e.clipboardData.setData('text/plain', app.page.copy(number));
  });
  field.addEventListener('cut', (e) => {
    e.preventDefault();
    if (!app.page) return;
    e.clipboardData.setData('text/plain', app.page.cut(number));
    settle();
  });
  field.addEventListener('pointerup', act(() => {
    const backward = field.selectionDirection === 'backward';
    const [anchor, active] = backward ? [field.selectionEnd, field.selectionStart] : [field.selectionStart, field.selectionEnd];
    return () => app.page.select(number, anchor, active, true);
  }));
  field.addEventListener('focus', act((e) => {
    showKeypad(field);
    const fromAnotherControl = e.relatedTarget !== null;
    return () => app.page.focusEntered(number, fromAnotherControl);
  }));
  field.addEventListener('blur', (e) => {
    const next = e.relatedTarget;
    if (next && $('keypad').contains(next)) return;
    if (app.page && next && !app.page.mayLeave(number)) {
      field.focus();
      settle();
      return;
    }
    hideKeypad(field);
    if (app.page) {
      tick();
      app.page.focusLeft(number);
      settle();
    }
  });
}
