// A static server for dist/web on 127.0.0.1, for trying the page and for its
// tests: node serve.mjs <folder> [port]; prints the address. Port 0 takes any.
// It answers GET and HEAD with the folder's files and nothing outside it,
// compressed where the browser takes brotli or gzip, with ETags for revalidation and
// the headers the folder's _headers file lists (what static hosts read).
import { createHash } from 'node:crypto';
import { createServer } from 'node:http';
import { readFile, realpath, stat } from 'node:fs/promises';
import { realpathSync } from 'node:fs';
import { extname, join, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { brotliCompressSync, constants, gzipSync } from 'node:zlib';

const TYPES = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png', '.webmanifest': 'application/manifest+json',
};
const COMPRESSED = new Set(['.html', '.js', '.css', '.wasm', '.svg', '.webmanifest']);
// Brotli first, as hosts serve it: the page carries its WebAssembly, and on a
// slow link every kilobyte shows.
const CODINGS = [
  ['br', (body) => brotliCompressSync(body, { params: { [constants.BROTLI_PARAM_QUALITY]: 11, [constants.BROTLI_PARAM_SIZE_HINT]: body.length } })],
  ['gzip', (body) => gzipSync(body, { level: 9 })],
];

// Whether an Accept-Encoding header takes `coding` (named, and not with q=0).
function accepts(header, coding) {
  return (header || '').split(',').some((item) => {
    const [name, ...parameters] = item.trim().toLowerCase().split(';');
    return name.trim() === coding && !parameters.some((parameter) => /^\s*q\s*=\s*0(\.0*)?\s*$/.test(parameter));
  });
}

// The headers of a Netlify/Cloudflare-style _headers file's "/*" block.
async function headersOf(root) {
  try {
    const text = await readFile(join(root, '_headers'), 'utf8');
    return Object.fromEntries(text.split('\n').filter((line) => /^\s+\S+:/.test(line))
      .map((line) => [line.slice(0, line.indexOf(':')).trim(), line.slice(line.indexOf(':') + 1).trim()]));
  } catch {
    return {};
  }
}

// The file a request names inside `root`, symbolic links resolved; null for anything else.
async function fileFor(root, url) {
  const path = decodeURIComponent(new URL(url, 'http://host').pathname);
  if (path.includes('\0')) return null;
  try {
    const file = await realpath(resolve(root, `.${path.endsWith('/') ? `${path}index.html` : path}`));
    return file.startsWith(root + sep) && (await stat(file)).isFile() ? file : null;
  } catch {
    return null;
  }
}

// `cacheControl` is what every answer says of caching: "no-cache" (ask again
// each time) unless a test plays a host that lets browsers keep files.
export async function serve(folder, port = 0, { cacheControl = 'no-cache' } = {}) {
  const root = realpathSync(resolve(folder));
  const common = { 'X-Content-Type-Options': 'nosniff', 'Cache-Control': cacheControl, ...(await headersOf(root)) };
  const cache = new Map(); // file -> { mtime, body, compressed: { coding -> body }, etag }
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
    const refuse = (status, headers = {}) => response.writeHead(status, { ...common, ...headers }).end();
    if (request.method !== 'GET' && request.method !== 'HEAD') return refuse(405, { Allow: 'GET, HEAD' });
    let file;
    try {
      file = await fileFor(root, request.url);
    } catch {
      return refuse(400); // an address that is no URL, or percent signs that encode nothing
    }
    if (!file) return refuse(404);
    const { mtimeMs, mtime } = await stat(file);
    let entry = cache.get(file);
    if (!entry || entry.mtime !== mtimeMs) {
      const body = await readFile(file);
      entry = { mtime: mtimeMs, body, compressed: {},
        etag: `"${createHash('sha256').update(body).digest('base64url').slice(0, 22)}"` };
      cache.set(file, entry);
    }
    const headers = { ...common, 'Content-Type': TYPES[extname(file)] || 'application/octet-stream', ETag: entry.etag,
      'Last-Modified': mtime.toUTCString(), Vary: 'Accept-Encoding' };
    if (request.headers['if-none-match'] === entry.etag) return refuse(304, { ETag: entry.etag });
    const [coding, compress] = (COMPRESSED.has(extname(file)) && CODINGS.find(([name]) => accepts(request.headers['accept-encoding'], name))) || [];
    if (coding && !entry.compressed[coding]) entry.compressed[coding] = compress(entry.body);
    const body = coding ? entry.compressed[coding] : entry.body;
    response.writeHead(200, { ...headers, 'Content-Length': body.length, ...(coding ? { 'Content-Encoding': coding } : {}) });
    response.end(request.method === 'HEAD' ? undefined : body);
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
