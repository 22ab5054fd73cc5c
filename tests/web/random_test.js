// The generator behind effect 7: the same values as the desktop player's,
// which are those of the classic Microsoft C runtime rand() from seed 1.
import assert from 'node:assert/strict';
import { it } from 'node:test';

import { Random, resolveEffect } from '../../web/lumaveil_player.js';

it('gives the C runtime sequence from state 1, in 0..32767, wrapping modulo 2^32', () => {
  const random = new Random();
  const values = Array.from({ length: 10 }, () => random.next());
  assert.deepEqual(values, [41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464]);
  for (let i = 0; i < 100000; i += 1) {
    const r = random.next();
    assert.ok(r >= 0 && r <= 32767 && Number.isInteger(r));
  }
});

it('resolves Random to one of 0..6 and leaves every other code alone', () => {
  const random = new Random();
  assert.deepEqual([7, 7, 7, 7].map((e) => resolveEffect(e, random)), [6, 1, 6, 5]);
  const untouched = new Random();
  assert.deepEqual([0, 6, 8, -1].map((e) => resolveEffect(e, untouched)), [0, 6, 8, -1]);
  assert.equal(untouched.state, 1);
});
