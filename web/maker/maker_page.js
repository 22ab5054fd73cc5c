// The web maker's page: the screens of one project kept by the maker's
// core in a worker (core_worker.js), shown and edited here. Every change
// goes to the core, which owns the project file; the page shows what the
// core answers. Generation runs in workers of its own, one per core, with
// copies of the project (generation_workers.js), so that Stop can end it
// at once.
import { CoreWorker } from './core_client.js';
import { Generation, WorkerPool } from './generation_workers.js';
import { ScreenEditors, setValue } from './screen_editors.js';
import { messageLines } from './message_lines.js';

const $ = (id) => document.getElementById(id);

const ENGINES = { windows: 'engines/LmvEngine.exe', linux: 'engines/LmvEngine' };
const SAVER_NAMES = { windows: 'lumaveil.scr', linux: 'lumaveil-saver' };
const QUALITY = 75;
const WEB_PAGE_NAME = 'lumaveil-web-page.zip';
const PROJECT_ZIP_NAME = 'lumaveil-project.zip';
// What the web page folder is made from, beside the players.
const PAGE_FILES = ['Page.html', 'lumaveil_page.js', 'lumaveil_player.js'];

const core = new CoreWorker();
// The generation's workers, made ready once the project has a screen.
const pool = new WorkerPool();
// Fills the pool when the page has nothing else to do, so that a new
// worker loading the core does not slow the first photo being added.
function fillPool() {
  if (!state.project?.ecrans?.length || state.generating) return;
  (self.requestIdleCallback ?? setTimeout)(() => {
    pool.fill();
    // The players a saver begins with, fetched while nothing waits for them.
    engines().catch(() => {});
  });
}
const state = { project: null, selected: -1, undo: [], generating: null, previewing: null, busy: 0 };

// Work in progress shows on the page (the tests wait for it to end).
async function busy(work) {
  document.body.dataset.busy = String(++state.busy > 0);
  try {
    return await work();
  } finally {
    document.body.dataset.busy = String(--state.busy > 0);
  }
}

function say(text) {
  $('status').textContent = text;
}

// The lines the core wrote (a photo it could not read, a refusal), one
// item each (message_lines.js).
function showMessages(lines) {
  const list = $('messages');
  list.replaceChildren();
  for (const line of messageLines(lines)) {
    const item = document.createElement('li');
    item.textContent = line;
    list.append(item);
  }
}

function drawInto(canvas, image, width, height) {
  canvas.width = width;
  canvas.height = height;
  const context = canvas.getContext('2d');
  context.fillStyle = '#222';
  context.fillRect(0, 0, width, height);
  if (!image) return;
  const source = new OffscreenCanvas(image.width, image.height);
  source.getContext('2d').putImageData(new ImageData(image.rgba, image.width, image.height), 0, 0);
  const scale = Math.min(width / image.width, height / image.height);
  const w = Math.round(image.width * scale), h = Math.round(image.height * scale);
  context.imageSmoothingQuality = 'high';
  context.drawImage(source, (width - w) >> 1, (height - h) >> 1, w, h);
}

// Rendered screens and thumbnails by the resolution and the screen's fields:
// a screen that did not change keeps them wherever it moves. A few whole screens are kept,
// every thumbnail.
const renders = new Map();
const thumbs = new Map();
const RENDERS_KEPT = 6;

const keyOf = (index) => JSON.stringify([state.project?.resolution, state.project?.ecrans?.[index] ?? null]);

function forgetPictures() {
  renders.clear();
  thumbs.clear();
}

async function rendered(index) {
  const key = keyOf(index);
  if (!renders.has(key)) {
    const { image, messages } = await core.call('render', [index]);
    if (messages.length) showMessages(messages);
    renders.set(key, image ?? null);
    if (renders.size > RENDERS_KEPT) renders.delete(renders.keys().next().value);
  }
  return renders.get(key);
}

