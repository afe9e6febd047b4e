// Where a log is read: its bytes fed to the rules' timeline a piece at a
// time, and the page's asks for counts, rows, choices and the chart
// answered from it. Runs in a worker, so that the page never waits on a
// log; or in the page itself, where the browser gives it no worker.
const PIECE = 1 << 20;

export function logHost(rules, post) {
  // The log being read: a newer one ends it.
  let reading = 0;
  async function read(source, id) {
    rules.logStart();
    for (let at = 0; at < source.size; at += PIECE) {
      const bytes = new Uint8Array(await source.slice(at, at + PIECE).arrayBuffer());
      if (id !== reading) return;
      rules.logFeed(bytes);
      post({ id, read: Math.min(source.size, at + PIECE) / source.size, ...rules.logFound() });
    }
    rules.logEnd();
    post({ id, done: true, ...rules.logFound() });
  }
  return (ask) => {
    if (ask.read) {
      reading = ask.id;
      read(ask.read, ask.id).catch((error) => post({ id: ask.id, failed: String(error.message || error) }));
    } else if (ask.show) post({ id: ask.id, shownBy: ask.show, ...rules.logShow(...ask.show) });
    else if (ask.rows) post({ id: ask.id, rowsFrom: ask.rows[0], ...rules.logRows(...ask.rows, ask.english) });
    else if (ask.choices) post({ id: ask.id, choices: rules.logChoices(ask.english) });
    else if (ask.chart) post({ id: ask.id, chart: rules.logChart(ask.chart, ask.english) });
  };
}
