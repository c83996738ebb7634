#!/usr/bin/env node
// Writes the page's service worker and the module that follows its versions in the page, both
// with Workbox bundled in, since the page's policy loads scripts from its own site only.
//
// Usage: make-service-worker.mjs SITE_DIR SOURCE [--on-use FILE]... [--never GLOB]...
//
// SITE_DIR/workbox-window.js comes first, as it is one of the page's files. Then every file
// under SITE_DIR goes in workbox-build's precache list, with a revision and a digest for the
// browser to check (Subresource Integrity), except those given with --on-use (fetched the first
// time the page uses them, kept by a revision of their own) and those matching a --never pattern
// (not for the page: licence texts). SOURCE, the worker, is bundled with that list into
// SITE_DIR/sw.js: any file changed changes the worker, which makes it a new version.
import { createHash } from 'node:crypto';
import { existsSync, readFileSync } from 'node:fs';
import { join, relative } from 'node:path';
import { parseArgs } from 'node:util';

const workboxModules = new URL('node_modules', import.meta.url).pathname;
if (!existsSync(join(workboxModules, 'workbox-build'))) {
  console.error(`make-service-worker.mjs: Workbox is not installed in ${workboxModules}: npm ci --prefix tools/web (tools/package-web does)`);
  process.exit(1);
}
const { default: resolve } = await import('@rollup/plugin-node-resolve');
const { default: replace } = await import('@rollup/plugin-replace');
const { default: terser } = await import('@rollup/plugin-terser');
const { rollup } = await import('rollup');
const { getManifest } = await import('workbox-build');

const { values: options, positionals } = parseArgs({
  allowPositionals: true,
  options: { 'on-use': { type: 'string', multiple: true, default: [] }, never: { type: 'string', multiple: true, default: [] } },
});
if (positionals.length !== 2) {
  console.error('usage: make-service-worker.mjs SITE_DIR SOURCE [--on-use FILE]... [--never GLOB]...');
  process.exit(2);
}
const [site, source] = positionals;
const integrity = (file) => `sha384-${createHash('sha384').update(readFileSync(join(site, file))).digest('base64')}`;

// Workbox's own modules as the browser runs them: its development logging compiled out.
async function bundle(input, output, values = {}) {
  const build = await rollup({
    input,
    plugins: [
      replace({ preventAssignment: true, values: { 'process.env.NODE_ENV': JSON.stringify('production'), ...values } }),
      resolve({ modulePaths: [workboxModules] }),
      terser({ format: { comments: (node, comment) => comment.value.startsWith('! Workbox') } }),
    ],
    onwarn: (warning) => { throw new Error(`make-service-worker.mjs: ${warning.message}`); },
  });
  // The notice that Workbox's licence asks of every copy.
  const banner = `/*! Workbox ${JSON.parse(readFileSync(join(workboxModules, 'workbox-core/package.json'))).version}, Copyright Google LLC, MIT licence (https://opensource.org/licenses/MIT) */`;
  await build.write({ file: output, format: output.endsWith('sw.js') ? 'iife' : 'es', banner });
  await build.close();
}

await bundle(join(workboxModules, 'workbox-window/index.mjs'), join(site, 'workbox-window.js'));

for (const file of options['on-use']) {
  if (!existsSync(join(site, file))) {
    console.error(`make-service-worker.mjs: ${file} is not in ${site}`);
    process.exit(1);
  }
}
const { manifestEntries, warnings } = await getManifest({
  globDirectory: site,
  globPatterns: ['**/*'],
  globIgnores: ['sw.js', ...options['on-use'], ...options.never],
  // In one order, whatever order the file system lists them in: the same site, the same worker.
  manifestTransforms: [async (entries) => ({
    manifest: entries.map((entry) => ({ ...entry, integrity: integrity(entry.url) })).sort((a, b) => (a.url < b.url ? -1 : 1)),
  })],
});
if (warnings.length) throw new Error(`make-service-worker.mjs: ${warnings.join('; ')}`);
const keptOnUse = Object.fromEntries(options['on-use'].map((file) => [file, {
  revision: createHash('sha256').update(readFileSync(join(site, file))).digest('hex').slice(0, 12),
  integrity: integrity(file),
}]));
await bundle(source, join(site, 'sw.js'), {
  'self.__WB_MANIFEST': JSON.stringify(manifestEntries),
  __KEPT_ON_USE__: JSON.stringify(keptOnUse),
});
console.log(`make-service-worker.mjs: ${manifestEntries.length} files to keep, ${relative(process.cwd(), join(site, 'sw.js'))}`);
