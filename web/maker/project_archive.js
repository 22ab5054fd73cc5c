// A project's files in the core's file system, as the page saves and opens
// them: the project file (named by the caller; its folder is the current
// one) and its photos under PHOTOS, which the project names relative to
// its folder ("photos/NAME"), as the desktop names any picture path. Saved,
// both make one zip; a desktop project opens with its photos chosen
// beside it, each screen taking the photo of its picture's file name.
import { writeZip, readZip } from './zip_archive.js';
import { PHOTOS, PhotoStore } from './photo_store.js';

// Where the project file stands in a saved project's zip.
export const PROJECT_IN_ZIP = 'project.lmv';

// The project and its photos gone: a new project starts.
function clear(core, project, store) {
  if (core.exists(project)) core.remove(project);
  store.clear();
}

function baseName(path) {
  return path.slice(Math.max(path.lastIndexOf('/'), path.lastIndexOf('\\')) + 1);
}

// Puts `bytes` as the project: a screen whose picture is not where the
// project names it takes the photo of the same file name among `photos`
// (paths in the photos folder) or, without one, any file of the folder of
// that name. The lines say what is missing.
function open(core, file, bytes, photos) {
  core.writeFile(file, bytes);
  const project = core.project(file);
  if (!project) {
    const lines = core.messages();
    core.remove(file);
    return lines.length ? lines : ['This project file cannot be read.'];
  }
  const lines = [];
  const here = new Map(core.list(PHOTOS).map((n) => [n.toLowerCase(), PHOTOS + n]));
  for (const path of photos) here.set(baseName(path).toLowerCase(), path);
  project.ecrans.forEach((screen, index) => {
    const path = screen.CheminImage;
    if (!path || (!path.startsWith('/') && core.exists(path))) return;
    const found = here.get(baseName(path).toLowerCase());
    if (found) core.change(file, index, 'champ', 'CheminImage', found);
    else lines.push(`Photo not found: ${baseName(path)} (screen ${index + 1})`);
  });
  return lines;
}

// The project as one zip: the project file (as PROJECT_IN_ZIP) and the
// photos its screens use, under the names the project gives them. Null
// without a project.
export async function saveArchive(core, project) {
  if (!core.exists(project)) return null;
  const entries = [{ name: PROJECT_IN_ZIP, bytes: core.readFile(project) }];
  const used = new Set((core.project(project)?.ecrans ?? []).map((e) => e.CheminImage));
  for (const path of used)
    if (path && !path.startsWith('/') && core.exists(path)) entries.push({ name: path, bytes: core.readFile(path) });
  return writeZip(entries);
}

// Opens a project saved as a zip: the first project file it holds and
// every file beside or below it (kept by the browser, in `store`). The
// lines say what could not be read.
export async function openArchive(core, project, bytes, store = new PhotoStore(core)) {
  const read = await readZip(bytes);
  if (read.error) return [read.error];
  const found = read.entries.find((e) => /\.lmv$/i.test(e.name));
  if (!found) return ['This zip holds no Lumaveil project (.lmv).'];
  const base = found.name.slice(0, found.name.lastIndexOf('/') + 1);
  clear(core, project, store);
  const files = [];
  for (const { name, bytes: data } of read.entries) {
    if (!name.startsWith(base) || name === found.name || name.split('/').includes('..'))
      continue;
    files.push([name.slice(base.length), store.keepsBlobs ? new Blob([data]) : data]);
  }
  store.place(files);
  return open(core, project, found.bytes, []);
}

// Opens a project file made by the desktop maker with its photos, chosen
// beside it ([{ name, blob }] or [{ name, bytes }]).
export function openProject(core, project, bytes, photos, store = new PhotoStore(core)) {
  clear(core, project, store);
  return open(core, project, bytes, store.add(photos));
}
