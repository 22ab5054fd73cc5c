// The player's timing and sequence on a stepped clock: first screen without
// effect, ten steps 50 ms apart, durations in whole seconds after the
// transition, Random from the player's generator, wrap-around, pauses.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import { bytesSource, nextShuffleCycle, PackageReader, Player } from '../../web/lumaveil_player.js';
import { ManualClock } from './manual_clock.js';
import { buildSaver, fakeJpeg } from './package_builder.js';

// A canvas whose context logs each picture drawn, copied or stretched:
// [time, record, dest].
function fakeCanvas(clock, log) {
  const ctx = {
    fillRect() {},
    drawImage(picture, ...args) { log.push([clock.now(), picture.record, args.slice(4)]); },
    createImageData: (w, h) => ({ width: w, height: h, data: new Uint8ClampedArray(w * h * 4) }),
    putImageData(image, x, y) {
      log.push([clock.now(), new Uint32Array(image.data.buffer)[0], [x, y, image.width, image.height]]);
    },
  };
  return { width: 640, height: 480, getContext: () => ctx };
}

async function playing(records, { start = 0, reducedMotion = () => false, block = null } = {}) {
  const clock = new ManualClock(start);
  const log = [];
  const bytes = buildSaver({ block, records: records.map(([duration, effect], i) => ({
    duration, effect, image: fakeJpeg(640, 480, 1, i + 1) })) });
  const player = new Player(fakeCanvas(clock, log), new PackageReader(bytesSource(bytes)), {
    clock, reducedMotion, seed: 7,
    // The picture stands for its record (the byte after the frame header),
    // and so do all its pixels.
    decode: async (image) => ({ width: 640, height: 480, record: image[18],
                                pixels: new Uint32Array(640 * 480).fill(image[18]) }),
    onError: (message) => assert.fail(message),
  });
  await player.start();
  // Records load asynchronously; let them arrive before time moves.
  const settle = () => new Promise((resolve) => setImmediate(resolve));
  const run = async (ms, by = 50) => {
    for (let t = 0; t < ms; t += by) {
      await settle();
      clock.advance(by);
    }
    await settle();
  };
  await settle();
  return { clock, log, player, run };
}

// The first time each record appears, with the number of blits it took.
function appearances(log) {
  const shows = [];
  for (const [time, record] of log) {
    const last = shows[shows.length - 1];
    if (last && last.record === record && time - last.at < 1000) last.blits += 1;
    else shows.push({ record, at: time, blits: 1 });
  }
  return shows;
}

describe('Player', () => {
  it('draws the first screen without effect and the next ones in ten steps 50 ms apart', async () => {
    const { log, run } = await playing([[2, 4], [3, 1]]);
    await run(3000);
    const shows = appearances(log);
    assert.deepEqual(shows.slice(0, 2), [{ record: 1, at: 0, blits: 1 }, { record: 2, at: 2000, blits: 10 }]);
    const steps = log.filter(([, record]) => record === 2).map(([time, , dest]) => [time, dest[3]]);
    assert.deepEqual(steps.map(([t]) => t), [2000, 2050, 2100, 2150, 2200, 2250, 2300, 2350, 2400, 2450]);
    assert.deepEqual(steps.map(([, h]) => h), [48, 96, 144, 192, 240, 288, 336, 384, 432, 480]);
  });

  it('counts durations in whole seconds from the end of the transition, and wraps around', async () => {
    // Started 700 ms into a second: the first screen counts from second 0.
    const { log, run } = await playing([[2, 0], [1, 5], [3, 6]], { start: 700 });
    await run(12000);
    const shows = appearances(log).map(({ record, at }) => [record, at]);
    // 1 at 0.7 s (second 0) for 2 s -> 2.7 s; its 0.5 s transition ends at 3.2 s
    // (second 3), 1 s later -> 4.2 s, ends 4.7 s (second 4), 3 s -> 7.7 s ...
    assert.deepEqual(shows.slice(0, 5), [[1, 700], [2, 2700], [3, 4200], [1, 7700], [2, 9700]]);
  });

  it('resolves Random with the generator, not for the first screen', async () => {
    const { log, run } = await playing([[1, 7], [1, 7]]);
    await run(8000);
    const blits = appearances(log).map(({ blits }) => blits);
    const widths = log.filter(([time]) => time === 1000 || time === 2500 || time === 4000)
      .map(([, , dest]) => dest);
    // 41 % 7 = 6 (centre), 18467 % 7 = 1 (top band), 6334 % 7 = 6 (centre).
    assert.deepEqual(blits.slice(0, 4), [1, 10, 10, 10]);
    assert.deepEqual(widths, [[288, 216, 64, 48], [0, 0, 640, 48], [288, 216, 64, 48]]);
  });

  it('draws every transition as one blit when motion is reduced', async () => {
    const { log, run } = await playing([[1, 3], [1, 4]], { reducedMotion: () => true });
    await run(5000);
    assert.ok(appearances(log).every(({ blits }) => blits === 1));
    assert.ok(appearances(log).length >= 4);
  });

  it('does not count the time it spends paused', async () => {
    const { clock, log, player, run } = await playing([[2, 0], [2, 0]]);
    await run(1000);
    player.pause();
    clock.advance(60000);
    player.resume();
    await run(3000);
    assert.deepEqual(appearances(log).map(({ at }) => at), [0, 62000, 64000]);
  });

  it('plays shuffled cycles from its seed when the saver asks for shuffle', async () => {
    const { log, run } = await playing([[1, 0], [1, 0], [1, 0], [1, 0]], { block: { flags: 1 } });
    await run(12500);
    const shown = appearances(log).map(({ record }) => record - 1).slice(0, 12);
    const shuffle = { state: 7, last: -1 };
    assert.deepEqual(shown, [0, 1, 2].flatMap(() => nextShuffleCycle(shuffle, 4)));
  });
});

// The product's limit: the whole player, every effect, unminified.
it('the player module stays within 40 KB', async () => {
  const { stat } = await import('node:fs/promises');
  const { size } = await stat(new URL('../../web/lumaveil_player.js', import.meta.url));
  assert.ok(size <= 40960, `${size} bytes`);
});
