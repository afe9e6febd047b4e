// A static server for dist/web on 127.0.0.1, for trying the page and for its
// tests: node serve.mjs <folder> [port]; prints the address. Port 0 takes any.
// It answers GET and HEAD with the folder's files and nothing outside it,
// compressed as the build left them beside the files (.br, .gz) where the
// browser takes brotli or gzip, with ETags for revalidation and the headers
// the folder's _headers file lists (what static hosts read), read again
// whenever it changes, as the files are.
import { createHash } from 'node:crypto';
import { createServer } from 'node:http';
import { readFile, realpath, stat } from 'node:fs/promises';
import { realpathSync } from 'node:fs';
import { basename, extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png', '.webp': 'image/webp',
  '.webmanifest': 'application/manifest+json',
};
// Brotli first, as hosts serve it: the page carries its WebAssembly, and on a
// slow link every kilobyte shows.
const CODINGS = [['br', '.br'], ['gzip', '.gz']];
// The host's own files, never served.
const PRIVATE = new Set(['_headers']);

// Whether an Accept-Encoding header takes `coding` (named, and not with q=0).
function accepts(header, coding) {
  return (header || '').split(',').some((item) => {
    const [name, ...parameters] = item.trim().toLowerCase().split(';');
    return name.trim() === coding && !parameters.some((parameter) => /^\s*q\s*=\s*0(\.0*)?\s*$/.test(parameter));
  });
}

// The headers of a Netlify/Cloudflare-style _headers file's "/*" block.
function headersIn(text) {
  return Object.fromEntries(text.split('\n').filter((line) => /^\s+\S+:/.test(line))
    .map((line) => [line.slice(0, line.indexOf(':')).trim(), line.slice(line.indexOf(':') + 1).trim()]));
}

// The path a request names: "//sw.js" is "/sw.js", not an address on a host
// called sw.js; a target that names a host is taken for its path. Throws
// for one that is no URL, or percent signs that encode nothing.
function pathOf(target) {
  const path = target.startsWith('/') ? target.replace(/^\/+/, '/').replace(/[?#].*$/s, '') : new URL(target).pathname;
  return decodeURIComponent(path);
}

// The file a request names inside `root`, symbolic links resolved; null for anything else.
async function fileFor(root, url) {
  const path = pathOf(url);
  if (path.includes('\0')) return null;
  try {
    const file = await realpath(resolve(root, `.${path.endsWith('/') ? `${path}index.html` : path}`));
    // Judged by the file it comes to, however the path spells it ("/_headers/.").
    if (PRIVATE.has(basename(file))) return null;
    return file.startsWith(root + sep) && (await stat(file)).isFile() ? file : null;
  } catch {
    return null;
  }
}

// `cacheControl` is what every answer says of caching: "no-cache" (ask again
// each time) unless a test plays a host that lets browsers keep files.
export async function serve(folder, port = 0, { cacheControl = 'no-cache' } = {}) {
  const root = realpathSync(resolve(folder));
  const cache = new Map(); // file -> { version, modified, body, etag }
  // A file as it is now: read again when it changed (a build writes new files).
  const current = async (file) => {
    const { ino, size, mtimeMs, mtime } = await stat(file);
    const version = `${ino}:${size}:${mtimeMs}`;
    let entry = cache.get(file);
    if (!entry || entry.version !== version) {
      const body = await readFile(file);
      entry = { version, modified: mtime, body, etag: `"${createHash('sha256').update(body).digest('base64url').slice(0, 22)}"` };
      cache.set(file, entry);
    }
    return entry;
  };
  // Small, and read on every request: an edit in the same instant as the last is seen too.
  const hostHeaders = async () => {
    try {
      return headersIn(await readFile(join(root, '_headers'), 'utf8'));
    } catch {
      return {};
    }
  };
  const server = createServer(async (request, response) => {
    try {
      await answer(request, response);
    } catch (error) {
      // A file that went away meanwhile, say: this request fails, the server goes on.
      if (!response.headersSent) response.writeHead(500).end();
      else response.destroy();
    }
  });
  async function answer(request, response) {
    const common = { 'X-Content-Type-Options': 'nosniff', 'Cache-Control': cacheControl, ...(await hostHeaders()) };
    const refuse = (status, headers = {}) => response.writeHead(status, { ...common, ...headers }).end();
    if (request.method !== 'GET' && request.method !== 'HEAD') return refuse(405, { Allow: 'GET, HEAD' });
    let file;
    try {
      file = await fileFor(root, request.url);
    } catch {
      return refuse(400); // an address that is no URL, or percent signs that encode nothing
    }
    if (!file) return refuse(404);
    const plain = await current(file);
    // The build's compressed copy, where the browser takes its coding; never
    // one older than the file, which someone changed after the build.
    let coding;
    let entry = plain;
    for (const [name, ending] of CODINGS) {
      if (coding || !accepts(request.headers['accept-encoding'], name)) continue;
      try {
        const compressed = await current(file + ending);
        if (compressed.modified < plain.modified) continue;
        [entry, coding] = [compressed, name];
      } catch { /* none for this file */ }
    }
    const etag = coding ? `${entry.etag.slice(0, -1)}-${coding}"` : entry.etag;
    const headers = { ...common, 'Content-Type': TYPES[extname(file)] || 'application/octet-stream', ETag: etag,
      'Last-Modified': plain.modified.toUTCString(), Vary: 'Accept-Encoding' };
    if (request.headers['if-none-match'] === etag) return refuse(304, { ETag: etag });
    response.writeHead(200, { ...headers, 'Content-Length': entry.body.length, ...(coding ? { 'Content-Encoding': coding } : {}) });
    response.end(request.method === 'HEAD' ? undefined : entry.body);
  }
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

// Run as a program, wherever the checkout lies (blanks, Cyrillic, symbolic links).
if (process.argv[1] && realpathSync(process.argv[1]) === realpathSync(fileURLToPath(import.meta.url))) {
  const [folder = 'dist/web', portText = '8000'] = process.argv.slice(2);
  const port = Number(portText);
  if (!Number.isInteger(port) || port < 0 || port > 65535) {
    console.error(`serve: "${portText}" is no port: give a number from 0 to 65535`);
    process.exit(2);
  }
  try {
    const server = await serve(folder, port);
    console.log(`Regalo_Vespera's page: http://127.0.0.1:${server.address().port}/ (Ctrl-C stops)`);
  } catch (error) {
    const why = { EADDRINUSE: `port ${port} is in use: give another, as in scripts/web serve 8001`,
      EACCES: `port ${port} needs rights this user lacks: give one above 1023`,
      ENOENT: `there is no folder ${folder}: build the page first (scripts/web)` }[error.code];
    console.error(`serve: ${why || error.message}`);
    process.exit(1);
  }
}
