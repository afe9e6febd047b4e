// The npm package against regalo-decode, byte for byte: every case of the
// expectations file (expected.py) whose values are text (JavaScript strings
// hold no stray bytes) through the package's explain(), a driver's bytes and
// a code's number through the same calls, the catalogue, the logs through
// scan() and summarize(); then what it refuses, and that a call after memory
// ran out in the module is answered right.
//   node sameAsDecode.mjs <the package's folder> <expectations>
import assert from 'node:assert/strict';
import { createReadStream, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { createInterface } from 'node:readline';
import { pathToFileURL } from 'node:url';

const [folder, expectations] = process.argv.slice(2);
const { init, DecodeError } = await import(pathToFileURL(join(folder, 'node.js')).href);
const d = await init();
const utf8 = new TextDecoder('utf-8', { fatal: true, ignoreBOM: true });
const text = (hex) => utf8.decode(Buffer.from(hex, 'hex'));
const driverBytes = /^[0-9A-F]{2}( [0-9A-F]{2}){5}$/;
const codeNumber = /^([0-9A-F]{4}|[1-9A-F][0-9A-F]{4,7})$/;

async function agrees(kind, lang, format, read, value, other, expected) {
  if (kind === 'flag') {
    const [byte, bit] = Buffer.from(value, 'hex');
    return JSON.stringify(d.flags(undefined, { lang })[byte * 8 + bit]) === JSON.stringify({ byte, bit, caption: expected });
  }
  if (kind === 'state') {
    const [state] = Buffer.from(value, 'hex');
    const got = d.receiptState([0x80, 0x80, 0x80 | state, 0x80, 0x80, 0x80], { lang });
    return got.value === state && got.caption === expected;
  }
  if (kind === 'message') return d.errorMessage(parseInt(value, 16), { lang }) === (read === '1' ? expected : null);
  if (kind === 'scan' || kind === 'summary') {
    const log = createReadStream(Buffer.from(value, 'hex').toString(), { highWaterMark: 1000 });
    if (kind === 'summary') {
      const got = await d.summarize(log, { lang, format });
      return format === 'json' ? JSON.stringify(got) === JSON.stringify(JSON.parse(expected)) : got === expected;
    }
    const records = [];
    for await (const record of d.scan(log, { lang, format })) records.push(format === 'json' ? JSON.stringify(record) : record);
    return records.join('\n') === (format === 'json' ? expected.split('\n').filter(Boolean).map((r) => JSON.stringify(JSON.parse(r))).join('\n') : expected);
  }
  const values = kind === 'diff' ? [text(value), text(other)] : [text(value)];
  const same = (got) => got.read === (read === '1') && got.text === expected;
  if (!same(d.explain(kind, values, { lang, format }))) return false;
  if (kind === 'status' && driverBytes.test(values[0])) {
    const six = Buffer.from(values[0].replaceAll(' ', ''), 'hex');
    if (!same(d.explain(kind, [new Uint8Array(six)], { lang, format })) || !same(d.explain(kind, [[...six]], { lang, format }))) return false;
  }
  if (kind === 'error' && codeNumber.test(values[0]) && !same(d.explain(kind, [parseInt(values[0], 16)], { lang, format }))) return false;
  // The package's own calls: the objects, the words, and the reason as DecodeError's message.
  if (kind === 'diff') return true;
  const call = format === 'json' ? d[kind] : d[`${kind}Brief`];
  try {
    const answer = call(values[0], { lang });
    return read === '1' && (format === 'json' ? JSON.stringify(answer) === JSON.stringify(JSON.parse(expected)) : answer === expected);
  } catch (error) {
    return read === '0' && error instanceof DecodeError
      && error.message === JSON.parse(d.explain(kind, values, { lang, format: 'json' }).text).error;
  }
}

let cases = 0;
let differ = 0;
let skipped = 0;
for await (const line of createInterface({ input: createReadStream(expectations) })) {
  const [kind, lang, format, read, value, other, expected] = line.split('\t');
  let same;
  try {
    same = await agrees(kind, lang, format, read, value, other, text(expected));
  } catch (error) {
    if (!(error instanceof TypeError && error.code === 'ERR_ENCODING_INVALID_ENCODED_DATA')) throw error;
    ++skipped;
    continue;
  }
  if (!same && ++differ <= 5) console.error(`${kind} ${lang} ${format} ${value.slice(0, 80)}: regalo-decode wrote ${JSON.stringify(text(expected)).slice(0, 200)}`);
  ++cases;
}

// Options and kinds are the listed ones, never what an object inherits; values of another type are refused.
const refusals = [
  [() => d.status('80 80', { lang: 'toString' }), RangeError],
  [() => d.error('0501', { lang: '__proto__' }), RangeError],
  [() => d.explain('toString', ['x']), RangeError],
  [() => d.explain('status', ['x'], { format: 'valueOf' }), RangeError],
  [() => d.status('80 80 80 80 80 80', { language: 'en' }), RangeError],
  [() => d.status(808489808391), TypeError],
  [() => d.status([128, 300, 0, 0, 0, 0]), RangeError],
  [() => d.error(-1), RangeError],
  [() => d.explain('diff', ['80 80 80 80 80 80']), TypeError],
  [() => d.status('\x01'.repeat(150e6)), DecodeError],
  [() => d.error(0x10501), DecodeError],
];
for (const [call, type] of refusals) {
  try {
    call();
    ++differ;
    console.error(`refused: nothing thrown where ${type.name} was expected: ${call}`);
  } catch (error) {
    if (!(error instanceof type)) {
      ++differ;
      console.error(`refused: ${error} where ${type.name} was expected: ${call}`);
    }
  }
  ++cases;
}

// Memory the module cannot give: an error the caller can catch, and the next call answered right.
const { decoder, imports } = await import(pathToFileURL(join(folder, 'decoder.js')).href);
const { instance } = await WebAssembly.instantiate(readFileSync(join(folder, 'regalo.wasm')), imports);
let failing = false;
const starved = decoder({ ...instance.exports, malloc: (size) => (failing ? 0 : instance.exports.malloc(size)) });
const long = `${'80 80 80 80 80 80\n'.repeat(40)}`;
for (const call of [() => starved.status('80 84 89 80 83 91'), () => starved.explain('status', [long], { format: 'json' }),
  () => starved.flags('80 84 89 80 83 91'), () => starved.summarize('10:00 ERR 0x0501\n')]) {
  failing = true;
  await assert.rejects(async () => call(), (error) => error instanceof Error && !(error instanceof DecodeError));
  failing = false;
  assert.equal(starved.errorBrief('0501'), '0501: Ошибка оборудования! Ошибка дисплея!');
  assert.equal(starved.version, d.version);
  ++cases;
}
// The module asks its host for these, and no more.
assert.deepEqual(WebAssembly.Module.imports(new WebAssembly.Module(readFileSync(join(folder, 'regalo.wasm')))).map((i) => i.name).sort(),
  ['emscripten_notify_memory_growth', 'proc_exit', 'regalo_on_record']);
console.log(`${cases} cases (${skipped} with bytes that are no text left out), ${differ} differ`);
process.exit(differ === 0 && cases > 0 ? 0 : 1);
