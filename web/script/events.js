// Reads an event into the calls on the rules it stands for, runs them and
// draws what follows. Before the rules have arrived the calls wait for
// them, and the browser's own action is held back.
import { render } from './draw.js';
import { saveRecent } from './recent.js';
import { app } from './state.js';

// After every call, whoever made it: the page drawn whole, what is kept kept.
export function settle() {
  render();
  saveRecent();
}

// The rules are told the time of day before a call: what it remembers is
// remembered with it.
export function tick() {
  const now = new Date();
  app.page.setTime(`${String(now.getHours()).padStart(2, '0')}:${String(now.getMinutes()).padStart(2, '0')}`);
}

export function act(read) {
  return (event) => {
    const call = read(event);
    if (!call) return;
    if (app.page) {
      tick();
      call();
      settle();
      return;
    }
    if (event.cancelable) event.preventDefault();
    app.waiting.push(call);
  };
}
