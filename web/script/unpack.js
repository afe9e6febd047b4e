// After the page's script come the rules, the WebAssembly, in blocks of
// text (wasmText.js). Each block is read as soon as the parser has it, and
// the rules start as soon as the last is in: a busy phone has little left
// to do once the page has arrived. A block's UTF-8 is written at native
// speed and a small WebAssembly routine (Unpack.wat) folds it back.
import { rulesImports } from './rulesImports.js';
import { decodeWasmText } from './wasmText.js';

const UNPACKER = '@UNPACKER@';

function blockReader() {
  let unpack;
  try {
    unpack = new WebAssembly.Instance(new WebAssembly.Module(Uint8Array.from(atob(UNPACKER), (c) => c.charCodeAt(0)))).exports;
  } catch (e) {
    // Where the browser compiles nothing at once: read at the end, a character at a time.
    const texts = [];
    return { add: (text) => texts.push(text), bytes: () => decodeWasmText(texts.join('')) };
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

// Compiled and instantiated at once where the browser allows it: on a busy
// phone the asynchronous calls wait behind the page's own work.
function startRules(bytes, started, failed) {
  let compiled;
  try {
    compiled = Promise.resolve(new WebAssembly.Module(bytes));
  } catch (e) {
    compiled = WebAssembly.compile(bytes);
  }
  compiled.then((module) => {
    try {
      return new WebAssembly.Instance(module, rulesImports);
    } catch (e) {
      return WebAssembly.instantiate(module, rulesImports);
    }
  }).then(({ exports }) => {
    exports._initialize();
    return exports;
  }).then(started, failed);
}

// The module's exports to `started`, or `failed` without them.
export function readRules(started, failed) {
  if (typeof WebAssembly !== 'object') {
    failed();
    return;
  }
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
    startRules(reader.bytes(), started, failed);
  };
  const atEnd = () => readBlocks(true);
  const blocksRead = new MutationObserver(() => readBlocks(false));
  blocksRead.observe(document.body, { childList: true });
  document.addEventListener('DOMContentLoaded', atEnd);
}
