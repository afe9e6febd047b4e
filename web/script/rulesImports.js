// What the rules' WebAssembly asks of its host: to be told when its memory
// grew (the page takes a new view of it on every call), and to stop.
export const rulesImports = {
  env: { emscripten_notify_memory_growth: () => {} },
  wasi_snapshot_preview1: { proc_exit: (code) => { throw new Error(`the rules stopped (${code})`); } },
};
