// The page's words: every language the maker writes pages in words every
// English text, keeps its %s, and any other language reads English.
import assert from 'node:assert/strict';
import { it } from 'node:test';

import { WORDS, wordsFor } from '../../web/lumaveil_page.js';
import { NOT_A_SAVER, UNREACHABLE } from '../../web/lumaveil_player.js';

it('each language words the same texts, the value in place, else English', () => {
  const english = Object.keys(WORDS.fr).sort();
  assert.ok(english.includes(NOT_A_SAVER) && english.includes(UNREACHABLE));
  for (const [lang, words] of Object.entries(WORDS)) {
    assert.deepEqual(Object.keys(words).sort(), english, lang);
    for (const [text, worded] of Object.entries(words)) {
      assert.notEqual(worded, '', `${lang}: ${text}`);
      assert.equal(worded.includes('%s'), text.includes('%s'), `${lang}: ${text}`);
    }
  }
  assert.equal(wordsFor('de-AT')('Loading %s', 'Sommer'), 'Sommer wird geladen');
  assert.equal(wordsFor('es_MX')('Next'), 'Siguiente');
  assert.equal(wordsFor('de')(UNREACHABLE, '404'), 'Der Bildschirmschoner konnte nicht geladen werden (HTTP 404).');
  assert.equal(wordsFor('pt')('Next'), 'Next');
  assert.equal(wordsFor('')('Loading %s', 'Summer'), 'Loading Summer');
  assert.equal(wordsFor('fr')('a text of nobody'), 'a text of nobody');
});
