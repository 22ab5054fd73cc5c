// The page's editors and projects through the core in WebAssembly: each
// editor's values set the fields the desktop's editor sets, what the
// browser then renders is what `lumaveil --render` renders of the same
// project file, the live preview is the edit's result; a project saved as
// a zip renders the same on the desktop and opens again the same, and a
// desktop project opens with its photos chosen beside it.
//
// node --test editeurs_web_test.js, with LUMAVEIL_BUILD_DIR the build
// directory (bin/lumaveil, web-maker/).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const build = process.env.LUMAVEIL_BUILD_DIR;
const lumaveil = path.join(build, 'bin', 'lumaveil');
const webMaker = path.join(build, 'web-maker');
const load = (name) => import(pathToFileURL(path.join(webMaker, name)));
const { openCore, fontFiles, readBmp, FONT_TABLE } = await load('maker_core.js');
const { saveArchive, openArchive, openProject } = await load('project_archive.js');
const { readZip } = await load('zip_archive.js');

const PROJECT = 'projet.lmv';
let dir;
let fonts;
let core;
let start;  // the project file before any edit

function desktop(args, cwd = dir) {
  return spawnSync(lumaveil, args, { cwd, encoding: 'latin1', env: { ...process.env, HOME: dir } });
}

// A 24-bit BMP of w x h with gradients and a checker.
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
  for (let y = 0; y < h; ++y) {
    for (let x = 0; x < w; ++x) {
      const o = 54 + y * stride + x * 3;
      out[o] = (x * 255) / w;
      out[o + 1] = (y * 255) / h;
      out[o + 2] = ((x >> 4) + (y >> 4)) & 1 ? 200 : 30;
    }
  }
  return out;
}

async function newCore(folder) {
  const c = await openCore({ wasmBinary: fs.readFileSync(path.join(webMaker, 'lumaveil_core.wasm')), fonts });
  c.mkdir(folder);
  c.chdir(folder);
  return c;
}

// The screen as the browser renders it.
function webRender(c, screen = 1) {
  const made = c.run(['--render', PROJECT, '--screen', String(screen), '--output', '/tmp/r.bmp']);
  assert.equal(made.status, 0, made.messages.join('\n'));
  return readBmp(c.readFile('/tmp/r.bmp'));
}

// The same project file and photos on the disk, rendered by the desktop.
function desktopRender(c, folder, files) {
  for (const name of files) {
    fs.mkdirSync(path.dirname(path.join(folder, name)), { recursive: true });
    fs.writeFileSync(path.join(folder, name), c.readFile(name));
  }
  const made = desktop(['--render', files[0], '--screen', '1', '--output', 'r.bmp'], folder);
  assert.equal(made.status, 0, made.stderr);
  return readBmp(new Uint8Array(fs.readFileSync(path.join(folder, 'r.bmp'))));
}

function assertSamePicture(a, b, what) {
  assert.deepEqual([a.width, a.height], [b.width, b.height], what);
  let differ = 0;
  for (let i = 0; i < a.rgba.length; ++i) differ += a.rgba[i] !== b.rgba[i];
  assert.equal(differ, 0, `${what}: ${differ} channel values differ`);
}

before(async () => {
  dir = fs.mkdtempSync(path.join(os.tmpdir(), 'lumaveil-editors-'));
  fs.writeFileSync(path.join(dir, 'source.bmp'), bmp(320, 240));
  assert.equal(desktop(['--new', 'source.lmv', '--resolution', '320x240', 'source.bmp']).status, 0);
  assert.equal(desktop(['--render', 'source.lmv', '--screen', '1', '--output', 'photo.jpg',
                        '--quality', '90']).status, 0);
  const fontDir = path.join(webMaker, 'polices');
  const table = fs.readFileSync(path.join(fontDir, FONT_TABLE), 'utf8');
  fonts = new Map([[FONT_TABLE, Buffer.from(table)]]);
  for (const name of fontFiles(table)) fonts.set(name, fs.readFileSync(path.join(fontDir, name)));
  core = await newCore('/projet');
  core.writeFile('photos/photo.jpg', fs.readFileSync(path.join(dir, 'photo.jpg')));
  assert.equal(core.change(PROJECT, 0, 'ajoute', 'photos/photo.jpg', '640x480').done, true);
  start = core.readFile(PROJECT);
});

