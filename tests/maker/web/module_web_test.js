// The maker's core in WebAssembly against the desktop's `lumaveil`: the
// same project, made at test time from small pictures, renders to the
// same screens and generates the same savers in both; the browser's
// project file is the desktop's; an unreadable photo is named and the
// others go on.
//
// node --test module_web_test.js, with LUMAVEIL_BUILD_DIR the build
// directory (bin/lumaveil, web-maker/).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const build = process.env.LUMAVEIL_BUILD_DIR;
const lumaveil = path.join(build, 'bin', 'lumaveil');
const webMaker = path.join(build, 'web-maker');
const { openCore, fontFiles, FONT_TABLE } =
  await import(pathToFileURL(path.join(webMaker, 'maker_core.js')));

let dir;
let core;

// A 24-bit BMP of w x h: smooth gradients and a checker, so that decoding,
// resizing and encoding differences would show.
function bmp(w, h) {
  const stride = Math.ceil((w * 3) / 4) * 4;
  const out = Buffer.alloc(54 + stride * h);
  out.write('BM', 0, 'latin1');
  out.writeUInt32LE(out.length, 2);
  out.writeUInt32LE(54, 10);
  out.writeUInt32LE(40, 14);
  out.writeInt32LE(w, 18);
  out.writeInt32LE(h, 22);
  out.writeUInt16LE(1, 26);
  out.writeUInt16LE(24, 28);
  out.writeUInt32LE(stride * h, 34);
  for (let y = 0; y < h; ++y) {
    for (let x = 0; x < w; ++x) {
      const o = 54 + y * stride + x * 3;
      const checker = ((x >> 3) + (y >> 3)) & 1 ? 40 : 0;
      out[o] = (x * 255) / w;
      out[o + 1] = (y * 255) / h;
      out[o + 2] = Math.min(255, ((x + y) * 255) / (w + h) + checker);
    }
  }
  return out;
}

function desktop(...args) {
  return spawnSync(lumaveil, args, { encoding: 'latin1', env: { ...process.env, HOME: dir } });
}

// The core's file system holds the test folder under the same path, so a
// project names its pictures the same way in both.
function copyIn(name) {
  core.writeFile(path.join(dir, name), fs.readFileSync(path.join(dir, name)));
}

before(async () => {
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'lumaveil-web-'));
  const file = (name) => path.join(dir, name);
  fs.writeFileSync(file('source.bmp'), bmp(320, 200));
  // A JPEG and a PNG made by the desktop from the BMP.
  assert.equal(desktop('--new', file('source.lmv'), '--resolution', '320x240', file('source.bmp')).status, 0);
  for (const picture of ['photo.jpg', 'photo.png'])
    assert.equal(desktop('--render', file('source.lmv'), '--screen', '1', '--output', file(picture),
                         '--quality', '90').status, 0);
  fs.writeFileSync(file('damaged.jpg'), fs.readFileSync(file('photo.jpg')).subarray(0, 300));
  // What an iPhone writes: an ISO box "ftyp" with the brand heic.
  fs.writeFileSync(file('iphone.heic'),
                   Buffer.from('000000186674797068656963000000006d69663168656963', 'hex'));
  // A template with a caption, a border and a patterned background.
  assert.equal(desktop('--save-template', file('source.lmv'), '--output', file('t.mod')).status, 0);
  const set = (text, key, value) =>
    text.replace(new RegExp(`^(\\[${key.replace(/[[\]]/g, '\\$&')}\\] ).*$`, 'm'), `$1${value}`);
  let template = fs.readFileSync(file('t.mod'), 'latin1');
  template = set(template, 'Texte n\u00b01 Utilisation', '1');
  template = set(template, 'Texte n\u00b01 Libelle', 'Lumaveil in the browser');
  template = set(template, 'Cadre Utilisation', '1');
  template = set(template, 'Fond Motif Utilisation', '1');
  fs.writeFileSync(file('t.mod'), template, 'latin1');
  const pictures = ['photo.jpg', 'photo.png', 'source.bmp'].map(file);
  assert.equal(desktop('--new', file('desktop.lmv'), '--template', file('t.mod'),
                       '--resolution', '640x480', ...pictures).status, 0);

  const fontDir = path.join(webMaker, 'polices');
  const table = fs.readFileSync(path.join(fontDir, FONT_TABLE), 'utf8');
  const fonts = new Map([[FONT_TABLE, Buffer.from(table)]]);
  for (const name of fontFiles(table)) fonts.set(name, fs.readFileSync(path.join(fontDir, name)));
  core = await openCore({ wasmBinary: fs.readFileSync(path.join(webMaker, 'lumaveil_core.wasm')),
                         fonts });
  for (const name of ['photo.jpg', 'photo.png', 'source.bmp', 'damaged.jpg', 'iphone.heic', 't.mod'])
    copyIn(name);
});

after(() => fs.rmSync(dir, { recursive: true, force: true }));

