// The npm package against regalo-decode, byte for byte: every case of the
// expectations file (expected.py) whose values are text (JavaScript strings
// hold no stray bytes) through the package's explain(), in Node.
//   node sameAsDecode.mjs <the package's folder> <expectations>
import { createReadStream } from 'node:fs';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { pathToFileURL } from 'node:url';

const [folder, expectations] = process.argv.slice(2);
const { init, DecodeError } = await import(pathToFileURL(join(folder, 'node.js')).href);
const d = await init();
const utf8 = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
const text = (hex) => utf8.decode(Buffer.from(hex, 'hex'));
let cases = 0;
let differ = 0;
let skipped = 0;
for await (const line of createInterface({ input: createReadStream(expectations) })) {
  const [kind, lang, format, read, value, other, expected] = line.split('\t');
  let values;
  try {
    values = kind === 'diff' ? [text(value), text(other)] : [text(value)];
  } catch {
    ++skipped;
    continue;
  }
  const got = d.explain(kind, values, { lang, format });
  let same = got.read === (read === '1') && got.text === text(expected);
  // The package's own calls: the objects, the words, and the reason as DecodeError's message.
  if (same && kind !== 'diff') {
    const call = format === 'json' ? d[kind] : d[`${kind}Brief`];
    try {
      const answer = call(values[0], { lang });
      same = read === '1' && (format === 'json' ? JSON.stringify(answer) === JSON.stringify(JSON.parse(got.text)) : answer === got.text);
    } catch (error) {
      same = read === '0' && error instanceof DecodeError
        && error.message === JSON.parse(d.explain(kind, values, { lang, format: 'json' }).text).error;
    }
  }
  if (!same && ++differ <= 5) console.error(`${kind} ${lang} ${format} ${JSON.stringify(values)}: ${JSON.stringify(got)}, regalo-decode: ${JSON.stringify(text(expected))}`);
  ++cases;
}
console.log(`${cases} cases (${skipped} with bytes that are no text left out), ${differ} differ`);
process.exit(differ === 0 && cases > 0 ? 0 : 1);
