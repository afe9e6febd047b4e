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

export function act(read) {
  return (event) => {
    const call = read(event);
    if (!call) return;
    if (app.page) {
      call();
      settle();
      return;
    }
    if (event.cancelable) event.preventDefault();
    app.waiting.push(call);
  };
}
