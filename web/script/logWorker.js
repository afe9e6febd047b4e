// The worker that reads logs: it starts the log's module the page compiled,
// with the calls the page names, then answers the page (logHost.js).
import { bindRules } from './bindRules.js';
import { logHost } from './logHost.js';
import { rulesImports } from './rulesImports.js';

export function logWorker() {
  let host = null;
  const waiting = [];
  onmessage = async ({ data }) => {
    if (data.kind !== 'start') {
      if (host) host(data);
      else waiting.push(data);
      return;
    }
    const { exports } = await WebAssembly.instantiate(data.module, rulesImports);
    exports._initialize();
    host = logHost(bindRules(exports, data.calls), (answer) => postMessage(answer));
    waiting.splice(0).forEach(host);
  };
}
