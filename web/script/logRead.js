// Where a log is read: a worker that starts the log's own module (logHost.js
// answers there), or the page itself where the browser starts no worker.
// Every message each way has a kind; answers about another log are dropped.
import { bindRules } from './bindRules.js';
import { BOUNDARY } from './boundary.js';
import { $ } from './dom.js';
import { logHost } from './logHost.js';
import { shownLog } from './logState.js';
import { rulesImports } from './rulesImports.js';
import { decodeWasmText } from './wasmText.js';

const LOG_WORKER = '@LOGWORKER@';
let connection = null; // a promise of the call that asks where the log is read
let onAnswer = () => {};

// The log's rules, a module of their own: carried inside the single file
// (read once a log is opened), else a file of the page's, fetched then.
async function logModule() {
  const carried = $('log-rules');
  if (carried) return WebAssembly.compile(decodeWasmText(carried.textContent));
  const response = await fetch('log.wasm');
  if (!response.ok) throw new Error(`log.wasm: ${response.status}`);
  return WebAssembly.compile(await response.arrayBuffer());
}

function answered(answer) {
  if (answer.id === shownLog.id) onAnswer(answer);
}

async function connect() {
  const module = await logModule();
  const inPage = async () => {
    const { exports } = await WebAssembly.instantiate(module, rulesImports);
    exports._initialize();
    const host = logHost(bindRules(exports, BOUNDARY.logCalls), (answer) => setTimeout(() => answered(answer)));
    return (ask) => setTimeout(() => host(ask));
  };
  if (typeof Worker !== 'function') return inPage();
  let worker;
  try {
    worker = new Worker(URL.createObjectURL(new Blob([LOG_WORKER], { type: 'text/javascript' })));
  } catch (e) {
    return inPage();
  }
  // A worker that fails (its start refused, say) hands the log to the page.
  let lastRead = null;
  let send = (ask) => worker.postMessage(ask);
  worker.onmessage = ({ data }) => answered(data);
  worker.onerror = async (event) => {
    event.preventDefault();
    worker.terminate();
    send = await inPage();
    if (lastRead) send(lastRead);
  };
  worker.postMessage({ kind: 'start', module, calls: BOUNDARY.logCalls });
  return (ask) => {
    if (ask.kind === 'read') lastRead = ask;
    send(ask);
  };
}

export function listenToLog(handler) {
  onAnswer = handler;
}

// Asks wait for the log's rules the first time.
export function askLog(message) {
  if (!connection) {
    connection = connect();
    // Tried again for the next log (the page back online, say).
    connection.catch(() => { connection = null; });
  }
  const id = shownLog.id;
  connection.then((send) => send({ id, ...message }), (error) => answered({ id, kind: 'failed', message: String(error.message || error) }));
}