after(() => fs.rmSync(dir, { recursive: true, force: true }));

const screen = () => core.project(PROJECT).ecrans[0];

// [editor, values, the fields the edit gives]; null: the values are refused.
const EDITS = [
  ['rotation', [180], { RotationAngle: 180, RotationUtilisation: 180, RecoupeUtilisation: 0 }],
  ['rotation', [90], null],
  ['reglage', [70, 35, 60], { ReglageLumiere: 70, ReglageContraste: 35, ReglageIntensite: 60, ReglageUtilisation: 1 }],
  ['reglage', [50, 50, 50], { ReglageUtilisation: 0 }],
  ['reglage', [101, 50, 50], null],
  ['recoupe', [20, 10, 300, 230], { RecoupeUtilisation: 1, RecoupeRectangle: [20, 10, 300, 230] }],
  ['recoupe', [0, 0, 320, 240], { RecoupeUtilisation: 0 }],
  ['recoupe', [0, 0, 321, 240], null],
  ['redimension', [1, 0, 0, 50, 1], { RedimensionUtilisation: 1, RedimensionPourcentageUtilisation: 1, RedimensionPourcentageValeur: 50 }],
  ['redimension', [2, 200, 90, 0, 0], { RedimensionUtilisation: 1, RedimensionPourcentageUtilisation: 0, RedimensionTailleX: 200, RedimensionTailleY: 90, RedimensionConservationProportion: 0 }],
  // Filling cuts around the picture's subject, which the desktop may find
  // with its face detector, which the browser has not: its fields only.
  ['redimension', [3, 0, 0, 100, 1], { RedimensionUtilisation: 1, RedimensionRemplissage: 1, RedimensionTailleX: 0, RedimensionTailleY: 0 }, 'fields only'],
  ['redimension', [0, 0, 0, 100, 1], { RedimensionUtilisation: 1, RedimensionPourcentageUtilisation: 0, RedimensionTailleX: 0, RedimensionTailleY: 0 }],
  ['cadre', [2, 7, 12, 1, 0x0000ff, 0xff0000], { CadreUtilisation: 1, CadreMotifUtilisation: 1, CadreMotif: 7, CadreTaille: 12, CadreBordureUtilisation: 1, CadreCouleur: 0x0000ff, CadreCouleurBordure: 0xff0000 }],
  ['cadre', [1, 7, 9, 0, 0x00ff00, 0], { CadreUtilisation: 1, CadreMotifUtilisation: 0, CadreTaille: 9, CadreCouleur: 0x00ff00 }],
  ['fond', [3, 0x336699, 1], { FondUtilisation: 1, FondMotifUtilisation: 1, FondMotif: 3, FondCouleur: 0x336699 }],
  ['fond', [3, 0x336699, 0], { FondUtilisation: 1, FondMotifUtilisation: 0, FondCouleur: 0x336699 }],
];

test("each editor sets the desktop's fields, and the desktop renders what the browser shows", () => {
  const work = path.join(dir, 'edits');
  for (const [editor, values, fields, only] of EDITS) {
    const what = `${editor} ${values}`;
    core.writeFile(PROJECT, start);
    // A crop before the edit, which a rotation turns off.
    assert.equal(core.edit(PROJECT, 0, 'recoupe', [5, 5, 310, 235]).done, true);
    const before = core.readFile(PROJECT);
    const tried = core.trial(PROJECT, 0, editor, values);
    const { done } = core.edit(PROJECT, 0, editor, values);
    if (!fields) {
      assert.equal(done, false, what);
      assert.equal(tried, null, what);
      assert.deepEqual(core.readFile(PROJECT), before, `${what}: the project changed`);
      continue;
    }
    assert.equal(done, true, what);
    const now = screen();
    for (const [name, value] of Object.entries(fields)) assert.deepEqual(now[name], value, `${what}: ${name}`);
    const shown = webRender(core);
    // The live preview was the edit's result, and the page's large screen
    // (generation's loading, no reduction for a photo this small) shows it.
    assertSamePicture(readBmp(tried), shown, `${what}, preview`);
    assertSamePicture(readBmp(core.render(PROJECT, 0)), shown, `${what}, large screen`);
    if (!only) assertSamePicture(desktopRender(core, work, [PROJECT, 'photos/photo.jpg']), shown, `${what}, desktop`);
  }
});

