// The moving effects' arithmetic gives, to the last bit, the values the
// native players compute (taken from player/core/motion.cpp): pan-and-zoom
// windows with and without a subject, both orientations, the shuffle's
// cycles and the cross-fade weight.
import assert from 'node:assert/strict';
import { it } from 'node:test';

import { crossFadeAlpha, nextShuffleCycle, panZoomWindow } from '../../web/lumaveil_player.js';

// [index, progress, picture w, h, saver w, h, subject?, x, y, w, h]
const windows = [
  [0, 0, 1280, 960, 1024, 768, false, 251.98431372549018, 144.56470588235294, 1024, 768],
  [0, 0, 1280, 960, 1024, 768, true, 0, 0, 1280, 960],
  [0, 0.37, 1280, 960, 1024, 768, false, 158.7501176470588, 91.075764705882349, 1118.72, 839.03999999999996],
  [0, 0.37, 1280, 960, 1024, 768, true, 94.719999999999999, 0, 1185.28, 888.96000000000004],
  [0, 1, 1280, 960, 1024, 768, false, 0, 0, 1280, 960],
  [0, 1, 1280, 960, 1024, 768, true, 256, 0, 1024, 768],
  [1, 0, 1280, 960, 1024, 768, false, 102.40000000000001, 176.94117647058823, 1024, 768],
  [1, 0, 1280, 960, 1024, 768, true, 0, 0, 1280, 960],
  [1, 0.37, 1280, 960, 1024, 768, false, 64.512, 111.47294117647058, 1118.72, 839.03999999999996],
  [1, 0.37, 1280, 960, 1024, 768, true, 94.719999999999999, 0, 1185.28, 888.96000000000004],
  [1, 1, 1280, 960, 1024, 768, false, 0, 0, 1280, 960],
  [1, 1, 1280, 960, 1024, 768, true, 256, 0, 1024, 768],
  [7, 0, 2400, 1350, 1920, 1080, false, 301.1764705882353, 191.64705882352942, 1920, 1080],
  [7, 0, 2400, 1350, 1920, 1080, true, 0, 0, 2400, 1350],
  [7, 0.37, 2400, 1350, 1920, 1080, false, 189.74117647058824, 120.73764705882354, 2097.5999999999999, 1179.9000000000001],
  [7, 0.37, 2400, 1350, 1920, 1080, true, 177.59999999999991, 0, 2222.4000000000001, 1250.0999999999999],
  [7, 1, 2400, 1350, 1920, 1080, false, 0, 0, 2400, 1350],
  [7, 1, 2400, 1350, 1920, 1080, true, 480, 0, 1920, 1080],
  [12345, 0, 960, 1280, 768, 1024, false, 0, 0, 960, 1280],
  [12345, 0, 960, 1280, 768, 1024, true, 0, 0, 960, 1280],
  [12345, 0.37, 960, 1280, 768, 1024, false, 7.5218823529411729, 85.805176470588236, 888.96000000000004, 1185.28],
  [12345, 0.37, 960, 1280, 768, 1024, true, 71.039999999999964, 0, 888.96000000000004, 1185.28],
  [12345, 1, 960, 1280, 768, 1024, false, 20.329411764705874, 231.90588235294118, 768, 1024],
  [12345, 1, 960, 1280, 768, 1024, true, 192, 0, 768, 1024],
];

it('gives the native pan-and-zoom windows exactly', () => {
  const none = { subjectLeft: 0, subjectTop: 0, subjectRight: 10000, subjectBottom: 10000 };
  const subject = { subjectLeft: 6000, subjectTop: 1000, subjectRight: 9000, subjectBottom: 5000 };
  for (const [index, p, pw, ph, sw, sh, framed, ...expected] of windows) {
    const w = panZoomWindow(index, p, pw, ph, sw, sh, framed ? subject : none);
    assert.deepEqual([w.x, w.y, w.w, w.h], expected, `record ${index} at ${p}`);
  }
});

it('shuffles and weighs the cross-fade as the native players do', () => {
  const shuffle = { state: 12345, last: -1 };
  const cycles = [0, 1, 2].map(() => nextShuffleCycle(shuffle, 5));
  assert.deepEqual(cycles, [[3, 0, 2, 1, 4], [0, 3, 1, 4, 2], [1, 0, 2, 4, 3]]);
  assert.deepEqual([crossFadeAlpha(600, 1200), crossFadeAlpha(1, 1500), crossFadeAlpha(1499, 1500)], [128, 0, 256]);
});
