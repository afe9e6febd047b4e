// The log's summary as the rules word it (core/SummaryWords): its counts
// and span, each code and each flag that changed as a button that shows
// their readings, the receipt states shown.
import { $ } from './dom.js';

function paragraph(text, className) {
  const p = document.createElement('p');
  p.className = className;
  p.textContent = text;
  return p;
}

function list(heading, entries, entry) {
  if (!entries.length) return [];
  const items = document.createElement('ul');
  for (const each of entries) {
    const item = document.createElement('li');
    item.append(entry(each));
    items.append(item);
  }
  return [paragraph(heading, 'heading'), items];
}

const filterButton = ({ filter, text }) => {
  const button = document.createElement('button');
  button.type = 'button';
  button.dataset.filter = filter.join(':');
  button.textContent = text;
  return button;
};

export function drawSummary(summary) {
  // As regalo-decode scan --summary --json writes it, for whoever compares.
  $('LogSummary').dataset.json = JSON.stringify(summary.json);
  $('LogSummary').replaceChildren(
    paragraph(summary.counts, 'counts'),
    ...(summary.span ? [paragraph(summary.span, 'span')] : []),
    ...list(summary.codesHeading, summary.codes, filterButton),
    ...list(summary.flagsHeading, summary.flags, filterButton),
    ...list(summary.statesHeading, summary.states, (text) => document.createTextNode(text)));
}
