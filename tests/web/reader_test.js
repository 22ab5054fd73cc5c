// The saver reader: trailer checks at their edges, records in order with
// the wrap-around, lengths that point past the end, and what is fetched
// over HTTP with and without Range.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import {
  bytesSource, jpegSize, NOT_A_SAVER, PackageReader, SaverError, urlSource,
} from '../../web/lumaveil_player.js';
import { blockField, buildSaver, fakeJpeg, optionsBlock } from './package_builder.js';

const screens = (n, padding = 10) => Array.from({ length: n }, (_, i) => ({
  duration: i + 1, effect: i, image: fakeJpeg(640, 480, padding, i + 1),
}));

async function open(bytes) {
  const reader = new PackageReader(bytesSource(bytes));
  await reader.open();
  return reader;
}

const rejects = (promise) => assert.rejects(promise, (e) => e instanceof SaverError &&
                                                          e.message === NOT_A_SAVER);

describe('trailer', () => {
  it('accepts the edges of every range', async () => {
    for (const trailer of [{ width: 240, height: 240 }, { width: 16384, height: 100000 },
      { width: 240, height: 320 }]) {
      const reader = await open(buildSaver({ records: screens(2), trailer }));
      assert.equal(reader.trailer.width, trailer.width);
    }
  });

  it('refuses values just outside them, and a file too short for a trailer', async () => {
    for (const trailer of [{ width: 239 }, { width: 16385 }, { height: 239 }, { screenCount: 0 },
      { screenCount: 32000 }, { screenCount: -1 }, { dataOffset: 0 }, { dataOffset: -5 }]) {
      await rejects(open(buildSaver({ records: screens(2), trailer })));
    }
    await rejects(open(new Uint8Array(16)));
    await rejects(open(new Uint8Array(0)));
  });

  it('refuses more screens than the file could hold and a first record past the end', async () => {
    // 2 records of 12 + 30 bytes: 7 headers of 12 bytes would still fit, 8 would not.
    await open(buildSaver({ records: screens(2, 10), trailer: { screenCount: 7 } }));
    await rejects(open(buildSaver({ records: screens(2, 10), trailer: { screenCount: 8 } })));
    const bytes = buildSaver({ records: screens(2) });
    await rejects(open(buildSaver({ records: screens(2), trailer: { dataOffset: bytes.length } })));
  });
});

describe('records', () => {
  it('come in order and wrap around after the last', async () => {
    const reader = await open(buildSaver({ records: screens(3) }));
    const seen = [];
    for (let i = 0; i < 7; i += 1) {
      const r = await reader.readRecord();
      seen.push([r.number, r.duration, r.effect, r.image[r.image.length - 3]]);
    }
    assert.deepEqual(seen, [[1, 1, 0, 1], [2, 2, 1, 2], [3, 3, 2, 3], [1, 1, 0, 1], [2, 2, 1, 2],
      [3, 3, 2, 3], [1, 1, 0, 1]]);
  });

  it('start where imageLength says, whatever follows the picture end marker', async () => {
    const first = fakeJpeg(640, 480, 4);
    const withTail = new Uint8Array([...first, 1, 2, 3, 4, 5]);
    const reader = await open(buildSaver({ records: [
      { duration: 3, effect: 0, image: withTail }, { duration: 9, effect: 4, image: fakeJpeg(640, 480) }] }));
    assert.equal((await reader.readRecord()).image.length, withTail.length);
    const second = await reader.readRecord();
    assert.deepEqual([second.duration, second.effect], [9, 4]);
  });

  it('refuse an image length past the records, negative, or too short for a picture', async () => {
    for (const length of [1e6, -1, 2]) {
      const records = screens(2);
      records[1].length = length;
      const reader = await open(buildSaver({ records }));
      await reader.readRecord();
      await rejects(reader.readRecord());
    }
  });
});