test("the editors start from the screen's values and the picture before their stage", () => {
  core.writeFile(PROJECT, start);
  assert.equal(core.edit(PROJECT, 0, 'rotation', [180]).done, true);
  const crop = core.editor(PROJECT, 0, 'recoupe');
  // The crop is drawn on the turned picture, whole at first.
  assert.deepEqual([crop.width, crop.height, crop.values], [240, 320, [0, 0, 240, 320]]);
  assert.deepEqual([readBmp(crop.preview).width, readBmp(crop.preview).height], [240, 320]);
  assert.equal(core.edit(PROJECT, 0, 'recoupe', [0, 40, 240, 280]).done, true);
  assert.deepEqual(core.editor(PROJECT, 0, 'recoupe').values, [0, 40, 240, 280]);
  // New screens are fitted to the screen: the resize editor starts from
  // the size the fit gives the cropped picture.
  assert.deepEqual(core.editor(PROJECT, 0, 'redimension').values.slice(0, 3), [0, 480, 480]);
  // By percentage, the size offered is the one the percentage gives.
  assert.equal(core.edit(PROJECT, 0, 'redimension', [1, 0, 0, 50, 1]).done, true);
  assert.deepEqual(core.editor(PROJECT, 0, 'redimension').values, [1, 120, 120, 50, 1]);
  assert.deepEqual(core.editor(PROJECT, 0, 'cadre').values.slice(0, 3), [0, 25, 5]);
  assert.equal(core.editor(PROJECT, 3, 'recoupe'), null);
  // The list's thumbnail: the turned and cropped screen, framed in grey.
  const thumb = readBmp(core.thumbnail(PROJECT, 0));
  assert.deepEqual([thumb.width, thumb.height], [150, 110]);
  const at = (x, y) => [...thumb.rgba.subarray((y * 150 + x) * 4, (y * 150 + x) * 4 + 3)];
  assert.deepEqual(at(1, 1), [0xc0, 0xc0, 0xc0]);
  assert.notDeepEqual(at(75, 55), [0xc0, 0xc0, 0xc0]);
  // The pattern bank: the shipped patterns, none past them without user ones.
  for (const n of [0, 49]) assert.deepEqual([readBmp(core.pattern(n)).width, readBmp(core.pattern(n)).height], [40, 40]);
  assert.equal(core.pattern(50), null);
});

test("a screen's settings become the template of the screens added after", () => {
  core.writeFile(PROJECT, start);
  assert.equal(core.edit(PROJECT, 0, 'cadre', [1, 25, 14, 0, 0x0000ff, 0]).done, true);
  assert.equal(core.edit(PROJECT, 0, 'rotation', [360]).done, true);
  assert.equal(core.edit(PROJECT, 0, 'modele').done, true);
  assert.equal(core.change(PROJECT, 0, 'ajoute', 'photos/photo.jpg').done, true);
  const [first, added] = core.project(PROJECT).ecrans;
  for (const name of ['CadreUtilisation', 'CadreTaille', 'CadreCouleur', 'RedimensionUtilisation'])
    assert.equal(added[name], first[name], name);
  // The picture's own settings stay the screen's.
  assert.equal(added.RotationUtilisation, 0);
});

