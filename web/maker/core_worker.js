// A worker holding one instance of the maker's core: the page's project
// lives in its file system, with links to the photos the browser keeps
// (photo_store.js). The page's own worker holds the project it edits; the
// generation's workers (generation_workers.js) each hold a copy of it,
// with the same photos. Requests come as
// { id, op, args } and are answered in order with { id, result } or
// { id, error }; the lines a command writes while it runs (generation's
// progress) come as { id, line } before the answer.
import { openCore, fetchFonts, readBmp } from './maker_core.js';
import { writeZip } from './zip_archive.js';
import { saveArchive, openArchive, openProject } from './project_archive.js';
import { PhotoStore } from './photo_store.js';

// The project's folder is the current one: the project names its photos
// relative to it ("photos/NAME"), as a project saved with its photos does.
const FOLDER = '/projet';
export const PROJECT = 'projet.lmv';

let core;
let photos;
let currentId = 0;
const ready = (async () => {
  const fonts = await fetchFonts();
  core = await openCore({ fonts, onLine: (line) => postMessage({ id: currentId, line }) });
  core.mkdir(FOLDER);
  core.chdir(FOLDER);
  photos = new PhotoStore(core);
})();

// Where the core looks for the files that ship with it (fichiers_livres.h).
const SHIPPED = '/';
const ENGINE_NAMES = { windows: 'LmvEngine.exe', linux: 'LmvEngine' };
// Where the records made ready for a saver are put (prepare), and where
// the worker that writes the package is given them all.
const RECORDS = '/tmp/enregistrements';

// The records [{ jpeg, description }] given, by number, where the core
// finds them: the folder to give the command, or undefined without any.
function putRecords(records) {
  if (!records) return undefined;
  core.removeTree(RECORDS);
  core.mkdir(RECORDS);
  records.forEach(({ jpeg, description }, k) => {
    if (jpeg) core.writeFile(`${RECORDS}/${k}.jpg`, jpeg);
    core.writeFile(`${RECORDS}/${k}.txt`, description);
  });
  return RECORDS;
}

// A w x h picture of soft gradients, as a 24-bit BMP file.
function gradientBmp(w, h) {
  const row = (w * 3 + 3) & ~3;
  const bytes = new Uint8Array(54 + row * h);
  const view = new DataView(bytes.buffer);
  bytes.set([0x42, 0x4d]);
  view.setUint32(2, bytes.length, true);
  view.setUint32(10, 54, true);
  view.setUint32(14, 40, true);
  view.setInt32(18, w, true);
  view.setInt32(22, h, true);
  view.setUint16(26, 1, true);
  view.setUint16(28, 24, true);
  for (let y = 0; y < h; ++y) {
    for (let x = 0, o = 54 + y * row; x < w; ++x, o += 3) {
      bytes[o] = (x * 255 / w) | 0;
      bytes[o + 1] = (y * 255 / h) | 0;
      bytes[o + 2] = ((x + y) * 127 / (w + h)) | 0;
    }
  }
  return bytes;
}

// `work(dir)` run in a folder of its own holding dessin.bmp, a w x h
// picture, and the folder removed after; what it returned.
function throwaway(w, h, work) {
  const dir = '/tmp/chauffe';
  core.writeFile(`${dir}/dessin.bmp`, gradientBmp(w, h));
  try {
    return work(dir);
  } finally {
    core.removeTree(dir);
  }
}

