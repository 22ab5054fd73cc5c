// The maker's core in WebAssembly (lumaveil_core.wasm, the desktop's own
// imaging, project, rendering and generation code) as the page, its
// workers and the tests use it: one instance per call of openCore, with its
// own in-memory file system. Commands are those of the `lumaveil` command
// line, run on that file system: the photos, the project and the engines
// are written into it, and what a command writes is read back from it.
//
// The faces captions are drawn with ship beside the module (polices/, with
// the table polices.txt) and are written into the instance before its
// first command.
import LumaveilCore from './lumaveil_core.mjs';

export const FONT_DIR = '/polices/';
export const FONT_TABLE = 'polices.txt';

// The file names the font table lists (one face per line, the file last).
export function fontFiles(table) {
  const files = [];
  for (const line of table.split('\n')) {
    const fields = line.split('\t');
    if (fields.length === 4 && fields[3] && !files.includes(fields[3])) files.push(fields[3]);
  }
  return files;
}

// Fetches the shipped faces from `baseUrl` (the folder of this module by
// default): a Map from file name to bytes, the table included.
export async function fetchFonts(baseUrl = new URL('./polices/', import.meta.url)) {
  const fonts = new Map();
  const response = await fetch(new URL(FONT_TABLE, baseUrl));
  if (!response.ok) throw new Error(`The faces of the captions could not be loaded (${response.status}).`);
  const table = await response.text();
  fonts.set(FONT_TABLE, new TextEncoder().encode(table));
  await Promise.all(fontFiles(table).map(async (name) => {
    const face = await fetch(new URL(name, baseUrl));
    if (face.ok) fonts.set(name, new Uint8Array(await face.arrayBuffer()));
  }));
  return fonts;
}

// A picture the core wrote as a BMP, as RGBA: { width, height, rgba }.
export function readBmp(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const offset = view.getUint32(10, true);
  const w = view.getInt32(18, true);
  const rawH = view.getInt32(22, true);
  const h = Math.abs(rawH);
  const bpp = view.getUint16(28, true) / 8;
  const stride = Math.ceil((w * bpp) / 4) * 4;
  const rgba = new Uint8ClampedArray(w * h * 4);
  // A pixel at a time as one little-endian word: R, G, B, then opaque.
  const pixels = new Uint32Array(rgba.buffer);
  for (let y = 0, d = 0; y < h; ++y) {
    const row = offset + (rawH > 0 ? h - 1 - y : y) * stride;
    for (let s = row, end = row + w * bpp; s < end; s += bpp)
      pixels[d++] = 0xFF000000 | (bytes[s] << 16) | (bytes[s + 1] << 8) | bytes[s + 2];
  }
  return { width: w, height: h, rgba };
}

// How much of a browser's file is read at once.
const READ_BLOCK = 2 ** 20;

// How many whole files read ahead (hold) are kept.
const HELD_FILES = 2;

// The browser's files (WORKERFS) read a block of a megabyte at a time,
// kept for the reads that follow: the core reads a photo several times as
// it decodes it (its kind, its size, its orientation, then its pixels), in
// reads of a few KB, and each read of a browser's file is a trip to the
// browser of a millisecond or so. Files the browser keeps do not change.
// A file's bytes read ahead, while the core was busy with something else
// (hold), are read from memory: the last HELD_FILES are kept. Returns
// { forget, hold(file, bytes) }; forget drops the block and what is held.
export function readInBlocks(FS) {
  const ops = FS.filesystems.WORKERFS?.stream_ops;
  if (!ops || typeof FileReaderSync !== 'function') return { forget: () => {}, hold: () => {} };
  const reader = new FileReaderSync();
  let blob = null, start = 0, block = new Uint8Array(0);
  const held = new Map();
  ops.read = function (stream, buffer, offset, length, position) {
    const file = stream.node.contents;
    if (position >= file.size) return 0;
    const end = Math.min(file.size, position + length);
    const whole = held.get(file);
    if (whole) {
      buffer.set(whole.subarray(position, end), offset);
      return end - position;
    }
    if (file !== blob || position < start || end > start + block.length) {
      blob = null;  // the block before is not held beside the new one
      block = new Uint8Array(reader.readAsArrayBuffer(file.slice(position, position + Math.max(length, READ_BLOCK))));
      blob = file;
      start = position;
    }
    buffer.set(block.subarray(position - start, end - start), offset);
    return end - position;
  };
  return {
    forget() {
      blob = null;
      block = new Uint8Array(0);
      held.clear();
    },
    hold(file, bytes) {
      if (bytes.length !== file.size) return;
      held.delete(file);
      held.set(file, bytes);
      while (held.size > HELD_FILES) held.delete(held.keys().next().value);
    },
  };
}

