// The calls of the library's WebAssembly, as JavaScript: text in as UTF-8,
// the answer read from a buffer of the module's own memory. Whatever fails
// (memory the module cannot give, a value refused) leaves the decoder as it
// was, to answer the next call.

/** A value that cannot be read; the message says why, as regalo-decode says it. */
export class DecodeError extends Error {
  constructor(message, input) {
    super(message);
    this.name = 'DecodeError';
    this.input = input;
  }
}

const LANGUAGES = new Map([['ru', 0], ['en', 1]]);
const FORMATS = new Map([['brief', 0], ['json', 1]]);
const KINDS = new Map([['status', 1], ['error', 1], ['diff', 2]]);
const OK = 0;
const UNREADABLE = 1;
const TOO_SMALL = 2;
const OUT_OF_MEMORY = 4;
// No value is nearly this long: the library refuses it unread, so no more is passed.
const LONGEST = 4096;

// Scanners being fed, by the number their records come back with.
const scanners = new Map();
let nextScanner = 1;

// What the module asks of its host: to be told that its memory grew (a new
// view of it is taken for every call anyway), never to stop, and to take a
// scanner's records.
export const imports = {
  env: {
    emscripten_notify_memory_growth() {},
    regalo_on_record(scanner, pointer, length) {
      scanners.get(scanner)?.(pointer, length);
    },
  },
  wasi_snapshot_preview1: { proc_exit(code) { throw new Error(`regalo stopped (${code})`); } },
};

// An options object's own settings, each of those `allowed`; any other refused.
function settings(options, allowed) {
  if (options === undefined) return {};
  if (options === null || typeof options !== 'object') throw new TypeError(`options must be an object, not ${options === null ? 'null' : typeof options}`);
  for (const key of Object.keys(options)) {
    if (!allowed.includes(key)) throw new RangeError(`unknown option ${JSON.stringify(key)}; options are ${allowed.join(', ')}`);
  }
  return options;
}

function chosen(table, value, fallback, what) {
  const name = value === undefined ? fallback : value;
  if (typeof name !== 'string' || !table.has(name)) {
    throw new RangeError(`${what} must be ${[...table.keys()].map((k) => `'${k}'`).join(' or ')}, not ${String(name)}`);
  }
  return table.get(name);
}

const language = (options) => chosen(LANGUAGES, options.lang, 'ru', 'lang');
const form = (options, fallback = 'brief') => chosen(FORMATS, options.format, fallback, 'format');

// A driver's bytes: a Uint8Array or an array of numbers 0-255; null for text.
function driverBytes(value) {
  if (typeof value === 'string') return null;
  if (value instanceof Uint8Array) return value;
  if (Array.isArray(value) && value.every((b) => Number.isInteger(b))) {
    if (!value.every((b) => b >= 0 && b <= 255)) throw new RangeError(`status bytes must be 0-255, not ${JSON.stringify(value)}`);
    return Uint8Array.from(value);
  }
  throw new TypeError(`a status line must be a string, a Uint8Array or an array of numbers, not ${typeof value}`);
}

const hex = (bytes) => Array.from(bytes, (b) => b.toString(16).toUpperCase().padStart(2, '0')).join(' ');

