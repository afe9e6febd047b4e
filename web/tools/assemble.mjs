// Puts the page together: dist/web/ (the files a static host serves) and the
// single self-contained file that works opened from disk.
//   node assemble.mjs <project root> <module build dir> <dist/web> <single file>
import { createHash } from 'node:crypto';
import { execFileSync } from 'node:child_process';
import { copyFileSync, mkdirSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';
import { minify } from 'terser';
import { encodeWasmText } from '../script/wasmText.js';
import { joinScript } from './joinScript.mjs';
import { prerender } from './prerender.mjs';

// `home`: where the page is hosted, if the build knows it; the single file's
// Copy link then gives a link there.
const [root, moduleDir, out, single, home = ''] = process.argv.slice(2);
const staticDir = join(root, 'web/static');
const read = (path) => readFileSync(path, 'utf8');
const fill = (template, values) => template.replace(/@([A-Z0-9]+)@/g, (all, name) => (name in values ? values[name] : all));
const attribute = (text) => text.replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
const hash = (text) => createHash('sha256').update(text).digest('base64');

// The desktop entry's Russian comment says what the program is; said once.
const desktop = read(join(root, 'packaging/io.github.regalovespera.regalo_vespera.desktop'));
const description = desktop.match(/^Comment\[ru\]=(.*)$/m)[1];

rmSync(out, { recursive: true, force: true });
mkdirSync(out, { recursive: true });
copyFileSync(join(root, 'ui/resources/icon.svg'), join(out, 'icon.svg'));
// What an install dialog shows (scripts/web screenshots redraws them); the page itself never loads them.
const installPictures = readdirSync(staticDir).filter((file) => file.startsWith('install-'));
for (const file of installPictures) copyFileSync(join(staticDir, file), join(out, file));
for (const size of [192, 512]) {
  execFileSync('rsvg-convert', ['-w', String(size), '-h', String(size), '-o', join(out, `icon-${size}.png`), join(out, 'icon.svg')]);
}
// A phone crops a maskable icon to its own shape: the icon stands inside
// the safe circle, on the theme's colour.
const iconBody = read(join(root, 'ui/resources/icon.svg')).replace(/^[\s\S]*?<svg[^>]*>|<\/svg>\s*$/g, '');
const maskable = join(moduleDir, 'icon-maskable.svg');
writeFileSync(maskable, '<svg xmlns="http://www.w3.org/2000/svg" width="80" height="80" viewBox="0 0 80 80">'
  + '<rect width="80" height="80" fill="#1f4e79"/><svg x="16" y="16" width="48" height="48" viewBox="0 0 64 64">'
  + `${iconBody}</svg></svg>`);
execFileSync('rsvg-convert', ['-w', '512', '-h', '512', '-o', join(out, 'icon-maskable-512.png'), maskable]);
writeFileSync(join(out, 'manifest.webmanifest'), fill(read(join(staticDir, 'manifest.webmanifest')), { DESCRIPTION: JSON.stringify(description).slice(1, -1) }));

const { boundary, ...controls } = await prerender(moduleDir);
const { ru: { page: pageTexts }, en: { page: englishPageTexts } } = JSON.parse(controls.TEXTS);
// The page comes written in Russian whole, so that its first drawing is its last.
const page = read(join(staticDir, 'index.html'))
  .replace(/(<[^>]* data-text="(\w+)"[^>]*>)(?=<)/g, (all, tag, key) => tag + attribute(pageTexts[key]));
// The page's own style and script go inside it, allowed by their hashes, and
// so does the WebAssembly (data blocks, a character per byte), after the
// page's script, which starts it: the page is drawn and takes keys at once,
// and a phone on a slow link waits for one answer, not two.
const inline = (text) => text.replace(/<\/(script|style)/gi, '<\\/$1');
// Every first visit carries the scripts: shortened, about a third less on the wire.
const script = async (text) => inline((await minify(text, { compress: { passes: 2 }, format: { comments: false } })).code);
const style = inline(read(join(staticDir, 'app.css')));
// The page's script carries the small routine that unpacks the WebAssembly
// (Unpack.wat), and its side of the boundary with the rules.
const unpacker = readFileSync(join(moduleDir, 'unpack.wasm')).toString('base64');
const wasm = readFileSync(join(moduleDir, 'regalo_web.wasm'));
// The log's rules, loaded when a log is first opened: a file beside the page,
// inside the single file.
const logWasm = readFileSync(join(moduleDir, 'regalo_log_web.wasm'));
for (const [name, module, calls] of [['page', wasm, boundary.calls], ['log', logWasm, boundary.logCalls]]) {
  const exported = new Set(WebAssembly.Module.exports(new WebAssembly.Module(module)).map(({ name: call }) => call));
  const missing = Object.keys(calls).filter((call) => !exported.has(`page_${call}`));
  if (missing.length > 0) throw new Error(`the ${name}'s module lacks the calls ${missing.join(', ')} (web/PageCalls.h)`);
}
writeFileSync(join(out, 'log.wasm'), logWasm);
const withBoundary = (text) => text.replace("'@BOUNDARY@'", () => JSON.stringify(boundary));
// The worker that reads logs, as text the page starts it from.
const logWorker = (await minify(withBoundary(joinScript(join(root, 'web/script'), 'logWorker.js', 'logWorker')),
  { compress: { passes: 2 }, format: { comments: false } })).code;
const joined = withBoundary(joinScript(join(root, 'web/script')))
  .replace('@UNPACKER@', unpacker).replace("'@LOGWORKER@'", () => JSON.stringify(logWorker));
const pageScript = await script(joined);
// The head's script, before the page is drawn.
const headScript = await script(read(join(staticDir, 'head.js')));
// The WebAssembly as text the HTML parser keeps as it stands (wasmText.js).
const wasmText = encodeWasmText(wasm);
// In blocks, each read by the page as soon as the parser has it.
const BLOCK = 8192;
const wasmBlocks = Array.from({ length: Math.ceil(wasmText.length / BLOCK) }, (_, n) => wasmText.slice(n * BLOCK, (n + 1) * BLOCK).join(''));
// The build's identity: everything the page is made of, in one file, so a
// page and a module of different builds never meet.
const build = createHash('sha256').update(page).update(style).update([headScript, pageScript].join('\n')).update(wasm)
  .update(JSON.stringify(controls)).digest('hex').slice(0, 12);
const shared = { ...controls, BUILD: build, BUILDTEXT: pageTexts.build.replace('%1', build), LOADING: pageTexts.loading,
  DESCRIPTION: attribute(description),
  BODY: [`<script>${pageScript}</script>`,
    ...wasmBlocks.map((block, n) => `<script type="application/octet-stream" class="rules"${n === wasmBlocks.length - 1 ? ' data-last' : ''}>${block}</script>`)].join('\n') };
const allowed = (texts) => texts.map((text) => `'sha256-${hash(text)}'`).join(' ');
const policy = (rules) => [...rules, "object-src 'none'", "base-uri 'none'", "form-action 'none'"].join('; ');
const scriptRules = [`script-src ${allowed([headScript, pageScript])} 'wasm-unsafe-eval'`, `style-src ${allowed([style])}`];

// Nothing but the page's own files, and no code but its own.
const csp = policy(["default-src 'self'", ...scriptRules, "img-src 'self'", "connect-src 'self'", "manifest-src 'self'",
  "worker-src 'self' blob:"]);
writeFileSync(join(out, 'index.html'), fill(page, {
  ...shared,
  HOME: '',
  CSP: csp,
  HEAD: [`<style>${style}</style>`, `<script>${headScript}</script>`, '<link rel="icon" href="icon.svg" type="image/svg+xml">',
    '<link rel="manifest" href="manifest.webmanifest">', '<link rel="apple-touch-icon" href="icon-192.png">'].join('\n'),
}));

// What a static host sends with every file, in the form Netlify and
// Cloudflare Pages read (scripts/web serve sends it too): the policy as a
// header, where it can also forbid other sites to frame the page.
writeFileSync(join(out, '_headers'), ['/*', `  Content-Security-Policy: ${csp}; frame-ancestors 'none'`,
  '  X-Content-Type-Options: nosniff', '  Referrer-Policy: no-referrer', ''].join('\n'));

// The service worker keeps every file the page uses, in a cache of this
// build. Offline, with the page itself lost from its cache, it answers with
// a line saying how to mend it.
const files = readdirSync(out).filter((file) => file !== '_headers' && !installPictures.includes(file)).sort();
const lostPage = `<!DOCTYPE html><html lang="ru"><head><meta charset="utf-8"><meta name="viewport" content="width=device-width, initial-scale=1"><link rel="icon" href="data:,">`
  + `<title>${controls.TITLE}</title></head><body><p>${attribute(pageTexts.failed)}</p><p lang="en">${attribute(englishPageTexts.failed)}</p></body></html>`;
writeFileSync(join(out, 'sw.js'), fill(read(join(staticDir, 'sw.js')), {
  BUILD: build,
  FILES: JSON.stringify(['./', ...files.filter((file) => file !== 'index.html')]),
  LOSTPAGE: JSON.stringify(lostPage),
}));

// The same page as one file that works opened from disk: no service worker,
// its icon and the log's rules inside.
const icon = readFileSync(join(root, 'ui/resources/icon.svg')).toString('base64');
writeFileSync(single, fill(page, {
  ...shared,
  BODY: `${shared.BODY}\n<script type="application/octet-stream" id="log-rules">${encodeWasmText(logWasm).join('')}</script>`,
  HOME: home ? ` data-home="${attribute(home)}"` : '',
  CSP: policy(["default-src 'none'", ...scriptRules, 'img-src data:', 'worker-src blob:']),
  HEAD: `<style>${style}</style>\n<script>${headScript}</script>\n<link rel="icon" href="data:image/svg+xml;base64,${icon}" type="image/svg+xml">`,
}));

// Compressed beside each file that compresses, once, here: a server (scripts/web
// serve, or a host that takes them) sends these as they are, instead of
// compressing the page on its first request.
for (const file of readdirSync(out).filter((name) => /\.(html|js|css|wasm|svg|webmanifest)$/.test(name))) {
  const body = readFileSync(join(out, file));
  writeFileSync(join(out, `${file}.br`), brotliCompressSync(body, {
    params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: body.length } }));
  writeFileSync(join(out, `${file}.gz`), gzipSync(body, { level: 9 }));
}
