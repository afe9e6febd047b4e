// Joins the page's script modules (web/script/) into the one script the
// page carries: each module's imports put before it, once, and the whole in
// one closure, as a browser runs a classic script that is inline and
// allowed by its hash. The modules name what they share by import and export;
// joined, they share the closure.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

const IMPORT = /^import \{[^}]*\} from '\.\/([\w.]+)';\n/gm;
// A module that grows past this does more than one thing: split it.
const LONGEST_MODULE = 250;

export function joinScript(folder, entry = 'main.js', start = 'main') {
  const order = [];
  const visit = (file, path = []) => {
    if (order.includes(file)) return;
    if (path.includes(file)) throw new Error(`the page's modules import each other: ${[...path, file].join(' -> ')}`);
    const text = readFileSync(join(folder, file), 'utf8');
    const lines = text.split('\n').length - 1;
    if (lines > LONGEST_MODULE) throw new Error(`web/script/${file} has ${lines} lines, more than ${LONGEST_MODULE}: split it by concern`);
    for (const [, dependency] of text.matchAll(IMPORT)) visit(dependency, [...path, file]);
    order.push(file);
  };
  visit(entry);
  const bodies = order.map((file) => readFileSync(join(folder, file), 'utf8').replace(IMPORT, '').replace(/^export /gm, ''));
  return `'use strict';\n(() => {\n${bodies.join('\n')}\n${start}();\n})();\n`;
}
