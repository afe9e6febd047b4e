// Node: the module read from beside this file (Node fetches no file: URLs).
import { readFile } from 'node:fs/promises';
import { decoder, imports } from './decoder.js';

export { DecodeError } from './decoder.js';

/** The decoder, once its WebAssembly is compiled. */
export async function init() {
  const { instance } = await WebAssembly.instantiate(await readFile(new URL('./regalo.wasm', import.meta.url)), imports);
  return decoder(instance.exports);
}
