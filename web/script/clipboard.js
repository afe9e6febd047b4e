// Puts text on the clipboard and says so.
import { $ } from './dom.js';
import { words } from './texts.js';

export async function copy(text) {
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
  $('copied').textContent = words().copied;
}
