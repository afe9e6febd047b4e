// The calls of the library's WebAssembly, as JavaScript: text in as UTF-8,
// the answer read from a buffer of the module's own memory.

/** A value that cannot be read; the message says why, as regalo-decode says it. */
export class DecodeError extends Error {
  constructor(message, input) {
    super(message);
    this.name = 'DecodeError';
    this.input = input;
  }
}

const LANGUAGES = { ru: 0, en: 1 };
const FORMATS = { brief: 0, json: 1 };
const OK = 0;
const UNREADABLE = 1;
const TOO_SMALL = 2;

// What the module asks of its host: to be told that its memory grew (a new
// view of it is taken for every call anyway), and never to stop.
export const imports = {
  env: { emscripten_notify_memory_growth() {} },
  wasi_snapshot_preview1: { proc_exit(code) { throw new Error(`regalo stopped (${code})`); } },
};

function text(value, what) {
  if (typeof value !== 'string') throw new TypeError(`${what} must be a string, not ${typeof value}`);
  return value;
}

function language(options) {
  const lang = options === undefined || options.lang === undefined ? 'ru' : options.lang;
  if (!(lang in LANGUAGES)) throw new RangeError(`lang must be 'ru' or 'en', not ${String(lang)}`);
  return LANGUAGES[lang];
}

/** The decoder over an instantiated module's exports. */
export function decoder(exports) {
  exports._initialize();
  const encoder = new TextEncoder();
  // A byte-order mark in an answer is part of it.
  const decoding = new TextDecoder('utf-8', { ignoreBOM: true });
  const bytes = () => new Uint8Array(exports.memory.buffer);
  const read = (pointer, length) => decoding.decode(bytes().subarray(pointer, pointer + length));
  const terminated = (pointer) => read(pointer, bytes().indexOf(0, pointer) - pointer);
  const version = terminated(exports.regalo_version());
  const needed = exports.malloc(8);
  let capacity = 4096;
  let buffer = exports.malloc(capacity);
  const calls = { status: exports.regalo_explain_status, error: exports.regalo_explain_error, diff: exports.regalo_diff };

  // The exact text regalo-decode writes, and whether the value was read.
  function explain(kind, values, lang, format) {
    const taken = values.map((value) => {
      const utf8 = encoder.encode(value);
      const pointer = exports.malloc(utf8.length + 1);
      bytes().set(utf8, pointer);
      return [pointer, utf8.length];
    });
    try {
      for (;;) {
        const result = calls[kind](...taken.flat(), lang, format, buffer, capacity, needed);
        const length = new DataView(exports.memory.buffer).getUint32(needed, true);
        if (result === TOO_SMALL) {
          exports.free(buffer);
          capacity = length + 1;
          buffer = exports.malloc(capacity);
          continue;
        }
        if (result !== OK && result !== UNREADABLE) throw new Error(terminated(exports.regalo_strerror(result, lang)));
        return { read: result === OK, text: read(buffer, length) };
      }
    } finally {
      taken.forEach(([pointer]) => exports.free(pointer));
    }
  }
  const json = (kind, values, options) => {
    const { read: readable, text: answer } = explain(kind, values, language(options), FORMATS.json);
    const object = JSON.parse(answer);
    if (!readable) throw new DecodeError(object.error, object.input);
    return object;
  };
  const words = (kind, value, options) => {
    const { read: readable, text: answer } = explain(kind, [value], language(options), FORMATS.brief);
    if (!readable) json(kind, [value], options);
    return answer;
  };
  return Object.freeze({
    version,
    status: (line, options) => json('status', [text(line, 'line')], options),
    error: (code, options) => json('error', [text(code, 'code')], options),
    diff: (before, after, options) => json('diff', [text(before, 'before'), text(after, 'after')], options),
    statusBrief: (line, options) => words('status', text(line, 'line'), options),
    errorBrief: (code, options) => words('error', text(code, 'code'), options),
    explain: (kind, values, options = {}) => {
      if (!(kind in calls)) throw new RangeError(`kind must be 'status', 'error' or 'diff', not ${String(kind)}`);
      const format = options.format === undefined ? 'brief' : options.format;
      if (!(format in FORMATS)) throw new RangeError(`format must be 'brief' or 'json', not ${String(format)}`);
      return explain(kind, values.map((value) => text(value, 'value')), language(options), FORMATS[format]);
    },
  });
}
