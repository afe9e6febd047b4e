// The page's WebAssembly-as-text, round trip: what the build writes
// (encodeWasmText) reads back to the same bytes through the page's
// unpacking routine (Unpack.wat) and through its fallback (decodeWasmText).
//   node wasmText.mjs     (skipped, 77, where scripts/web has not built the module)
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { decodeWasmText, encodeWasmText } from '../script/wasmText.js';
import { projectRoot } from '../tools/browser.mjs';

const moduleDir = join(process.env.WEB_BUILD_DIR || join(projectRoot, 'build-web'), 'web');
if (!existsSync(join(moduleDir, 'unpack.wasm'))) {
  console.log('skipped: the page\'s module is not built (scripts/web)');
  process.exit(77);
}
const { exports: unpack } = new WebAssembly.Instance(new WebAssembly.Module(readFileSync(join(moduleDir, 'unpack.wasm'))));
const throughUnpacker = (text) => {
  const utf8 = new TextEncoder().encode(text);
  const short = 2 * utf8.length - unpack.memory.buffer.byteLength;
  if (short > 0) unpack.memory.grow(Math.ceil(short / 65536));
  new Uint8Array(unpack.memory.buffer).set(utf8);
  return new Uint8Array(unpack.memory.buffer, 0, unpack.unpack(0, utf8.length)).slice();
};

let seed = 7;
const random = () => (seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648;
const cases = [
  ['the page\'s module', readFileSync(join(moduleDir, 'regalo_web.wasm'))],
  ['every byte', Uint8Array.from({ length: 256 }, (_, b) => b)],
  ['Cyrillic pairs and their edges', Uint8Array.from([0xd0, 0x80, 0xd3, 0xbf, 0xd0, 0x7f, 0xcf, 0x80, 0xd4, 0x80, 0xd0])],
  ['random bytes', Uint8Array.from({ length: 100000 }, () => Math.floor(random() * 256))],
];
for (const [name, bytes] of cases) {
  const text = encodeWasmText(bytes).join('');
  assert.ok(!/[\0\r<]/.test(text), `${name}: no character the HTML parser alters`);
  assert.deepEqual(decodeWasmText(text), Uint8Array.from(bytes), `${name}: the fallback`);
  assert.deepEqual(throughUnpacker(text), Uint8Array.from(bytes), `${name}: Unpack.wat`);
}
console.log('wasmText: passed');
