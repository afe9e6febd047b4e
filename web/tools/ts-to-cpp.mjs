// Writes the English texts of the contexts the page shows, taken from a Qt
// translation file, as a C++ table: node ts-to-cpp.mjs <in.ts> <out.cpp> <context>...
import { readFileSync, writeFileSync } from 'node:fs';

const [input, output, ...contexts] = process.argv.slice(2);
const xml = readFileSync(input, 'utf8');
const unescape = (text) =>
  text.replace(/&(lt|gt|amp|apos|quot|#(\d+)|#x([0-9a-fA-F]+));/g, (_, name, dec, hex) =>
    dec ? String.fromCodePoint(+dec) : hex ? String.fromCodePoint(parseInt(hex, 16))
      : { lt: '<', gt: '>', amp: '&', apos: "'", quot: '"' }[name]);
// A C++ string literal that survives any character: every byte as \x.. would
// be unreadable, so only what needs it is escaped.
const literal = (text) =>
  '"' + [...Buffer.from(text, 'utf8')].map((b) =>
    b === 0x22 ? '\\"' : b === 0x5c ? '\\\\' : b < 0x20 ? `\\${b.toString(8).padStart(3, '0')}` : String.fromCharCode(b))
    .join('').replace(/[\x80-\xff]/g, (c) => `\\${c.charCodeAt(0).toString(8)}`) + '"';

const rows = [];
for (const [, body] of xml.matchAll(/<context>([\s\S]*?)<\/context>/g)) {
  const context = unescape(body.match(/<name>([\s\S]*?)<\/name>/)[1]);
  if (!contexts.includes(context)) continue;
  for (const [, message] of body.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
    const source = message.match(/<source>([\s\S]*?)<\/source>/);
    const translation = message.match(/<translation(?: [^>]*)?>([\s\S]*?)<\/translation>/);
    if (!source || !translation || /<numerusform>/.test(translation[1])) continue;
    rows.push([context, unescape(source[1]), unescape(translation[1])]);
  }
}
if (rows.length === 0) throw new Error(`no texts for ${contexts.join(', ')} in ${input}`);
// The order strcmp sees: bytes of UTF-8.
const bytes = (text) => Buffer.from(text, 'utf8');
rows.sort((a, b) => Buffer.compare(bytes(a[0]), bytes(b[0])) || Buffer.compare(bytes(a[1]), bytes(b[1])));
writeFileSync(output, `// Generated from ${input.split('/').pop()}; do not edit.
#include "web/EnglishTexts.h"

const EnglishText kEnglishTexts[] = {
${rows.map((r) => `    {${r.map(literal).join(', ')}},`).join('\n')}
};
const std::size_t kEnglishTextCount = ${rows.length};
`);