describe('jpegSize', () => {
  it('reads the frame header after other segments and refuses what is not a JPEG', () => {
    assert.deepEqual(jpegSize(fakeJpeg(1024, 768)), { width: 1024, height: 768 });
    assert.equal(jpegSize(new Uint8Array([0x89, 0x50, 0x4e, 0x47, 0, 0, 0, 0])), null);
    // Start marker, then the scan before any frame header.
    assert.equal(jpegSize(new Uint8Array([0xff, 0xd8, 0xff, 0xda, 0, 4, 0, 0])), null);
    // A segment whose length runs past the bytes.
    assert.equal(jpegSize(new Uint8Array([0xff, 0xd8, 0xff, 0xe0, 0xff, 0xff, 0, 0])), null);
  });
});

// A fetch over `bytes` that logs each request's range; with Range off it
// answers 200 with the whole file like a server that ignores the header.
function server(bytes, { range = true } = {}) {
  const log = [];
  const fetch = async (url, init = {}) => {
    const asked = init.headers && init.headers.Range;
    let start = 0;
    let end = bytes.length - 1;
    const suffix = /^bytes=-(\d+)$/.exec(asked || '');
    const span = /^bytes=(\d+)-(\d+)$/.exec(asked || '');
    if (range && suffix) start = bytes.length - Number(suffix[1]);
    if (range && span) [start, end] = [Number(span[1]), Math.min(end, Number(span[2]))];
    const partial = range && !!asked;
    log.push([start, end]);
    const body = bytes.slice(start, end + 1);
    return new Response(body, {
      status: partial ? 206 : 200,
      headers: partial ? { 'Content-Range': `bytes ${start}-${end}/${bytes.length}` } : {},
    });
  };
  return { fetch, log };
}

describe('urlSource', () => {
  const records = screens(4, 200000);
  const bytes = buildSaver({ engineLength: 300000, records });

  it('reads with Range requests, never the engine, and no more than a record plus 64 KiB ahead',
    async () => {
      const { fetch, log } = server(bytes);
      const reader = new PackageReader(await urlSource('x.scr', fetch));
      await reader.open();
      const first = await reader.readRecord();
      assert.equal(first.image.length, records[0].image.length);
      assert.ok(reader.received <= 16 + 12 + first.image.length + 65536, `${reader.received}`);
      for (let i = 0; i < 5; i += 1) await reader.readRecord();
      assert.ok(log.every(([start]) => start >= 300000), JSON.stringify(log));
    });

  it('reads the whole file once when the server ignores Range', async () => {
    const { fetch, log } = server(bytes, { range: false });
    const reader = new PackageReader(await urlSource('x.scr', fetch));
    await reader.open();
    const effects = [];
    for (let i = 0; i < 5; i += 1) effects.push((await reader.readRecord()).effect);
    assert.deepEqual(effects, [0, 1, 2, 3, 0]);
    assert.equal(log.length, 1);
  });

  it('keeps only the records of a streamed file, whatever its size', async () => {
    // 512 MB of engine, then the records and the trailer, from a server
    // without Range; memory holds a few records, never the file.
    const tail = buildSaver({ engineLength: 0, records: screens(3, 100000),
                              trailer: { dataOffset: 512 * 2 ** 20 } });
    const engine = 512 * 2 ** 20;
    const chunk = new Uint8Array(2 ** 20).fill(0x4d);
    let peak = 0;
    const fetch = async () => {
      let at = 0;
      const body = new ReadableStream({
        pull(c) {
          peak = Math.max(peak, process.memoryUsage().arrayBuffers);
          if (at < engine) c.enqueue(chunk.subarray(0, Math.min(chunk.length, engine - at)));
          else if (at < engine + tail.length) c.enqueue(tail.slice(at - engine, at - engine + 65536));
          else c.close();
          at += at < engine ? chunk.length : 65536;
        },
      });
      return new Response(body, { status: 200, headers: { 'Content-Length': String(engine + tail.length) } });
    };
    const before = process.memoryUsage().arrayBuffers;
    const reader = new PackageReader(await urlSource('x.scr', fetch));
    assert.equal((await reader.open()).dataOffset, engine);
    for (let i = 0; i < 4; i += 1) assert.equal((await reader.readRecord()).number, (i % 3) + 1);
    peak = Math.max(peak, process.memoryUsage().arrayBuffers);
    assert.ok(peak - before < 32 * 2 ** 20, `${(peak - before) / 2 ** 20} MiB held`);
  });

  it('says which HTTP status kept the file from loading', async () => {
    const fetch = async () => new Response('gone', { status: 404 });
    await assert.rejects(urlSource('x.scr', fetch), /HTTP 404/);
  });
});

