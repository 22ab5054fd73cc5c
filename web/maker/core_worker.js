// A worker holding one instance of the maker's core: the page's project
// and photos live in its file system. Requests come as
// { id, op, args } and are answered in order with { id, result } or
// { id, error }; the lines a command writes while it runs (generation's
// progress) come as { id, line } before the answer.
import { openCore, fetchFonts, readBmp } from './maker_core.js';
import { writeZip } from './zip_archive.js';
import { PHOTOS, photoPath, saveArchive, openArchive, openProject } from './project_archive.js';

// The project's folder is the current one: the project names its photos
// relative to it ("photos/NAME"), as a project saved with its photos does.
const FOLDER = '/projet';
export const PROJECT = 'projet.lmv';

let core;
let currentId = 0;
const ready = (async () => {
  const fonts = await fetchFonts();
  core = await openCore({ fonts, onLine: (line) => postMessage({ id: currentId, line }) });
  core.mkdir(FOLDER);
  core.chdir(FOLDER);
})();

// Where the core looks for the files that ship with it (fichiers_livres.h).
const SHIPPED = '/';
const ENGINE_NAMES = { windows: 'LmvEngine.exe', linux: 'LmvEngine' };

const ops = {
  // Photos as [{ name, bytes }]: each becomes a screen at the end of the
  // list. The lines say which could not be read.
  addPhotos(photos, resolution) {
    const lines = [];
    const paths = photos.map(({ name, bytes }) => {
      const path = photoPath(core, name);
      core.writeFile(path, bytes);
      return path;
    });
    for (const path of paths) lines.push(...core.change(PROJECT, 0, 'ajoute', path, resolution).messages);
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
  // The saver for `platform` with `engine` (its bytes): { bytes, status, messages }.
  generate(platform, engine, quality) {
    core.writeFile(`/moteurs/${platform}`, engine);
    const out = `/tmp/saver-${platform}`;
    const { status, messages } = core.run(['--generate', PROJECT, '--output', out, '--platform',
                                           platform, '--engine', `/moteurs/${platform}`,
                                           '--quality', String(quality)]);
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
  // The first `count` patterns of the bank, as pictures (null where none).
  patterns(count) {
    const images = [];
    for (let n = 0; n < count; ++n) {
      const bytes = core.pattern(n);
      images.push(bytes ? readBmp(bytes) : null);
    }
    return images;
  },
  saveArchive: () => saveArchive(core, PROJECT),
  openArchive: (bytes) => openArchive(core, PROJECT, bytes),
  openProject: (bytes, photos) => openProject(core, PROJECT, bytes, photos),
  // The web page folder (the desktop's "Save as web page") as one zip:
  // `engines` { windows, linux } and `shipped` (the page's template and the
  // web player, by name) are put where the core finds its shipped files.
  async webPage(engines, shipped, quality) {
    for (const [platform, bytes] of Object.entries(engines)) core.writeFile(SHIPPED + ENGINE_NAMES[platform], bytes);
    for (const [name, bytes] of Object.entries(shipped)) core.writeFile(SHIPPED + name, bytes);
    // The saver and the page take their name from the project file's.
    const out = '/tmp/page';
    const named = 'lumaveil.lmv';
    core.writeFile(named, core.readFile(PROJECT));
    const { status, messages } = core.run(['--web-page', named, '--output', out, '--quality', String(quality)]);
    core.remove(named);
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
  // Everything a second worker needs to generate alone: the project file
  // and its photos.
  files() {
    const files = [];
    if (core.exists(PROJECT)) files.push([PROJECT, core.readFile(PROJECT)]);
    for (const name of core.list(PHOTOS)) files.push([PHOTOS + name, core.readFile(PHOTOS + name)]);
    return files;
  },
  load(files) {
    for (const [path, bytes] of files) core.writeFile(path, bytes);
    return true;
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
    const transfer = [];
    if (result?.image) transfer.push(result.image.rgba.buffer);
    if (result instanceof Uint8Array) transfer.push(result.buffer);
    // Pictures and files are handed over, not copied: a project of many
    // photos is not held twice on its way to the generation's worker.
    if (Array.isArray(result)) {
      for (const r of result) {
        if (r?.rgba) transfer.push(r.rgba.buffer);
        if (Array.isArray(r) && r[1] instanceof Uint8Array) transfer.push(r[1].buffer);
      }
    }
    postMessage({ id, result }, transfer);
  } catch (error) {
    postMessage({ id, error: String(error?.message ?? error) });
  }
}

self.onmessage = ({ data }) => {
  queue = queue.then(() => answer(data));
};
