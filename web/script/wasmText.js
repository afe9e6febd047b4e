// The page carries its WebAssembly as text that the HTML parser keeps as it
// stands. This is the one description of that encoding; the build writes
// it with encodeWasmText, the page reads it back with Unpack.wat (and,
// where the browser compiles nothing at once, with decodeWasmText), and a
// test checks that all three agree.
//
// - A Cyrillic letter's UTF-8 in the module (two bytes, D0-D3 then 80-BF),
//   as its Russian texts are, is that letter: it compresses as the page's
//   own Russian does.
// - Any other byte b is the character U+00bb, save NUL, CR and "<", which
//   the parser would alter or read as markup: those are U+01bb.
// So a character below U+0400 stands for its low byte, and one from U+0400
// on for its own two bytes of UTF-8.

export function encodeWasmText(bytes) {
  const characters = [];
  for (let i = 0; i < bytes.length; ++i) {
    const [b, next] = [bytes[i], bytes[i + 1]];
    if (b >= 0xd0 && b <= 0xd3 && next >= 0x80 && next <= 0xbf) {
      characters.push(String.fromCharCode(((b & 0x1f) << 6) | (next & 0x3f)));
      ++i;
    } else characters.push(String.fromCharCode(b === 0 || b === 13 || b === 60 ? 0x100 + b : b));
  }
  return characters;
}

export function decodeWasmText(text) {
  const bytes = new Uint8Array(2 * text.length);
  let size = 0;
  for (let i = 0; i < text.length; ++i) {
    const c = text.charCodeAt(i);
    if (c < 0x400) bytes[size++] = c;
    else {
      bytes[size++] = 0xc0 | (c >> 6);
      bytes[size++] = 0x80 | (c & 0x3f);
    }
  }
  return bytes.subarray(0, size);
}
