// Browsers and bundlers: the module fetched from beside this file, compiled
// as it arrives where it comes as application/wasm. A page's CSP needs only
// 'wasm-unsafe-eval'.
import { decoder, imports } from './decoder.js';

export { DecodeError } from './decoder.js';

/** The decoder, once its WebAssembly is compiled; `wasm` names another place for regalo.wasm. */
export async function init({ wasm = new URL('./regalo.wasm', import.meta.url) } = {}) {
  const response = fetch(wasm);
  try {
    return decoder((await WebAssembly.instantiateStreaming(response, imports)).instance.exports);
  } catch (error) {
    if (!(error instanceof TypeError)) throw error;
    // Served with another type: compiled once it is all in.
    const bytes = await (await response).arrayBuffer();
    return decoder((await WebAssembly.instantiate(bytes, imports)).instance.exports);
  }
}