const ops = {
  // Photos as [{ name, blob }] (the files chosen): each becomes a screen
  // at the end of the list. The lines say which could not be read.
  addPhotos(added, resolution) {
    const lines = [];
    for (const path of photos.add(added)) lines.push(...core.change(PROJECT, 0, 'ajoute', path, resolution).messages);
    return lines;
  },
  project() {
    return core.exists(PROJECT) ? core.project(PROJECT) : null;
  },
  change(index, operation, name = '', value = '') {
    const { done, messages } = core.change(PROJECT, index, operation, String(name), String(value));
    if (!done) throw new Error(messages.join(' ') || 'The project could not be changed.');
    return true;
  },
  removeAll() {
    if (core.exists(PROJECT)) core.remove(PROJECT);
  },
  // The project file's bytes (Undo keeps them), and putting them back.
  snapshot() {
    return core.exists(PROJECT) ? core.readFile(PROJECT) : null;
  },
  restore(bytes) {
    if (bytes) core.writeFile(PROJECT, bytes);
    else if (core.exists(PROJECT)) core.remove(PROJECT);
  },
  // The selected screen as the saver will show it.
  render(index) {
    const bytes = core.render(PROJECT, index);
    return { image: bytes ? readBmp(bytes) : null, messages: core.messages() };
  },
  thumbnail(index) {
    const bytes = core.thumbnail(PROJECT, index);
    return bytes ? { image: readBmp(bytes) } : {};
  },
  // The saver for `platform` with `engine` (its bytes): { bytes, status,
  // messages }; from `records` when given (made ready by prepare, in any
  // worker), rendering none here.
  generate(platform, engine, quality, records) {
    core.writeFile(`/moteurs/${platform}`, engine);
    const out = `/tmp/saver-${platform}`;
    const { status, messages } = core.run(['--generate', PROJECT, '--output', out, '--platform',
                                           platform, '--engine', `/moteurs/${platform}`,
                                           '--quality', String(quality)], putRecords(records));
    core.removeTree(RECORDS);
    const bytes = core.exists(out) ? core.readFile(out) : null;
    if (bytes) core.remove(out);
    return { bytes, status, messages };
  },
  // Editor `name` of screen `index`: its preview, the preview's size and
  // the values the editor starts from.
  editor(index, name) {
    const found = core.editor(PROJECT, index, name);
    if (!found) throw new Error(core.messages().join(' ') || 'This editor cannot open.');
    return { width: found.width, height: found.height, values: found.values,
             image: readBmp(found.preview) };
  },
  // The whole screen with the editor's values tried (a live preview).
  trial(index, name, values) {
    const bytes = core.trial(PROJECT, index, name, values);
    return bytes ? { image: readBmp(bytes) } : { messages: core.messages() };
  },
  edit(index, name, values) {
    const { done, messages } = core.edit(PROJECT, index, name, values);
    if (!done) throw new Error(messages.join(' ') || 'The screen could not be changed.');
    return true;
  },
  // `count` patterns of the bank from pattern `first`, as pictures (null
  // where none).
  patterns(count, first = 0) {
    const images = [];
    for (let n = first; n < first + count; ++n) {
      const bytes = core.pattern(n);
      images.push(bytes ? readBmp(bytes) : null);
    }
    return images;
  },
  saveArchive: () => saveArchive(core, PROJECT),
  openArchive: (bytes) => openArchive(core, PROJECT, bytes, photos),
  openProject: (bytes, chosen) => openProject(core, PROJECT, bytes, chosen, photos),
  // The web page folder (the desktop's "Save as web page") as one zip:
  // `engines` { windows, linux } and `shipped` (the page's template and the
  // web player, by name) are put where the core finds its shipped files.
  async webPage(engines, shipped, quality, records) {
    for (const [platform, bytes] of Object.entries(engines)) core.writeFile(SHIPPED + ENGINE_NAMES[platform], bytes);
    for (const [name, bytes] of Object.entries(shipped)) core.writeFile(SHIPPED + name, bytes);
    // The saver and the page take their name from the project file's.
    const out = '/tmp/page';
    const named = 'lumaveil.lmv';
    core.writeFile(named, core.readFile(PROJECT));
    const { status, messages } = core.run(['--web-page', named, '--output', out, '--quality', String(quality)],
                                          putRecords(records));
    core.remove(named);
    core.removeTree(RECORDS);
    const entries = [];
    const walk = (dir, prefix) => {
      for (const name of core.list(dir)) {
        const path = `${dir}/${name}`;
        if (core.isDirectory(path)) walk(path, `${prefix}${name}/`);
        else entries.push({ name: prefix + name, bytes: core.readFile(path) });
      }
    };
    if (status === 0 || status === 2) walk(out, 'lumaveil-web-page/');
    core.removeTree(out);
    return { bytes: entries.length ? await writeZip(entries) : null, status, messages };
  },
  // The project file and its photos, as [path, Blob or bytes].
  files() {
    const files = core.exists(PROJECT) ? [[PROJECT, core.readFile(PROJECT)]] : [];
    return files.concat(photos.entries().map(([path, data]) =>
      [path, data instanceof Uint8Array ? data : core.readFile(path)]));
  },
  // What a generation worker is given to make the saver's records: the
  // project file's bytes and the photos (the browser's files, not
  // copied), and how many records the saver holds (-1: none can be made).
  sources() {
    if (!core.exists(PROJECT)) return { project: null, photos: [], records: -1 };
    return { project: core.readFile(PROJECT), photos: photos.entries(), records: core.records(PROJECT) };
  },
  load({ project, photos: files }) {
    core.writeFile(PROJECT, project);
    photos.place(files);
    return true;
  },
  // Screens made and thrown away: the first screens an instance makes
  // take half as long again as the next ones (the memory it grows into,
  // the code the browser compiles the first time it runs). A picture drawn
  // here makes a large screen, whose JPEG then makes screens of half its
  // size as a photo does (decoded at half size, resized, encoded), three
  // times: the browser optimises the code that runs most as it runs. True
  // when all were made.
  warm() {
    return throwaway(2560, 1440, (dir) => {
      const screen = (picture, size, ready) => core.run(['--new', `${dir}/p.lmv`, '--resolution', size, picture]).status === 0
        && core.prepare(`${dir}/p.lmv`, 0, 75, ready);
      return screen(`${dir}/dessin.bmp`, '2560x1440', `${dir}/a`)
        && [0, 1, 2].every(() => screen(`${dir}/a/0.jpg`, '1280x720', `${dir}/b`));
    });
  },
  // The same for the page's own worker, small: a photo made here is
  // added to a project of its own, its screen and thumbnail drawn, so that
  // the code the user's first photo runs is compiled before it comes.
  warmEditing() {
    return throwaway(640, 480, (dir) => core.run(['--new', `${dir}/a.lmv`, '--resolution', '640x480', `${dir}/dessin.bmp`]).status === 0
      && core.prepare(`${dir}/a.lmv`, 0, 75, `${dir}/a`)
      && core.change(`${dir}/b.lmv`, 0, 'ajoute', `${dir}/a/0.jpg`, '200x150').done
      && core.render(`${dir}/b.lmv`, 0) !== null && core.thumbnail(`${dir}/b.lmv`, 0) !== null);
  },
  // Record `k` of the saver rendered and encoded at `quality`, as
  // { jpeg, description } (jpeg null when the screen could not be made;
  // the description says why). The photos of record `next`, which this
  // worker is likely to make after it, are read from the browser
  // meanwhile; the reading ahead for this one (begun with the record
  // before) is waited for.
  async prepare(k, quality, next) {
    await photos.readingAhead;
    photos.readAhead(next === undefined ? [] : core.recordPhotos(PROJECT, next));
    if (!core.prepare(PROJECT, k, quality, RECORDS))
      throw new Error(core.messages().join(' ') || `Screen ${k + 1} could not be made.`);
    const jpeg = `${RECORDS}/${k}.jpg`, description = `${RECORDS}/${k}.txt`;
    const record = { jpeg: core.exists(jpeg) ? core.readFile(jpeg) : null, description: core.readFile(description) };
    core.removeTree(RECORDS);
    return record;
  },
};

// One request at a time, in the order they came: an archive being read
// or written waits for nothing else to change the files.
let queue = Promise.resolve();

async function answer({ id, op, args }) {
  try {
    await ready;
    currentId = id;
    const result = await ops[op](...(args ?? []));
    // Pictures and files made here are handed over, not copied: a saver
    // or a screen's JPEG is not held twice on its way to the page.
    const transfer = new Set();
    if (result?.image) transfer.add(result.image.rgba.buffer);
    if (result instanceof Uint8Array) transfer.add(result.buffer);
    if (result && !Array.isArray(result) && typeof result === 'object')
      for (const value of Object.values(result)) if (value instanceof Uint8Array) transfer.add(value.buffer);
    if (Array.isArray(result)) {
      for (const r of result) {
        if (r?.rgba) transfer.add(r.rgba.buffer);
        if (Array.isArray(r) && r[1] instanceof Uint8Array) transfer.add(r[1].buffer);
      }
    }
    postMessage({ id, result }, [...transfer]);
  } catch (error) {
    postMessage({ id, error: String(error?.message ?? error) });
  }
}

self.onmessage = ({ data }) => {
  queue = queue.then(() => answer(data));
};