// A code given as a number; null for text.
function codeNumber(value) {
  if (typeof value === 'string') return null;
  if (typeof value === 'number' && Number.isInteger(value)) {
    if (value < 0) throw new RangeError(`an error code is not negative: ${value}`);
    return value;
  }
  throw new TypeError(`an error code must be a string or an integer, not ${typeof value}`);
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
  const failure = (result, lang) => new Error(terminated(exports.regalo_strerror(result, lang)));
  // Memory of the module's own, or an error the caller can catch: the module may have none to give.
  const allocate = (size, lang = 0) => {
    const pointer = exports.malloc(size);
    if (pointer === 0) throw failure(OUT_OF_MEMORY, lang);
    return pointer;
  };
  const version = terminated(exports.regalo_version());
  const needed = allocate(8);
  let capacity = 4096;
  let buffer = allocate(capacity);

  // Memory for the call's arguments, all freed when `use` is done.
  function withMemory(use) {
    const taken = [];
    const take = (size, lang) => {
      const pointer = allocate(size, lang);
      taken.push(pointer);
      return pointer;
    };
    try {
      return use(take);
    } finally {
      taken.forEach((pointer) => exports.free(pointer));
    }
  }
  // `data` (a string's start or bytes) in the module's memory: [pointer, length].
  const put = (take, data, lang) => {
    const utf8 = typeof data === 'string' ? encoder.encode(data.slice(0, LONGEST + 1)) : data;
    const pointer = take(utf8.length + 1, lang);
    bytes().set(utf8, pointer);
    return [pointer, utf8.length];
  };
  // `call(buffer, capacity, needed)` until its answer fits; the text and the result.
  function answer(call, lang) {
    for (;;) {
      const result = call(buffer, capacity, needed);
      const length = new DataView(exports.memory.buffer).getUint32(needed, true);
      if (result === TOO_SMALL) {
        // The larger buffer first: where there is none, the old one stays.
        const larger = allocate(length + 1, lang);
        exports.free(buffer);
        buffer = larger;
        capacity = length + 1;
        continue;
      }
      if (result !== OK && result !== UNREADABLE) throw failure(result, lang);
      return { read: result === OK, text: read(buffer, length) };
    }
  }

  // The exact text regalo-decode writes, and whether the values were read.
  function explain(kind, values, lang, format) {
    return withMemory((take) => {
      if (kind === 'status') {
        const six = driverBytes(values[0]);
        if (six !== null && six.length === 6) {
          const [pointer] = put(take, six, lang);
          return answer((b, c, n) => exports.regalo_explain_status_bytes(pointer, lang, format, b, c, n), lang);
        }
        const [pointer, length] = put(take, six === null ? values[0] : hex(six), lang);
        return answer((b, c, n) => exports.regalo_explain_status(pointer, length, lang, format, b, c, n), lang);
      }
      if (kind === 'error') {
        const number = codeNumber(values[0]);
        if (number !== null && number <= 0xFFFFFFFF) {
          return answer((b, c, n) => exports.regalo_explain_error_number(number, lang, format, b, c, n), lang);
        }
        const [pointer, length] = put(take, number === null ? values[0] : number.toString(16).toUpperCase(), lang);
        return answer((b, c, n) => exports.regalo_explain_error(pointer, length, lang, format, b, c, n), lang);
      }
      const [first, second] = values.map((value) => {
        const six = driverBytes(value);
        return put(take, six === null ? value : hex(six), lang);
      });
      return answer((b, c, n) => exports.regalo_diff(...first, ...second, lang, format, b, c, n), lang);
    });
  }
  const json = (kind, values, options) => {
    const { read: readable, text: got } = explain(kind, values, language(settings(options, ['lang'])), FORMATS.get('json'));
    const object = JSON.parse(got);
    if (!readable) throw new DecodeError(object.error, object.input);
    return object;
  };
  const words = (kind, value, options) => {
    const { read: readable, text: got } = explain(kind, [value], language(settings(options, ['lang'])), FORMATS.get('brief'));
    if (!readable) throw new DecodeError(got, typeof value === 'string' ? value : String(value));
    return got;
  };
  // The six bytes of a status line, or a code's number, read without explaining.
  function readValue(kind, value, options) {
    const lang = language(settings(options, ['lang']));
    return withMemory((take) => {
      if (kind === 'status') {
        const six = driverBytes(value);
        if (six !== null && six.length === 6) return Uint8Array.from(six);
        const [pointer, length] = put(take, six === null ? value : hex(six), lang);
        const out = take(6, lang);
        const { read: readable, text: why } = answer((b, c, n) => exports.regalo_read_status(pointer, length, out, lang, b, c, n), lang);
        if (!readable) throw new DecodeError(why, String(value));
        return bytes().slice(out, out + 6);
      }
      const number = codeNumber(value);
      const [pointer, length] = put(take, number === null ? value : number.toString(16).toUpperCase().padStart(4, '0'), lang);
      const out = take(4, lang);
      const { read: readable, text: why } = answer((b, c, n) => exports.regalo_read_error(pointer, length, out, lang, b, c, n), lang);
      if (!readable) throw new DecodeError(why, String(value));
      return new DataView(exports.memory.buffer).getUint32(out, true);
    });
  }
  const caption = (pointer) => (pointer === 0 ? null : terminated(pointer));
  const flagsOf = (line, options) => {
    const lang = language(settings(options, ['lang']));
    const set = line === undefined ? null : readValue('status', line, { lang: [...LANGUAGES.keys()][lang] });
    const found = [];
    for (let byte = 0; byte < 6; ++byte) {
      for (let bit = 0; bit < 8; ++bit) {
        if (set === null || (set[byte] >> bit) & 1) found.push({ byte, bit, caption: caption(exports.regalo_flag_caption(byte, bit, lang)) });
      }
    }
    return found;
  };

  // A log fed a piece at a time: the records each piece's whole lines held.
  function scanner(options) {
    const chosenSettings = settings(options, ['lang', 'format']);
    const lang = language(chosenSettings);
    const format = form(chosenSettings, 'json');
    const id = nextScanner++;
    let found = [];
    scanners.set(id, (pointer, length) => {
      const record = read(pointer, length);
      found.push(format === FORMATS.get('json') ? JSON.parse(record) : record);
    });
    const handle = exports.regalo_scanner_new_script(lang, format, id);
    if (handle === 0) {
      scanners.delete(id);
      throw failure(OUT_OF_MEMORY, lang);
    }
    const taken = () => [found, found = []][0];
    const end = () => {
      exports.regalo_scanner_free(handle);
      scanners.delete(id);
    };
    return {
      feed(piece) {
        if (typeof piece !== 'string' && !(piece instanceof Uint8Array)) throw new TypeError(`a log's piece must be a string or a Uint8Array, not ${typeof piece}`);
        const utf8 = typeof piece === 'string' ? encoder.encode(piece) : piece;
        // In pieces the module can hold whatever the piece's size.
        for (let at = 0; at < utf8.length; at += 1 << 20) {
          withMemory((take) => {
            const [pointer, length] = put(take, utf8.subarray(at, at + (1 << 20)), lang);
            const result = exports.regalo_scanner_feed(handle, pointer, length);
            if (result !== OK) throw failure(result, lang);
          });
        }
        return taken();
      },
      finish() {
        try {
          const { text } = answer((b, c, n) => exports.regalo_scanner_finish(handle, b, c, n), lang);
          return { records: taken(), summary: format === FORMATS.get('json') ? JSON.parse(text) : text };
        } finally {
          end();
        }
      },
      cancel: end,
    };
  }
  async function* scan(log, options) {
    const reading = scanner(options);
    let done = false;
    try {
      if (typeof log === 'string' || log instanceof Uint8Array) {
        yield* reading.feed(log);
      } else if (log !== null && typeof log === 'object' && (Symbol.asyncIterator in log || Symbol.iterator in log)) {
        for await (const piece of log) yield* reading.feed(piece);
      } else {
        throw new TypeError(`a log must be a string, a Uint8Array or an iterable of them, not ${typeof log}`);
      }
      done = true;
      yield* reading.finish().records;
    } finally {
      if (!done) reading.cancel();
    }
  }
  async function summarize(log, options) {
    const reading = scanner(options);
    const pieces = typeof log === 'string' || log instanceof Uint8Array ? [log] : log;
    try {
      for await (const piece of pieces) reading.feed(piece);
    } catch (error) {
      reading.cancel();
      throw error;
    }
    return reading.finish().summary;
  }

  return Object.freeze({
    version,
    status: (line, options) => json('status', [line], options),
    error: (code, options) => json('error', [code], options),
    diff: (before, after, options) => json('diff', [before, after], options),
    statusBrief: (line, options) => words('status', line, options),
    errorBrief: (code, options) => words('error', code, options),
    readStatus: (line, options) => readValue('status', line, options),
    readError: (code, options) => readValue('error', code, options),
    flags: (line, options) => flagsOf(line, options),
    receiptState: (line, options) => {
      const lang = language(settings(options, ['lang']));
      const six = readValue('status', line, options);
      const value = withMemory((take) => exports.regalo_receipt_state(put(take, six, lang)[0]));
      return { value, caption: caption(exports.regalo_receipt_state_caption(value, lang)) };
    },
    errorMessage: (code, options) => caption(exports.regalo_error_message(readValue('error', code, options), language(settings(options, ['lang'])))),
    scan,
    summarize,
    explain: (kind, values, options) => {
      const chosenSettings = settings(options, ['lang', 'format']);
      if (typeof kind !== 'string' || !KINDS.has(kind)) throw new RangeError(`kind must be 'status', 'error' or 'diff', not ${String(kind)}`);
      if (!Array.isArray(values) || values.length !== KINDS.get(kind)) throw new TypeError(`${kind} takes ${KINDS.get(kind)} value(s)`);
      return explain(kind, values, language(chosenSettings), form(chosenSettings));
    },
  });
}
