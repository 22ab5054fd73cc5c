// The browser's files as the core reads them (readInBlocks): any run of
// reads, at any place and of any length, gives the file's own bytes, and a
// photo read in small pieces costs a few trips to the browser, not one
// per piece; a file read ahead costs none while it is held.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const { readInBlocks } = await import(
  pathToFileURL(path.join(process.env.LUMAVEIL_BUILD_DIR, 'web-maker', 'maker_core.js')));

// A file the browser keeps, as WORKERFS sees it (size, slice), and a
// FileReaderSync that counts its reads.
function browserFile(bytes) {
  return { size: bytes.length, slice: (a, b) => ({ bytes: bytes.slice(a, b) }) };
}
let trips = 0;
globalThis.FileReaderSync = class {
  readAsArrayBuffer(part) {
    ++trips;
    return part.bytes.buffer;
  }
};

test('reads give the bytes of the file whatever their place and length', () => {
  const ops = { read: () => assert.fail('the reads go through the blocks') };
  readInBlocks({ filesystems: { WORKERFS: { stream_ops: ops } } });
  const bytes = Uint8Array.from({ length: 2.5 * 2 ** 20 + 13 }, (_, k) => (k * 7919) >> 5);
  const other = Uint8Array.from({ length: 5000 }, (_, k) => 255 - (k & 255));
  const files = [browserFile(bytes), browserFile(other)];
  // From the start in 4 KB reads, as stdio reads; then pieces across the
  // blocks' ends, past the end, and the other file between them.
  const reads = [];
  for (let at = 0; at < bytes.length; at += 4096) reads.push([0, at, 4096]);
  reads.push([0, 2 ** 20 - 3, 10], [1, 4990, 100], [0, 5, 3 * 2 ** 20], [0, bytes.length - 1, 50],
             [0, bytes.length, 10], [1, 0, 5000], [0, 2 ** 21 + 1, 2 ** 20]);
  trips = 0;
  for (const [which, position, length] of reads) {
    const file = which ? other : bytes;
    const buffer = new Uint8Array(length + 2).fill(0xAA);
    const n = ops.read({ node: { contents: files[which] } }, buffer, 1, length, position);
    const expected = file.subarray(Math.min(position, file.length), Math.min(file.length, position + length));
    assert.equal(n, expected.length, `read of ${length} at ${position}`);
    assert.deepEqual(buffer.subarray(1, 1 + n), expected, `bytes at ${position}`);
    assert.equal(buffer[0], 0xAA, 'nothing is written before the place asked');
    assert.equal(buffer[1 + n], 0xAA, 'nothing is written past what was read');
  }
  assert.ok(trips <= 10, `${trips} trips to the browser for ${reads.length} reads`);
});

test('a file read ahead is read from memory while it is one of the last two held', () => {
  const ops = {};
  const blocks = readInBlocks({ filesystems: { WORKERFS: { stream_ops: ops } } });
  const contents = [0, 1, 2].map((n) => Uint8Array.from({ length: 3000 + n }, (_, k) => (k * 31 + n) & 255));
  const files = contents.map(browserFile);
  const read = (which, position, length) => {
    const buffer = new Uint8Array(length);
    return buffer.subarray(0, ops.read({ node: { contents: files[which] } }, buffer, 0, length, position));
  };
  blocks.hold(files[0], contents[1]);  // not this file's size: not held
  blocks.hold(files[1], contents[1]);
  blocks.hold(files[2], contents[2]);
  trips = 0;
  assert.deepEqual(read(2, 10, 100), contents[2].subarray(10, 110));
  assert.deepEqual(read(1, 2990, 50), contents[1].subarray(2990));
  assert.equal(trips, 0);
  blocks.hold(files[0], contents[0]);  // the first held goes
  assert.deepEqual(read(0, 0, 3000), contents[0]);
  assert.deepEqual(read(1, 0, 10), contents[1].subarray(0, 10));
  assert.equal(trips, 1);
  blocks.forget();
  assert.deepEqual(read(0, 5, 5), contents[0].subarray(5, 10));
  assert.equal(trips, 2);
});
