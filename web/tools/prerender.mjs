// The page's controls written into index.html when it is built, in Russian
// and in the start state the rules give, so that the page is drawn and
// takes keys before its WebAssembly has arrived. The texts of both languages
// go along as data for the language switch.
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { join } from 'node:path';

const escape = (text) => String(text).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);

export async function prerender(moduleDir) {
  // Handed the WebAssembly: this module would fetch() it, which node does not do for files.
  const factory = createRequire(import.meta.url)(join(moduleDir, 'regalo_web_node.js'));
  const module = await factory({ wasmBinary: readFileSync(join(moduleDir, 'regalo_web_node.wasm')) });
  const answer = (pointer) => JSON.parse(module.UTF8ToString(pointer));
  const ru = answer(module._page_texts(false));
  const en = answer(module._page_texts(true));
  module._page_start(false);
  const view = answer(module._page_view());
  const groups = answer(module._page_controls()).map((group) => {
    const boxes = group.boxes.map((box) => {
      const checked = view.boxes[box - 1] === '1' ? ' checked' : '';
      const lang = ru.boxLanguages[box - 1] ? ` lang="${ru.boxLanguages[box - 1]}"` : '';
      return `<label><input type="checkbox" id="CheckBox${box}" data-number="${box}"${checked}><span${lang}>${escape(ru.boxes[box - 1])}</span></label>`;
    }).join('\n');
    const number = group.number;
    const list = group.hasReceiptState
      ? `<select id="ComboBox1" aria-labelledby="GroupBox${number}Caption">${ru.states.map((state, n) =>
        `<option${n === view.receiptState ? ' selected' : ''}>${escape(state)}</option>`).join('')}</select>`
      : '';
    return `<fieldset id="GroupBox${number}"><legend id="GroupBox${number}Caption">${escape(ru.groups[number - 1])}</legend>`
      + `<div class="content"><div class="boxes">\n${boxes}\n</div>${list}</div></fieldset>`;
  });
  // A JSON block is data, never run; "<" is escaped so that nothing in it can end it.
  const texts = JSON.stringify({ ru, en }).replace(/</g, '\\u003c');
  return {
    TITLE: escape(ru.title), LABEL3: escape(ru.Label3), GROUPBOX7: escape(ru.GroupBox7), LABEL2: escape(ru.Label2),
    BUTTON2: escape(ru.Button2), STATUS: escape(view.status.text), ERRORCODE: escape(view.errorCode.text),
    EXPLANATION: escape(view.explanation),
    PANELS: groups.join('\n'), TEXTS: texts, boundary: answer(module._page_boundary()),
  };
}