async function thumbnail(index) {
  const key = keyOf(index);
  if (!thumbs.has(key)) thumbs.set(key, (await core.call('thumbnail', [index])).image ?? null);
  return thumbs.get(key);
}

function screenName(screen, index) {
  const path = screen.CheminImage || '';
  return `${String(index + 1).padStart(3, '0')} ${path.slice(path.lastIndexOf('/') + 1)}`;
}

const refresh = () => busy(redraw);

async function redraw() {
  state.project = await core.call('project');
  const screens = state.project?.ecrans ?? [];
  if (state.selected >= screens.length) state.selected = screens.length - 1;
  if (state.selected < 0 && screens.length) state.selected = 0;
  const list = $('screens');
  list.replaceChildren();
  screens.forEach((screen, index) => {
    const item = document.createElement('li');
    item.draggable = true;
    item.dataset.index = index;
    item.setAttribute('aria-selected', String(index === state.selected));
    item.setAttribute('aria-label', `Screen ${screenName(screen, index)}`);
    const thumb = document.createElement('canvas');
    thumb.width = 150;
    thumb.height = 110;
    const label = document.createElement('span');
    label.textContent = screenName(screen, index);
    item.append(thumb, label);
    list.append(item);
  });
  $('undo').disabled = state.undo.length === 0;
  $('save').disabled = screens.length === 0;
  if (state.project) {
    const size = state.project.resolution.join('x');
    const select = $('resolution');
    if (![...select.options].some((o) => o.value === size)) select.add(new Option(size, size));
    select.value = size;
  }
  $('edit').hidden = screens.length === 0;
  $('empty').hidden = screens.length !== 0;
  await showSelected();
  // Thumbnails after the selected screen, one at a time.
  for (const item of list.children) {
    const index = Number(item.dataset.index);
    drawInto(item.firstChild, await thumbnail(index), 150, 110);
  }
  fillPool();
}

async function showSelected() {
  for (const item of $('screens').children)
    item.setAttribute('aria-selected', String(Number(item.dataset.index) === state.selected));
  const screen = state.project?.ecrans?.[state.selected];
  const canvas = $('screen');
  if (!screen) {
    drawInto(canvas, null, 640, 360);
    return;
  }
  const [w, h] = state.project.resolution;
  setValue('effect', String(screen.EffetTransition));
  setValue('duration', String(screen.DureeAffichage));
  const caption = screen.Textes[0];
  setValue('caption', caption.Utilisation ? caption.Libelle : '');
  editors.show(screen);
  if (editors.crop) editors.leaveCrop(false);
  drawInto(canvas, await rendered(state.selected), w, h);
}

// Changes of one screen ([operation, name, value] each), undone as one:
// the project file is kept for Undo first.
const changeAll = (index, changes) => busy(() => applyAll(index, changes));

async function applyAll(index, changes) {
  const before = await core.call('snapshot');
  try {
    for (const [operation, name, value] of changes)
      await core.call('change', [index, operation, name, value]);
    state.undo.push(before);
  } catch (error) {
    await core.call('restore', [before]);
    showMessages([error.message]);
  }
  await refresh();
}
const change = (index, operation, name, value) => changeAll(index, [[operation, name, value]]);

// An editor's values confirmed on the selected screen: one Undo step.
const editScreen = (name, values) => busy(async () => {
  const before = await core.call('snapshot');
  try {
    await core.call('edit', [state.selected, name, values]);
    state.undo.push(before);
  } catch (error) {
    await core.call('restore', [before]);
    showMessages([error.message]);
  }
  await refresh();
});

const editors = new ScreenEditors({
  core,
  index: () => state.selected,
  edit: editScreen,
  draw: (image) => drawInto($('screen'), image, image.width, image.height),
  redrawSelected: () => busy(showSelected),
});

const addPhotos = (files) => busy(() => readPhotos(files));

