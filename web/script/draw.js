// Draws what the rules say the page shows, whole, after every call.
import { BOUNDARY, ERROR_CODE, STATUS } from './boundary.js';
import { $ } from './dom.js';
import { drawRecent } from './recent.js';
import { app } from './state.js';

export const fields = { [STATUS]: $('MaskEdit1'), [ERROR_CODE]: $('MaskEdit2') };
export const fieldNumber = (element) => (element === fields[STATUS] ? STATUS : element === fields[ERROR_CODE] ? ERROR_CODE : 0);
const boxes = Array.from({ length: BOUNDARY.boxes }, (_, i) => $(`CheckBox${i + 1}`));
let addressTimer = 0;
// The address as the user received it, kept while the fields show what it
// opened: the link is theirs until they change a field.
let received = null;

let keepNext = false;

// The address that opened the fields stays as it is.
export function keepAddress() {
  keepNext = true;
}

export function render() {
  const view = app.page.view();
  for (const [number, name] of [[STATUS, 'status'], [ERROR_CODE, 'errorCode']]) {
    const field = fields[number];
    const state = view[name];
    if (field.value !== state.text) field.value = state.text;
    if (document.activeElement === field) field.setSelectionRange(state.start, state.end, state.backward ? 'backward' : 'forward');
  }
  // Against the boxes themselves: a click has already turned one the rules may turn back.
  boxes.forEach((box, i) => {
    if (box.checked !== (view.boxes[i] === '1')) box.checked = !box.checked;
  });
  const list = $('ComboBox1');
  if (list.selectedIndex !== view.receiptState) list.selectedIndex = view.receiptState;
  if (view.description !== app.shown.description) $('Label1').textContent = view.description;
  if (view.explanation !== app.shown.explanation) $('Explanation').textContent = view.explanation;
  if ($('message').textContent !== view.message) $('message').textContent = view.message;
  // Then the address carries what is on screen, replacing the entry once
  // the user pauses: browsers throttle a replacement on every key.
  if (keepNext) [received, keepNext] = [view.link, false];
  else if (received !== null && view.link !== received) received = null;
  clearTimeout(addressTimer);
  if (received === null) {
    addressTimer = setTimeout(() => {
      const link = app.shown.link ? `#${app.shown.link}` : '';
      if (location.hash !== link || location.search) history.replaceState(null, '', location.pathname + link);
    }, 200);
  }
  drawRecent();
  app.shown = view;
}
