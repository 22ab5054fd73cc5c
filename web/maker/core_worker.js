// A worker holding one instance of the maker's core: the page's project
// and photos live in its file system. Requests come as
// { id, op, args } and are answered in order with { id, result } or
// { id, error }; the lines a command writes while it runs (generation's
// progress) come as { id, line } before the answer.
import { openCore, fetchFonts } from './maker_core.js';

// The project's folder is the current one: the project names its photos
// relative to it ("photos/NAME"), as a project saved with its photos does.
const FOLDER = '/projet';
export const PROJECT = 'projet.lmv';
const PHOTOS = 'photos/';

let core;
let currentId = 0;
const ready = (async () => {
  const fonts = await fetchFonts();
  core = await openCore({ fonts, onLine: (line) => postMessage({ id: currentId, line }) });
  core.mkdir(FOLDER);
  core.chdir(FOLDER);
})();

// A name of its own under the photos folder for each photo added.
function photoPath(name) {
  const clean = name.replace(/[\\/\n]/g, '_') || 'photo';
  let candidate = PHOTOS + clean;
  for (let n = 2; core.exists(candidate); ++n) {
    const dot = clean.lastIndexOf('.');
    candidate = PHOTOS + (dot > 0 ? `${clean.slice(0, dot)} (${n})${clean.slice(dot)}`
                                  : `${clean} (${n})`);
  }
  return candidate;
}

// A rendered screen read back from the BMP the command wrote, as RGBA.
function readBmp(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const offset = view.getUint32(10, true);
  const w = view.getInt32(18, true);
  const rawH = view.getInt32(22, true);
  const h = Math.abs(rawH);
  const bpp = view.getUint16(28, true) / 8;
  const stride = Math.ceil((w * bpp) / 4) * 4;
  const rgba = new Uint8ClampedArray(w * h * 4);
  for (let y = 0; y < h; ++y) {
    const row = offset + (rawH > 0 ? h - 1 - y : y) * stride;
    for (let x = 0; x < w; ++x) {
      const s = row + x * bpp, d = (y * w + x) * 4;
      rgba[d] = bytes[s + 2];
      rgba[d + 1] = bytes[s + 1];
      rgba[d + 2] = bytes[s];
      rgba[d + 3] = 255;
    }
  }
  return { width: w, height: h, rgba };
}

const ops = {
  // Photos as [{ name, bytes }]: each becomes a screen at the end of the
  // list. The lines say which could not be read.
  addPhotos(photos, resolution) {
    const lines = [];
    const paths = photos.map(({ name, bytes }) => {
      const path = photoPath(name);
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
  render(index) {
    const out = '/tmp/rendu.bmp';
    const { status, messages } =
      core.run(['--render', PROJECT, '--screen', String(index + 1), '--output', out]);
    if (status !== 0) return { messages };
    const image = readBmp(core.readFile(out));
    core.remove(out);
    return { image, messages };
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

self.onmessage = async ({ data }) => {
  const { id, op, args } = data;
  try {
    await ready;
    currentId = id;
    const result = ops[op](...(args ?? []));
    const transfer = [];
    if (result?.image) transfer.push(result.image.rgba.buffer);
    postMessage({ id, result }, transfer);
  } catch (error) {
    postMessage({ id, error: String(error?.message ?? error) });
  }
};
