// The photos of a project in an instance of the core. In the page's
// workers they are files the browser keeps (the File of a chosen photo, a
// Blob of a photo read from a zip), never copied into the core's memory:
// the core's photos folder holds a link per photo, at the path the project
// names ("photos/NAME"), into a folder of the browser's files mounted for
// each batch, and the core reads a photo where the browser keeps it when it
// decodes it. Another instance (a generation worker) is given the same
// Blobs: nothing is copied. Photos given as bytes (node's tests, which
// have no such files) are written into the core's file system.
export const PHOTOS = 'photos/';
const MOUNTS = '/fichiers/';

// A name of its own under the photos folder for a photo added, none of
// those the core holds nor of `taken`.
export function photoPath(core, name, taken = new Set()) {
  const clean = name.replace(/[\\/\n]/g, '_') || 'photo';
  const free = (path) => !core.exists(path) && !taken.has(path);
  let candidate = PHOTOS + clean;
  for (let n = 2; !free(candidate); ++n) {
    const dot = clean.lastIndexOf('.');
    candidate = PHOTOS + (dot > 0 ? `${clean.slice(0, dot)} (${n})${clean.slice(dot)}`
                                  : `${clean} (${n})`);
  }
  return candidate;
}

export class PhotoStore {
  constructor(core) {
    this.core = core;
    // Only a worker reads the browser's files as the core reads a file.
    this.keepsBlobs = typeof FileReaderSync === 'function';
    this.mounts = [];
    this.made = 0;
    this.blobs = new Map();
    this.readingAhead = Promise.resolve();
  }

  // Each photo [path, Blob or bytes] at its path (relative to the
  // project's folder).
  place(photos) {
    const blobs = [];
    for (const [path, data] of photos) {
      this.core.removeTree(path);
      if (data instanceof Uint8Array) this.core.writeFile(path, data);
      else blobs.push([path, data]);
    }
    if (!blobs.length) return;
    const dir = `${MOUNTS}${++this.made}`;
    this.core.mount(dir, blobs.map(([, data], i) => ({ name: String(i), data })));
    this.mounts.push(dir);
    blobs.forEach(([path, blob], i) => {
      this.core.link(`${dir}/${i}`, path);
      this.blobs.set(path, blob);
    });
  }

  // Photos [{ name, blob }] or [{ name, bytes }] under names of their own:
  // their paths.
  add(photos) {
    const taken = new Set();
    const placed = photos.map(({ name, blob, bytes }) => {
      const path = photoPath(this.core, name, taken);
      taken.add(path);
      return [path, blob ?? bytes];
    });
    this.place(placed);
    return placed.map(([path]) => path);
  }

  // Every photo gone (the links first, then the folders they name).
  clear() {
    for (const path of this.blobs.keys()) this.core.removeTree(path);
    this.core.removeTree(PHOTOS.slice(0, -1));
    for (const dir of this.mounts) this.core.unmount(dir);
    this.mounts = [];
    this.blobs.clear();
  }

  // Starts reading the browser's files at `paths` (as the project names
  // them) into memory, for the core to read them from there;
  // `readingAhead` settles once they are held (or could not be read).
  readAhead(paths) {
    this.readingAhead = Promise.all(paths.map((path) => {
      const blob = this.blobs.get(path);
      return blob?.arrayBuffer().then((bytes) => this.core.hold(blob, new Uint8Array(bytes)), () => {});
    }));
  }

  // The photos the core holds, as [path, Blob or bytes]: what another
  // instance is given to read the same project.
  entries() {
    const paths = new Set([...this.blobs.keys(), ...this.core.list(PHOTOS).map((n) => PHOTOS + n)]);
    return [...paths].filter((path) => this.core.exists(path))
      .map((path) => [path, this.blobs.get(path) ?? this.core.readFile(path)]);
  }
}