describe('options block', () => {
  const records = screens(3);
  const entries = [{ transitionMs: 100 }, { pictureWidth: 800, pictureHeight: 600, subject: [1, 2, 3, 4] },
    { transitionMs: 10000 }];
  const withBlock = (block, changes = (r) => r) => buildSaver({ records: changes(screens(3)), block });

  it('gives the flags and each record its entry; a saver without one the designed values', async () => {
    const reader = await open(withBlock({ flags: 1 | 4, entries, entrySize: 40 }));
    assert.equal(reader.options.flags, 5);
    const got = [];
    for (let i = 0; i < 3; i += 1) got.push((await reader.readRecord()).entry);
    assert.deepEqual(got.map((e) => [e.transitionMs, e.pictureWidth, e.subjectLeft, e.subjectBottom]),
      [[100, 640, 0, 10000], [1500, 800, 1, 4], [10000, 640, 0, 10000]]);
    const plain = await open(buildSaver({ records }));
    assert.deepEqual([plain.options.flags, (await plain.readRecord()).entry.transitionMs], [0, 1500]);
    // The saver's language, among fields a reader does not know.
    const fields = new Uint8Array([...blockField('NEXT', 'abcde'), ...blockField('LANG', 'de')]);
    const worded = await open(withBlock({ entries, fields }));
    assert.deepEqual([worded.options.language, (await worded.read(2)).entry.transitionMs], ['de', 10000]);
  });

  it('refuses a damaged block like a damaged trailer', async () => {
    const length = 32 + 3 * 28;
    for (const block of [
      { header: { 0: 0x4f4f4f4f } }, { header: { 4: length + 28 } }, { header: { 8: 0 } },
      { header: { 16: 4 } }, { entrySize: 27 }, { header: { [-8]: length - 1 } },
      { header: { [-8]: 1 << 30 } }, { entries: [{ transitionMs: 99 }] },
      { entries: [{ transitionMs: 10001 }] }, { entries: [{ pictureWidth: 639 }] },
      { entries: [{ pictureHeight: 70000 }] }, { entries: [{ subject: [5000, 0, 5000, 10000] }] },
      { entries: [{ subject: [0, 0, 10000, 10001] }] },
      { fields: blockField('LANG', 'DE') }, { fields: blockField('LANG', 'deutsch') },
      { fields: blockField('LANG', 'de', 1) },
      { fields: new Uint8Array([...blockField('LANG', 'de'), ...blockField('LANG', 'fr')]) },
      { fields: blockField('LANG', 'de'), header: { [-16]: 8 } }, { fields: blockField('LANG', 'de'), header: { [-16]: -1 } },
      { fields: blockField('LANG', 'de'), header: { 8: 1 } }, { fields: new Uint8Array(4) },
    ]) {
      await rejects(open(withBlock(block)));
    }
    // Records that do not end where the block begins.
    const short = await open(withBlock({}, (r) => { r[2].length -= 2; return r; }));
    await short.readRecord();
    await short.readRecord();
    await rejects(short.readRecord());
    assert.equal(optionsBlock({ width: 640, height: 480, count: 3 }).length, length);
  });
});

describe('picture size', () => {
  it('refuses a JPEG larger than its record declares, before it is decoded', async () => {
    const block = { entries: [{}, { pictureWidth: 800, pictureHeight: 600 }] };
    for (const [width, height, pictures, fits] of [
      [640, 480, null, true], [320, 200, null, true], [16384, 16384, null, false], [641, 480, null, false],
      [640, 481, null, false], [800, 600, block, true], [801, 600, block, false], [800, 601, block, false],
    ]) {
      const image = fakeJpeg(width, height);
      const reader = await open(buildSaver({ block: pictures,
        records: [{ duration: 1, effect: 0, image: fakeJpeg(640, 480) }, { duration: 1, effect: 9, image }] }));
      await reader.readRecord();
      if (fits) assert.equal((await reader.readRecord()).image.length, image.length);
      else await rejects(reader.readRecord());
    }
  });
});
