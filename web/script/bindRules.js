// Calls on a WebAssembly's exports (the page's rules, or the log's), by the
// boundary's list of them (boundary.js): the page_ functions, malloc, free
// and its memory, which may grow (and so get a new buffer) on any call.
// Text goes as UTF-8, in which a lone surrogate is U+FFFD: one character
// that is no letter or digit, not a half paired with the next; bytes as
// they are.
export function bindRules(exports, calls) {
  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  const memory = () => new Uint8Array(exports.memory.buffer);
  const text = (pointer) => {
    const bytes = memory();
    return decoder.decode(bytes.subarray(pointer, bytes.indexOf(0, pointer)));
  };
  const answers = { none: () => undefined, yes: (result) => result !== 0, text, json: (pointer) => JSON.parse(text(pointer)) };
  const rules = {};
  for (const [name, answer] of Object.entries(calls)) {
    rules[name] = (...args) => {
      const taken = [];
      const values = args.flatMap((arg) => {
        if (typeof arg !== 'string' && !(arg instanceof Uint8Array)) return [arg];
        const bytes = typeof arg === 'string' ? encoder.encode(arg) : arg;
        const pointer = exports.malloc(bytes.length + 1);
        memory().set(bytes, pointer);
        taken.push(pointer);
        return [pointer, bytes.length];
      });
      try {
        return answers[answer](exports[`page_${name}`](...values));
      } finally {
        taken.forEach((pointer) => exports.free(pointer));
      }
    };
  }
  return rules;
}
