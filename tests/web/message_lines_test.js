// What the page shows of the core's lines: one line per unreadable photo,
// naming it with its reason; the decoder's chatter and progress left out.
import { test } from 'node:test';
import assert from 'node:assert/strict';

import { messageLines } from '../../web/maker/message_lines.js';

const HEIC = 'HEIC photos cannot be read in the browser: export the photo as JPEG and add it again.';

test('one line per photo that cannot be read, the rest as it is', () => {
  const cases = [
    [["photos/d.jpg: The file's data ends before the picture does", 'Unable to load file: photos/d.jpg'],
     ["Unable to load file: photos/d.jpg (the file's data ends before the picture does)"]],
    [['Premature end of JPEG file', 'Corrupt JPEG data: 12 extraneous bytes before marker 0xd9',
      'Unable to load file: photos/b.jpg', 'Unable to load file: photos/b.jpg'],
     ['Unable to load file: photos/b.jpg']],
    [[`photos/i.heic: ${HEIC}`, 'Unable to load file: photos/i.heic', '(1 / 3) photos/a.jpg',
      'Unable to load file: photos/i.heic', 'Unable to write file: out/x.scr'],
     [`Unable to load file: photos/i.heic (${HEIC.charAt(0).toLowerCase()}${HEIC.slice(1, -1)})`,
      'Unable to write file: out/x.scr']],
    [['(2 / 20) Making screens', 'A screen saver needs two screens or more.',
      'A screen saver needs two screens or more.'],
     ['A screen saver needs two screens or more.']],
    [['Screens 1 and 4 have no picture and no text; they were left out.', 'JPEG Fatal Error',
      'Unable to load file: photos/b.jpg'],
     ['Screens 1 and 4 have no picture and no text; they were left out.',
      'Unable to load file: photos/b.jpg']],
    [[], []],
  ];
  for (const [lines, shown] of cases) assert.deepEqual(messageLines(lines), shown, lines.join(' | '));
});
