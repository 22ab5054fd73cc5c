// The page's zip archives against Info-ZIP's zip and unzip: what the page
// writes, unzip extracts byte for byte; what zip writes (stored, deflated,
// streamed with data descriptors), the page reads; damage is a result.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, writeFileSync, readFileSync, rmSync, mkdirSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

import { writeZip, readZip, crc32 } from '../../web/maker/zip_archive.js';

function noise(length, seed) {
  const bytes = new Uint8Array(length);
  let x = seed;
  for (let i = 0; i < length; ++i) {
    x = (x * 1103515245 + 12345) >>> 0;
    bytes[i] = x >>> 24;
  }
  return bytes;
}

// unzip matches UTF-8 names only in a UTF-8 locale.
const UNZIP = { maxBuffer: 1 << 24, env: { ...process.env, LC_ALL: 'C.UTF-8' } };

const ENTRIES = [
  { name: 'projet.lmv', bytes: new TextEncoder().encode('LMV '.repeat(500)) },  // deflated
  { name: 'photos/été à Noël.jpg', bytes: noise(70000, 7) },                   // stored
  { name: 'photos/empty.txt', bytes: new Uint8Array(0) },
  { name: 'short', bytes: new Uint8Array([1, 2, 3]) },
];

test('crc32 is the zip one', () => {
  assert.equal(crc32(new TextEncoder().encode('123456789')), 0xcbf43926);
});

test('what the page writes, unzip extracts, and the page reads back', async () => {
  const dir = mkdtempSync(join(tmpdir(), 'lmv-zip-'));
  try {
    for (const deflate of [true, false]) {
      const zip = await writeZip(ENTRIES, { deflate, date: new Date(2024, 6, 14, 10, 30, 0) });
      const file = join(dir, `page-${deflate}.zip`);
      writeFileSync(file, zip);
      execFileSync('unzip', ['-tq', file]);
      for (const { name, bytes } of ENTRIES)
        assert.deepEqual(new Uint8Array(execFileSync('unzip', ['-p', file, name], UNZIP)),
                         bytes, name);
      const listing = execFileSync('unzip', ['-l', file]).toString();
      assert.match(listing, /2024-07-14 10:30/);
      const back = await readZip(zip);
      assert.deepEqual(back.entries.map((e) => e.name), ENTRIES.map((e) => e.name));
      back.entries.forEach((e, i) => assert.deepEqual(e.bytes, ENTRIES[i].bytes));
      // Deflating made the text smaller, and never the noise larger.
      const total = ENTRIES.reduce((n, e) => n + e.bytes.length, 0);
      if (deflate) assert.ok(zip.length < total);
      else assert.ok(zip.length > total);
    }
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test("zip's own archives, stored, deflated and streamed, are read", async () => {
  const dir = mkdtempSync(join(tmpdir(), 'lmv-zip-'));
  try {
    mkdirSync(join(dir, 'in', 'photos'), { recursive: true });
    writeFileSync(join(dir, 'in', 'projet.lmv'), ENTRIES[0].bytes);
    writeFileSync(join(dir, 'in', 'photos', 'a.jpg'), ENTRIES[1].bytes);
    for (const level of ['-0', '-9']) {
      const file = join(dir, `zip${level}.zip`);
      execFileSync('zip', ['-qr', level, file, '.'], { cwd: join(dir, 'in') });
      const { entries } = await readZip(new Uint8Array(readFileSync(file)));
      const byName = Object.fromEntries(entries.map((e) => [e.name, e.bytes]));
      assert.deepEqual(Object.keys(byName).sort(), ['photos/a.jpg', 'projet.lmv'], level);
      assert.deepEqual(byName['projet.lmv'], ENTRIES[0].bytes);
      assert.deepEqual(byName['photos/a.jpg'], ENTRIES[1].bytes);
    }
    // From a pipe, zip writes the sizes after each entry (a data descriptor).
    const streamed = execFileSync('zip', ['-q', '-', '-'], { input: ENTRIES[0].bytes });
    const { entries } = await readZip(new Uint8Array(streamed));
    assert.deepEqual(entries[0].bytes, ENTRIES[0].bytes);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});

test('a damaged or foreign file is a reason, not an exception', async () => {
  const zip = await writeZip(ENTRIES);
  const flipped = zip.slice();
  flipped[40] ^= 0xff;  // inside the first entry's data
  const cases = [
    [new TextEncoder().encode('not an archive at all, only text'), /not a zip/],
    [zip.slice(0, zip.length - 30), /not a zip|damaged/],
    [zip.slice(2000), /damaged/],
    [flipped, /damaged/],
  ];
  for (const [bytes, reason] of cases) {
    const result = await readZip(bytes);
    assert.equal(result.entries, undefined);
    assert.match(result.error, reason);
  }
});