test('a project saved as a zip renders the same on the desktop and opens again the same', async () => {
  core.writeFile(PROJECT, start);
  core.edit(PROJECT, 0, 'recoupe', [30, 20, 290, 220]);
  core.writeFile('photos/unused.jpg', new Uint8Array([1, 2, 3]));
  const zip = await saveArchive(core, PROJECT);
  const { entries } = await readZip(zip);
  // The photos the screens use, named as the project names them.
  assert.deepEqual(entries.map((e) => e.name), ['project.lmv', 'photos/photo.jpg']);
  const folder = path.join(dir, 'unzipped');
  fs.mkdirSync(folder);
  fs.writeFileSync(path.join(dir, 'p.zip'), zip);
  assert.equal(spawnSync('unzip', ['-q', path.join(dir, 'p.zip'), '-d', folder]).status, 0);
  const made = desktop(['--render', 'project.lmv', '--screen', '1', '--output', 'r.bmp'], folder);
  assert.equal(made.status, 0, made.stderr);
  const shown = webRender(core);
  assertSamePicture(readBmp(new Uint8Array(fs.readFileSync(path.join(folder, 'r.bmp')))), shown, 'desktop');
  const other = await newCore('/ailleurs');
  assert.deepEqual(await openArchive(other, PROJECT, zip), []);
  assert.deepEqual(other.project(PROJECT), core.project(PROJECT));
  assertSamePicture(webRender(other), shown, 'opened again');
  // Not a project: a reason, and nothing opened.
  assert.match((await openArchive(other, 'x.lmv', new Uint8Array([1, 2, 3])))[0], /not a zip/);
});

test('a desktop project opens with its photos chosen beside it', async () => {
  const folder = path.join(dir, 'desk');
  fs.mkdirSync(folder);
  fs.copyFileSync(path.join(dir, 'photo.jpg'), path.join(folder, 'photo.jpg'));
  // Absolute picture paths, as the desktop writes them.
  assert.equal(desktop(['--new', path.join(folder, 'desk.lmv'), '--resolution', '640x480',
                        path.join(folder, 'photo.jpg'), path.join(dir, 'source.bmp')]).status, 0);
  const lmv = fs.readFileSync(path.join(folder, 'desk.lmv'));
  const photo = { name: 'photo.jpg', bytes: fs.readFileSync(path.join(folder, 'photo.jpg')) };
  const other = await newCore('/bureau');
  // The second screen's picture was not chosen.
  assert.deepEqual(openProject(other, PROJECT, lmv, [photo]), ['Photo not found: source.bmp (screen 2)']);
  assert.equal(other.project(PROJECT).ecrans[0].CheminImage, 'photos/photo.jpg');
  const made = desktop(['--render', path.join(folder, 'desk.lmv'), '--screen', '1', '--output', 'd.bmp'], folder);
  assert.equal(made.status, 0, made.stderr);
  assertSamePicture(readBmp(new Uint8Array(fs.readFileSync(path.join(folder, 'd.bmp')))), webRender(other), 'desktop project');
});

test('a photo read with damage, or not at all, is one line naming it', () => {
  const photo = fs.readFileSync(path.join(dir, 'photo.jpg'));
  // Bytes before the end marker, which libjpeg reads past with a warning;
  // the file cut short, which it cannot read.
  core.writeFile('photos/extra.jpg', Buffer.concat([photo.subarray(0, -2), Buffer.alloc(40), photo.subarray(-2)]));
  core.writeFile('photos/cut.jpg', photo.subarray(0, 300));
  core.writeFile(PROJECT, start);
  const damaged = 'Damaged data in photos/extra.jpg: the photo is shown as far as it could be read.';
  assert.deepEqual(core.change(PROJECT, 0, 'ajoute', 'photos/extra.jpg').messages, [damaged]);
  assert.deepEqual(core.change(PROJECT, 0, 'ajoute', 'photos/cut.jpg').messages,
                   ['Unable to load file: photos/cut.jpg']);
  assert.ok(core.render(PROJECT, 1));
  assert.deepEqual(core.messages(), [damaged]);
  assert.ok(core.render(PROJECT, 2));
  assert.deepEqual(core.messages(), ['Unable to load file: photos/cut.jpg']);
});
