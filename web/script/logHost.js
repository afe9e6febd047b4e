// Where a log is read: its bytes fed to the rules' timeline a piece at a
// time, and the page's asks answered from it, each by its kind. Runs in a
// worker, so that the page never waits on a log; or in the page itself,
// where the browser gives it no worker.
const PIECE = 1 << 20;

export function logHost(rules, post) {
  // The log being read: a newer one ends it.
  let reading = 0;
  let english = false;
  const counts = () => rules.logFound();
  async function read(source, id) {
    rules.logStart();
    for (let at = 0; at < source.size; at += PIECE) {
      const bytes = new Uint8Array(await source.slice(at, at + PIECE).arrayBuffer());
      if (id !== reading) return;
      rules.logFeed(bytes);
      post({ id, kind: 'progress', read: Math.min(source.size, at + PIECE) / source.size, ...counts(), summary: rules.logSummary(english) });
    }
    rules.logEnd();
    post({ id, kind: 'done', ...counts(), summary: rules.logSummary(english) });
  }
  return (ask) => {
    if ('english' in ask) english = ask.english;
    switch (ask.kind) {
      case 'read':
        reading = ask.id;
        read(ask.source, ask.id).catch((error) => post({ id: ask.id, kind: 'failed', message: String(error.message || error) }));
        break;
      case 'show':
        post({ id: ask.id, kind: 'shown', ...rules.logShow(...ask.filter, ask.changesOnly) });
        break;
      case 'rows':
        post({ id: ask.id, kind: 'rows', ...rules.logRows(ask.from, ask.count, english) });
        break;
      case 'choices':
        post({ id: ask.id, kind: 'choices', choices: rules.logChoices(english) });
        break;
      case 'chart':
        post({ id: ask.id, kind: 'chart', chart: rules.logChart(ask.width, english) });
        break;
      case 'summary':
        post({ id: ask.id, kind: 'summary', summary: rules.logSummary(english) });
        break;
      default:
        break;
    }
  };
}
