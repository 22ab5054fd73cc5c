// Where the screens go and how big each step of an effect is.
import assert from 'node:assert/strict';
import { describe, it } from 'node:test';

import { computeGeometry, part, planStep } from '../../web/lumaveil_player.js';

describe('computeGeometry', () => {
  it('centres a narrower picture at its own size', () => {
    assert.deepEqual(computeGeometry(640, 480, 1024, 768),
      { x: 192, y: 144, width: 640, height: 480, stretch: false });
  });

  it('compares only the widths: a narrower but taller picture starts above the screen', () => {
    assert.deepEqual(computeGeometry(800, 1001, 1024, 768),
      { x: 112, y: -116, width: 800, height: 1001, stretch: false });
  });

  it('copies a picture of the screen width into the whole screen, scales a wider one', () => {
    assert.deepEqual(computeGeometry(1024, 500, 1024, 768),
      { x: 0, y: 0, width: 1024, height: 768, stretch: false });
    assert.deepEqual(computeGeometry(1280, 960, 1024, 768),
      { x: 0, y: 0, width: 1024, height: 768, stretch: true });
  });
});

describe('step sizes', () => {
  const scaled = computeGeometry(1280, 960, 1024, 768);
  const centred = { x: 192, y: 144, width: 640, height: 480, stretch: false };

  it('grow by a tenth, truncated, and reach the full size at step 10', () => {
    assert.deepEqual([1, 9, 10].map((s) => part(767, s)), [76, 684, 767]);
    assert.equal(part(9, 5), 0);
  });

  it('take the band of the picture that matches the band of the screen (Up/Down, scaled)', () => {
    assert.deepEqual(planStep(1, 3, scaled, 1280, 960), {
      dest: { x: 0, y: 0, w: 1024, h: 228 }, source: { x: 0, y: 0, w: 1280, h: 288 }, stretch: true });
  });

  it('copy the bottom rows of the picture into a band anchored at the bottom (Down/Up)', () => {
    assert.deepEqual(planStep(4, 2, centred, 640, 480), {
      dest: { x: 192, y: 144 + 480 - 96, w: 640, h: 96 }, source: { x: 0, y: 384, w: 640, h: 96 },
      stretch: false });
  });

  it('grow the whole picture from the centre, the corners and the left edge', () => {
    assert.deepEqual(planStep(6, 1, centred, 640, 480).dest, { x: 480, y: 360, w: 64, h: 48 });
    assert.deepEqual(planStep(2, 5, centred, 640, 480),
      { dest: { x: 192, y: 144, w: 320, h: 240 }, source: { x: 0, y: 0, w: 640, h: 480 }, stretch: true });
    assert.deepEqual(planStep(3, 5, centred, 640, 480).dest, { x: 512, y: 384, w: 320, h: 240 });
    assert.deepEqual(planStep(5, 5, scaled, 1280, 960),
      { dest: { x: 0, y: 0, w: 510, h: 768 }, source: { x: 0, y: 0, w: 640, h: 960 }, stretch: true });
  });

  it('draw unknown codes as one whole blit', () => {
    for (const code of [8, -1, 1000]) {
      assert.deepEqual(planStep(code, 1, centred, 640, 480), {
        dest: { x: 192, y: 144, w: 640, h: 480 }, source: { x: 0, y: 0, w: 640, h: 480 }, stretch: false });
    }
  });
});