async function readPhotos(files) {
  const photos = [];
  for (const file of files) {
    if (!file.type.startsWith('image/') && !/\.(heic|heif|avif|webp|tiff?|bmp|gif|png|jpe?g)$/i.test(file.name))
      continue;
    // The file itself: the core reads it where the browser keeps it.
    photos.push({ name: file.name, blob: file });
  }
  if (!photos.length) return;
  say(`Adding ${photos.length} photo${photos.length > 1 ? 's' : ''}...`);
  state.undo.push(await core.call('snapshot'));
  const lines = await core.call('addPhotos', [photos, $('resolution').value]);
  showMessages(lines);
  say('');
  await refresh();
}

function download(bytes, name, type = 'application/octet-stream') {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(new Blob([bytes], { type }));
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

// The players this page holds, as bytes: { windows, linux } (either may
// be missing).
let enginesHeld = null;
function engines() {
  enginesHeld ??= fetchEngines().catch((error) => {
    enginesHeld = null;
    throw error;
  });
  return enginesHeld;
}

async function fetchEngines() {
  const found = {};
  for (const [platform, path] of Object.entries(ENGINES)) {
    const response = await fetch(path);
    if (response.ok) found[platform] = new Uint8Array(await response.arrayBuffer());
  }
  return found;
}

// What the page makes, in workers of its own with copies of the project
// (Stop ends them at once): `kind` is "windows" or "linux" (the saver),
// "web" (the web page folder) or "preview" (a saver to play here). The
// bytes made, or null (the lines say why).
async function make(kind) {
  if ((state.project?.ecrans?.length ?? 0) < 2) {
    showMessages(['A screen saver needs two screens or more.']);
    return null;
  }
  const players = await engines();
  const platform = kind === 'preview' ? (players.windows ? 'windows' : 'linux') : kind;
  if (kind !== 'web' && !players[platform]) {
    showMessages([`The ${platform === 'windows' ? 'Windows' : 'Linux'} player is not part of this page.`]);
    return null;
  }
  const generation = new Generation(pool);
  state.generating = generation;
  $('stop').hidden = false;
  const progress = $('progress');
  progress.hidden = false;
  progress.removeAttribute('value');
  // Screens done, in whichever worker.
  const onDone = (done, total) => {
    progress.max = total;
    progress.value = done;
    say(`Making screen ${Math.min(done + 1, total)} of ${total}...`);
  };
  try {
    const sources = await core.call('sources');
    let write;
    if (kind === 'web') {
      const shipped = {};
      for (const name of PAGE_FILES) {
        const response = await fetch(name);
        if (response.ok) shipped[name] = new Uint8Array(await response.arrayBuffer());
      }
      write = (worker, records, transfer) => worker.call('webPage', [players, shipped, QUALITY, records], { transfer });
    } else {
      write = (worker, records, transfer) =>
        worker.call('generate', [platform, players[platform], QUALITY, records], { transfer });
    }
    const result = await generation.run(sources, QUALITY, onDone, write);
    showMessages(result.messages);
    return result.bytes;
  } catch (error) {
    say(error.message === 'stopped' ? 'Stopped: nothing was made.' : error.message);
    return null;
  } finally {
    generation.stop();
    state.generating = null;
    fillPool();
    $('stop').hidden = true;
    progress.hidden = true;
  }
}

async function generate(kind) {
  const bytes = await make(kind);
  const name = kind === 'web' ? WEB_PAGE_NAME : SAVER_NAMES[kind];
  if (bytes) {
    download(bytes, name, kind === 'web' ? 'application/zip' : 'application/octet-stream');
    say(kind === 'web' ? `The web page folder is made: ${name}.` : `The screen saver is made: ${name}.`);
  } else if (!/^Stopped/.test($('status').textContent)) {
    say(kind === 'web' ? 'No web page was made.' : 'No screen saver was made.');
  }
}

// "Preview": the saver made and played here by the web player, full
// screen. The full screen is asked for at once, while the click allows
// it; a key or "Close" ends the preview.
async function preview() {
  const overlay = $('player');
  overlay.hidden = false;
  overlay.requestFullscreen?.().catch(() => {});
  const end = () => {
    state.previewing?.stop();
    state.previewing = null;
    overlay.hidden = true;
    $('player-screen').replaceChildren();
    if (document.fullscreenElement === overlay) document.exitFullscreen().catch(() => {});
  };
  $('player-close').onclick = end;
  overlay.onkeydown = (e) => e.key === 'Escape' && end();
  document.onfullscreenchange = () => !document.fullscreenElement && !overlay.hidden && end();
  say('Making the preview...');
  const bytes = await make('preview');
  if (!bytes || overlay.hidden) {
    end();
    return;
  }
  say('');
  const [{ mountPlayer }, { bytesSource }] = await Promise.all([import('./lumaveil_page.js'), import('./lumaveil_player.js')]);
  state.previewing = mountPlayer($('player-screen'), {
    name: 'Preview', source: Promise.resolve(bytesSource(bytes)),
  });
  $('player-close').focus();
}

// "Save project": the project file and its photos as one zip.
const saveProject = () => busy(async () => {
  const bytes = await core.call('saveArchive');
  if (!bytes) return;
  download(bytes, PROJECT_ZIP_NAME, 'application/zip');
  say(`The project is saved: ${PROJECT_ZIP_NAME}.`);
});

// "Open project": a project's zip, or a project file (.lmv) chosen with
// its photos.
const openProject = (files) => busy(async () => {
  const zip = files.find((f) => /\.zip$/i.test(f.name));
  const lmv = files.find((f) => /\.lmv$/i.test(f.name));
  if (!zip && !lmv) {
    showMessages(['Choose a project: its .zip, or its .lmv file with its photos.']);
    return;
  }
  say('Opening the project...');
  let lines;
  if (zip) {
    lines = await core.call('openArchive', [new Uint8Array(await zip.arrayBuffer())]);
  } else {
    const photos = files.filter((f) => f !== lmv).map((f) => ({ name: f.name, blob: f }));
    lines = await core.call('openProject', [new Uint8Array(await lmv.arrayBuffer()), photos]);
  }
  showMessages(lines);
  say('');
  // Opening is not a change of the project Undo takes back; its photos may
  // bear the names of the last project's.
  state.undo = [];
  forgetPictures();
  state.selected = 0;
  await redraw();
});

function select(index) {
  const count = state.project?.ecrans?.length ?? 0;
  if (index < 0 || index >= count) return;
  state.selected = index;
  showSelected();
}

function wire() {
  $('photos').addEventListener('change', (e) => addPhotos([...e.target.files]).then(() => (e.target.value = '')));
  $('folder').addEventListener('change', (e) => addPhotos([...e.target.files]).then(() => (e.target.value = '')));
  const drop = $('drop');
  drop.addEventListener('dragover', (e) => {
    if (!e.dataTransfer.types.includes('Files')) return;
    e.preventDefault();
    drop.classList.add('dragging');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('dragging'));
  drop.addEventListener('drop', (e) => {
    drop.classList.remove('dragging');
    if (!e.dataTransfer.files.length) return;
    e.preventDefault();
    addPhotos([...e.dataTransfer.files]);
  });
  const list = $('screens');
  list.addEventListener('click', (e) => {
    const item = e.target.closest('li');
    if (item) select(Number(item.dataset.index));
  });
  list.addEventListener('dragstart', (e) => {
    const item = e.target.closest('li');
    if (item) e.dataTransfer.setData('text/x-lumaveil-screen', item.dataset.index);
  });
  list.addEventListener('dragover', (e) => {
    if (e.dataTransfer.types.includes('text/x-lumaveil-screen')) e.preventDefault();
  });
  list.addEventListener('drop', (e) => {
    const from = e.dataTransfer.getData('text/x-lumaveil-screen');
    const item = e.target.closest('li');
    if (from === '' || !item) return;
    e.preventDefault();
    e.stopPropagation();
    const to = Number(item.dataset.index);
    state.selected = to;
    change(Number(from), 'deplace', to);
  });
  list.addEventListener('keydown', (e) => {
    const i = state.selected;
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      const to = i + (e.key === 'ArrowDown' ? 1 : -1);
      e.preventDefault();
      if (e.altKey) {
        if (to < 0 || to >= (state.project?.ecrans?.length ?? 0)) return;
        state.selected = to;
        change(i, 'deplace', to);
      } else {
        select(to);
      }
    } else if (e.key === 'Delete' && i >= 0) {
      e.preventDefault();
      removeSelected();
    }
  });
  $('delete').addEventListener('click', removeSelected);
  $('rotate-left').addEventListener('click', () => rotate(-1));
  $('rotate-right').addEventListener('click', () => rotate(1));
  $('effect').addEventListener('change', (e) => change(state.selected, 'champ', 'EffetTransition', e.target.value));
  $('duration').addEventListener('change', (e) => change(state.selected, 'champ', 'DureeAffichage', e.target.value));
  $('caption').addEventListener('change', (e) => {
    const text = e.target.value;
    changeAll(state.selected, [['champ', 'Textes.1.Libelle', text],
                               ['champ', 'Textes.1.Utilisation', text ? 1 : 0]]);
  });
  $('resolution').addEventListener('change', (e) => {
    if (state.project) change(-1, 'resolution', e.target.value);
  });
  $('undo').addEventListener('click', async () => {
    if (!state.undo.length) return;
    await core.call('restore', [state.undo.pop()]);
    await refresh();
  });
  $('make-windows').addEventListener('click', () => generate('windows'));
  $('make-web').addEventListener('click', () => generate('web'));
  $('preview').addEventListener('click', preview);
  $('save').addEventListener('click', saveProject);
  $('open').addEventListener('change', (e) => openProject([...e.target.files]).then(() => (e.target.value = '')));
  editors.wire();
  $('make-linux').addEventListener('click', () => generate('linux'));
  $('stop').addEventListener('click', () => state.generating?.stop());
  document.addEventListener('keydown', (e) => {
    if ((e.ctrlKey || e.metaKey) && e.key === 'z' && !e.target.closest('input')) {
      e.preventDefault();
      $('undo').click();
    }
  });
}

// Quarter turns. The angle is kept in half degrees as the desktop keeps it:
// 180 a quarter turn clockwise, -180 anticlockwise, 360 a half turn, 0 none.
const HALF_DEGREES = [0, 180, 360, -180];

function rotate(quarters) {
  const screen = state.project?.ecrans?.[state.selected];
  if (!screen) return;
  const now = Math.max(0, HALF_DEGREES.indexOf(screen.RotationUtilisation ? screen.RotationAngle : 0));
  const angle = HALF_DEGREES[(now + quarters + 4) % 4];
  editScreen('rotation', [angle]);
}

async function removeSelected() {
  const count = state.project?.ecrans?.length ?? 0;
  if (state.selected < 0) return;
  if (count === 1) {
    state.undo.push(await core.call('snapshot'));
    await core.call('removeAll');
    await refresh();
  } else {
    await change(state.selected, 'supprime');
  }
}

// What scripts and the tests may read: the project as the core holds it,
// and its files (the project file and the photos).
window.lumaveilMaker = {
  project: () => state.project,
  files: async () => (await core.call('files')).map(([path, bytes]) => [path, Array.from(bytes)]),
};

if ('serviceWorker' in navigator) navigator.serviceWorker.register('./service_worker.js');
wire();
refresh().then(() => {
  document.body.dataset.ready = 'true';
  (self.requestIdleCallback ?? setTimeout)(() => core.call('warmEditing').catch(() => {}));
});
