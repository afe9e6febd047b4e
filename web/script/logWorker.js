// The worker that reads logs: it starts its own instance of the rules from
// the module the page compiled, then answers the page (logHost.js).
import { bindRules } from './boundary.js';
import { logHost } from './logHost.js';
import { rulesImports } from './rulesImports.js';

export function logWorker() {
  let host = null;
  const waiting = [];
  onmessage = async ({ data }) => {
    if (!data.module) {
      if (host) host(data);
      else waiting.push(data);
      return;
    }
    const { exports } = await WebAssembly.instantiate(data.module, rulesImports);
    exports._initialize();
    host = logHost(bindRules(exports), (answer) => postMessage(answer));
    waiting.splice(0).forEach(host);
  };
}