function parentOf(path) {
  const slash = path.lastIndexOf('/');
  return slash > 0 ? path.slice(0, slash) : '/';
}

// A new instance of the core. `wasmBinary` (the .wasm bytes) spares the
// instance a fetch (node has no file URLs for fetch); `fonts` is what
// fetchFonts gives; `onLine` hears each line a command writes as it comes
// (generation's progress).
export async function openCore({ wasmBinary, fonts, onLine } = {}) {
  let messages = [];
  const options = {
    print: () => {},
    printErr: (line) => {
      messages.push(line);
      onLine?.(line);
    },
  };
  if (wasmBinary) options.wasmBinary = wasmBinary;
  const module = await LumaveilCore(options);
  const FS = module.FS;
  const blocks = readInBlocks(FS);
  const absolute = (path) => (path.startsWith('/') ? path : `${FS.cwd().replace(/\/$/, '')}/${path}`);
  const writeFile = (path, bytes) => {
    FS.mkdirTree(parentOf(absolute(path)));
    FS.writeFile(absolute(path), bytes);
  };
  for (const [name, bytes] of fonts ?? []) writeFile(FONT_DIR + name, bytes);
  return {
    // Runs `lumaveil ARGS...`: its exit status and the lines it wrote on
    // its standard error (the messages the desktop shows), in order. With
    // `records`, --generate and --web-page take the saver's records from
    // that folder, where prepare() made them, instead of rendering.
    run(args, records) {
      messages = [];
      const status = records
        ? module.ccall('lmv_commande_preparee', 'number', ['string', 'string'], [args.join('\n'), records])
        : module.ccall('lmv_commande', 'number', ['string'], [args.join('\n')]);
      return { status, messages };
    },
    // How many records the saver of the project at `path` holds (a pair of
    // portraits is one, a blank screen none); -1 when it cannot be read.
    records(path) {
      messages = [];
      return module.ccall('lmv_nombre_enregistrements', 'number', ['string'], [path]);
    },
    // The pictures of record `k` of that saver (one, or two for a pair;
    // none for a record beyond them), as the project names them.
    recordPhotos(path, k) {
      messages = [];
      const text = module.ccall('lmv_photos_enregistrement', 'number', ['string', 'number'], [path, k]);
      if (!text) return [];
      const lines = module.UTF8ToString(text);
      module._free(text);
      return lines ? lines.split('\n') : [];
    },
    // The whole of a browser's file, read ahead: the core's reads of it
    // then come from memory (readInBlocks).
    hold(file, bytes) {
      blocks.hold(file, bytes);
    },
    // Record `k` of that saver rendered and encoded at `quality` into the
    // folder `dir` as --generate makes it (k.jpg and its description
    // k.txt). True when done.
    prepare(path, k, quality, dir) {
      messages = [];
      return module.ccall('lmv_prepare_enregistrement', 'number', ['string', 'number', 'number', 'string'],
                          [path, k, quality, dir]) === 1;
    },
    // The project at `path` as the model's fields (projet_web.cpp), or null.
    project(path) {
      messages = [];
      const text = module.ccall('lmv_projet_json', 'number', ['string'], [path]);
      if (!text) return null;
      const json = module.UTF8ToString(text);
      module._free(text);
      return JSON.parse(json);
    },
    // Changes the project file at `path` (see lmv_change_projet).
    change(path, index, operation, name = '', value = '') {
      messages = [];
      const done = module.ccall('lmv_change_projet', 'number',
                                ['string', 'number', 'string', 'string', 'string'],
                                [path, index, operation, name, value]) === 1;
      return { done, messages };
    },
    // Editor `editor` of screen `index` (editeurs_web.cpp): { width,
    // height, values, preview } with the preview's BMP bytes, or null.
    editor(path, index, editor) {
      messages = [];
      const out = '/tmp/apercu.bmp';
      const text = module.ccall('lmv_editeur', 'number', ['string', 'number', 'string', 'string'],
                                [path, index, editor, out]);
      if (!text) return null;
      const { largeur, hauteur, valeurs } = JSON.parse(module.UTF8ToString(text));
      module._free(text);
      const preview = FS.readFile(out);
      FS.unlink(out);
      return { width: largeur, height: hauteur, values: valeurs, preview };
    },
    // The whole screen with the editor's values (a list of integers) tried,
    // as BMP bytes; the project is not changed. Null when they do not fit.
    trial(path, index, editor, values) {
      messages = [];
      const out = '/tmp/essai.bmp';
      const done = module.ccall('lmv_essai', 'number',
                                ['string', 'number', 'string', 'string', 'string'],
                                [path, index, editor, values.join(','), out]) === 1;
      if (!done) return null;
      const bytes = FS.readFile(out);
      FS.unlink(out);
      return bytes;
    },
    // Confirms the editor's values on screen `index`, and saves.
    edit(path, index, editor, values = []) {
      messages = [];
      const done = module.ccall('lmv_edite', 'number', ['string', 'number', 'string', 'string'],
                                [path, index, editor, values.join(',')]) === 1;
      return { done, messages };
    },
    // Screen `index` as the saver shows it, as BMP bytes, or null (see
    // lmv_rendu).
    render(path, index) {
      messages = [];
      const out = '/tmp/rendu.bmp';
      if (module.ccall('lmv_rendu', 'number', ['string', 'number', 'string'], [path, index, out]) !== 1)
        return null;
      const bytes = FS.readFile(out);
      FS.unlink(out);
      return bytes;
    },
    // The list's thumbnail of screen `index` (150 x 110), as BMP bytes, or
    // null.
    thumbnail(path, index) {
      messages = [];
      const out = '/tmp/vignette.bmp';
      if (module.ccall('lmv_vignette', 'number', ['string', 'number', 'string'], [path, index, out]) !== 1)
        return null;
      const bytes = FS.readFile(out);
      FS.unlink(out);
      return bytes;
    },
    // The thumbnail of pattern `n` of the bank, as BMP bytes, or null.
    pattern(n) {
      const out = '/tmp/motif.bmp';
      if (module.ccall('lmv_motif', 'number', ['number', 'string'], [n, out]) !== 1) return null;
      const bytes = FS.readFile(out);
      FS.unlink(out);
      return bytes;
    },
    // The messages of the last call.
    messages: () => messages,
    writeFile,
    readFile: (path) => FS.readFile(path),
    list: (dir) => (FS.analyzePath(dir).exists ? FS.readdir(dir).filter((n) => n !== '.' && n !== '..') : []),
    exists: (path) => FS.analyzePath(path).exists,
    isDirectory: (path) => FS.isDir(FS.stat(path).mode),
    // Removes `path` and all below it (a link, not what it names).
    removeTree(path) {
      if (!FS.analyzePath(path, true).exists) return;
      if (FS.isDir(FS.lstat(path).mode)) {
        for (const name of FS.readdir(path)) if (name !== '.' && name !== '..') this.removeTree(`${path}/${name}`);
        FS.rmdir(path);
      } else {
        FS.unlink(path);
      }
    },
    // Files the browser keeps (Blobs, a chosen photo's File), read where
    // they are when the core reads them, never copied in: `blobs`
    // [{ name, data }] appear in the new folder `dir`. In a worker only.
    mount(dir, blobs) {
      FS.mkdirTree(dir);
      FS.mount(FS.filesystems.WORKERFS, { blobs }, dir);
    },
    unmount(dir) {
      blocks.forget();
      FS.unmount(dir);
      FS.rmdir(dir);
    },
    // A link at `path` to `target`.
    link(target, path) {
      FS.mkdirTree(parentOf(absolute(path)));
      FS.symlink(target, absolute(path));
    },
    mkdir: (path) => FS.mkdirTree(path),
    chdir: (path) => FS.chdir(path),
    remove: (path) => FS.unlink(path),
  };
}
