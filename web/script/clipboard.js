// Puts text on the clipboard and says so.
import { $ } from './dom.js';
import { words } from './texts.js';

// `said` tells what was copied where it is not what the button names.
export async function copy(text, said = words().copied) {
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
  $('copied').textContent = said;
}