test('a project made in the browser is the one the desktop makes', () => {
  const pictures = ['photo.jpg', 'photo.png', 'source.bmp'].map((n) => path.join(dir, n));
  const made = core.run(['--new', path.join(dir, 'web.lmv'), '--template', path.join(dir, 't.mod'),
                         '--resolution', '640x480', ...pictures]);
  assert.equal(made.status, 0, made.messages.join('\n'));
  assert.deepEqual(Buffer.from(core.readFile(path.join(dir, 'web.lmv'))),
                   fs.readFileSync(path.join(dir, 'desktop.lmv')));
});

// Pixels of a 24-bit BMP, bottom-up rows without their padding.
function pixels(file) {
  const w = file.readInt32LE(18), h = Math.abs(file.readInt32LE(22));
  const stride = Math.ceil((w * 3) / 4) * 4;
  const rows = [];
  for (let y = 0; y < h; ++y) rows.push(file.subarray(54 + y * stride, 54 + y * stride + w * 3));
  return { w, h, data: Buffer.concat(rows) };
}

for (const screen of [1, 2, 3]) {
  test(`screen ${screen} renders as lumaveil --render renders it`, () => {
    copyIn('desktop.lmv');
    const out = path.join(dir, `screen${screen}.bmp`);
    assert.equal(desktop('--render', path.join(dir, 'desktop.lmv'), '--screen', String(screen),
                         '--output', out).status, 0);
    const made = core.run(['--render', path.join(dir, 'desktop.lmv'), '--screen', String(screen),
                           '--output', out]);
    assert.equal(made.status, 0, made.messages.join('\n'));
    const web = pixels(Buffer.from(core.readFile(out)));
    const native = pixels(fs.readFileSync(out));
    assert.deepEqual([web.w, web.h], [native.w, native.h]);
    // The same decoders and the same faces: the same pixels.
    let differ = 0;
    for (let i = 0; i < web.data.length; ++i) differ += web.data[i] !== native.data[i];
    assert.equal(differ, 0, `${differ} channel values differ`);
  });
}

// The records of a package: everything after the engine (the trailer
// holds the engine's length last).
for (const platform of ['windows', 'linux']) {
  test(`the ${platform} saver made in the browser has the desktop's records`, () => {
    const engine = path.join(dir, `engine-${platform}`);
    // The engine is copied as it is: any bytes stand for it.
    fs.writeFileSync(engine, Buffer.from(`engine for ${platform}\n`.repeat(50)));
    copyIn(path.basename(engine));
    copyIn('desktop.lmv');
    const out = path.join(dir, `saver-${platform}`);
    const args = ['--generate', path.join(dir, 'desktop.lmv'), '--output', out,
                  '--platform', platform, '--engine', engine, '--quality', '80'];
    const native = desktop(...args);
    assert.equal(native.status, 0, native.stderr);
    const made = core.run(args);
    assert.equal(made.status, 0, made.messages.join('\n'));
    const web = Buffer.from(core.readFile(out));
    const desk = fs.readFileSync(out);
    assert.equal(web.length, desk.length);
    assert.ok(web.equals(desk), 'the packages differ');
  });
}

test('a screen with neither a picture nor a text is left out of the saver and named', () => {
  const project = path.join(dir, 'blank.lmv');
  core.run(['--new', project, '--resolution', '320x240',
            ...['photo.jpg', 'photo.png'].map((n) => path.join(dir, n))]);
  assert.ok(core.change(project, 0, 'ajoute', '', '').done);
  const engine = path.join(dir, 'engine-windows');
  core.writeFile(engine, new TextEncoder().encode('engine'));
  const made = core.run(['--generate', project, '--output', path.join(dir, 'blank.scr'),
                         '--engine', engine]);
  assert.equal(made.status, 0, made.messages.join('\n'));
  assert.deepEqual(made.messages.filter((l) => !/^\(\d+ \/ \d+\)/.test(l)),
                   ['Screen 3 has no picture and no text; it was left out.']);
});

test('an unreadable photo is named and the other screens are generated', () => {
  const pictures = ['photo.jpg', 'damaged.jpg', 'iphone.heic', 'photo.png'].map((n) => path.join(dir, n));
  const project = path.join(dir, 'mixed.lmv');
  core.run(['--new', project, '--resolution', '320x240', ...pictures]);
  const engine = path.join(dir, 'engine-windows');
  core.writeFile(engine, new TextEncoder().encode('engine'));
  const made = core.run(['--generate', project, '--output', path.join(dir, 'mixed.scr'),
                         '--engine', engine]);
  // Written, but not whole: status 2, and each unreadable photo named.
  assert.equal(made.status, 2, made.messages.join('\n'));
  const said = made.messages.join('\n');
  assert.match(said, new RegExp(`Unable to load file: ${pictures[1]}`));
  assert.match(said, new RegExp(`Unable to load file: ${pictures[2]}`));
  assert.match(said, /HEIC photos cannot be read in the browser: export the photo as JPEG/);
});
