// Serves a folder on 127.0.0.1 at a free port, as a static host would, with switches that a
// check turns: the network off (every connection cut, as a browser sees a lost network), files
// answered as missing or corrupt, and another folder (a new version put up). Like Python's
// http.server, it dates each file by its modification time and answers a request made with
// If-Modified-Since a date no older with 304 Not Modified. It notes each file it sends and its
// size, for the web benchmarks, which share it.
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize } from 'node:path';

// The types of the files that tools/package-web puts in the site.
const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.webmanifest': 'application/manifest+json', '.wasm': 'application/wasm', '.svg': 'image/svg+xml',
  '.png': 'image/png', '.jpg': 'image/jpeg', '.ico': 'image/x-icon', '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8', '.mp3': 'audio/mpeg',
};

export async function serve(root) {
  const site = { root, offline: false, broken: new Map(), sent: [] };
  const server = createServer(async (request, response) => {
    if (site.offline) {
      request.socket.destroy();
      return;
    }
    let path = decodeURIComponent(new URL(request.url, 'http://host').pathname);
    if (path.endsWith('/')) path += 'index.html';
    const fault = site.broken.get(path);
    try {
      if (fault === 'missing') throw new Error('missing');
      const file = join(site.root, normalize(path));
      const modified = fault === 'corrupt' ? null : Math.floor((await stat(file)).mtimeMs / 1000) * 1000;
      if (modified !== null && Date.parse(request.headers['if-modified-since']) >= modified) {
        response.writeHead(304).end();
        return;
      }
      const body = fault === 'corrupt' ? Buffer.from('not what was asked for') : await readFile(file);
      const type = types[extname(path)] ?? 'application/octet-stream';
      site.sent.push({ path, type, bytes: body.length });
      response.writeHead(200, { 'Content-Type': type, ...(modified !== null && { 'Last-Modified': new Date(modified).toUTCString() }) });
      response.end(body);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain' });
      response.end('not found');
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  site.origin = `http://127.0.0.1:${server.address().port}`;
  site.close = () => {
    server.closeAllConnections();
    return new Promise((resolve) => server.close(resolve));
  };
  return site;
}
