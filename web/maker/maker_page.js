// The web maker's page: the screens of one project kept by the maker's
// core in a worker (core_worker.js), shown and edited here. Every change
// goes to the core, which owns the project file; the page shows what the
// core answers. Generation runs in a second worker with a copy of the
// project, so that Stop can end it at once.
const $ = (id) => document.getElementById(id);

const ENGINES = { windows: 'engines/LmvEngine.exe', linux: 'engines/LmvEngine' };
const SAVER_NAMES = { windows: 'lumaveil.scr', linux: 'lumaveil-saver' };
const QUALITY = 75;

// One worker and its requests, answered in order.
class CoreWorker {
  constructor() {
    this.worker = new Worker(new URL('./core_worker.js', import.meta.url), { type: 'module' });
    this.next = 1;
    this.pending = new Map();
    this.worker.onmessage = ({ data }) => {
      const request = this.pending.get(data.id);
      if (!request) return;
      if ('line' in data) return request.onLine?.(data.line);
      this.pending.delete(data.id);
      if ('error' in data) request.reject(new Error(data.error));
      else request.resolve(data.result);
    };
  }
  call(op, args = [], { onLine, transfer = [] } = {}) {
    const id = this.next++;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, onLine });
      this.worker.postMessage({ id, op, args }, transfer);
    });
  }
  terminate() {
    this.worker.terminate();
    for (const { reject } of this.pending.values()) reject(new Error('stopped'));
    this.pending.clear();
  }
}

const core = new CoreWorker();
const state = { project: null, selected: -1, undo: [], generating: null, busy: 0 };

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
// item each; progress lines are not kept.
function showMessages(lines) {
  const list = $('messages');
  list.replaceChildren();
  for (const line of lines) {
    if (/^\(\d+ \/ \d+\)/.test(line)) continue;
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

const renders = new Map();  // screen index -> rendered image, until the next change

async function rendered(index) {
  if (!renders.has(index)) {
    const { image, messages } = await core.call('render', [index]);
    if (messages.length) showMessages(messages);
    renders.set(index, image ?? null);
  }
  return renders.get(index);
}

function screenName(screen, index) {
  const path = screen.CheminImage || '';
  return `${String(index + 1).padStart(3, '0')} ${path.slice(path.lastIndexOf('/') + 1)}`;
}

const refresh = () => busy(redraw);

async function redraw() {
  state.project = await core.call('project');
  renders.clear();
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
    thumb.width = 140;
    thumb.height = 100;
    const label = document.createElement('span');
    label.textContent = screenName(screen, index);
    item.append(thumb, label);
    list.append(item);
  });
  $('undo').disabled = state.undo.length === 0;
  $('edit').hidden = screens.length === 0;
  $('empty').hidden = screens.length !== 0;
  await showSelected();
  // Thumbnails after the selected screen, one at a time.
  for (const item of list.children) {
    const index = Number(item.dataset.index);
    drawInto(item.firstChild, await rendered(index), 140, 100);
  }
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
  $('effect').value = String(screen.EffetTransition);
  $('duration').value = String(screen.DureeAffichage);
  const caption = screen.Textes[0];
  $('caption').value = caption.Utilisation ? caption.Libelle : '';
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

const addPhotos = (files) => busy(() => readPhotos(files));

async function readPhotos(files) {
  const photos = [];
  for (const file of files) {
    if (!file.type.startsWith('image/') && !/\.(heic|heif|avif|webp|tiff?|bmp|gif|png|jpe?g)$/i.test(file.name))
      continue;
    photos.push({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) });
  }
  if (!photos.length) return;
  say(`Adding ${photos.length} photo${photos.length > 1 ? 's' : ''}...`);
  state.undo.push(await core.call('snapshot'));
  const lines = await core.call('addPhotos', [photos, $('resolution').value]);
  showMessages(lines);
  say('');
  await refresh();
}

async function generate(platform) {
  if ((state.project?.ecrans?.length ?? 0) < 2) {
    showMessages(['A screen saver needs two screens or more.']);
    return;
  }
  const engine = await fetch(ENGINES[platform]);
  if (!engine.ok) {
    showMessages([`The ${platform === 'windows' ? 'Windows' : 'Linux'} player is not part of this page.`]);
    return;
  }
  const worker = new CoreWorker();
  state.generating = worker;
  $('stop').hidden = false;
  const progress = $('progress');
  progress.hidden = false;
  progress.removeAttribute('value');
  try {
    await worker.call('load', [await core.call('files')]);
    const result = await worker.call('generate',
      [platform, new Uint8Array(await engine.arrayBuffer()), QUALITY], {
        onLine: (line) => {
          const step = /^\((\d+) \/ (\d+)\)/.exec(line);
          if (step) {
            progress.max = Number(step[2]);
            progress.value = Number(step[1]);
            say(`Making screen ${step[1]} of ${step[2]}...`);
          }
        },
      });
    showMessages(result.messages);
    if (result.bytes) {
      const link = document.createElement('a');
      link.href = URL.createObjectURL(new Blob([result.bytes], { type: 'application/octet-stream' }));
      link.download = SAVER_NAMES[platform];
      document.body.append(link);
      link.click();
      link.remove();
      say(`The screen saver is made: ${SAVER_NAMES[platform]}.`);
    } else {
      say('No screen saver was made.');
    }
  } catch (error) {
    say(error.message === 'stopped' ? 'Stopped: no screen saver was made.' : error.message);
  } finally {
    worker.terminate();
    state.generating = null;
    $('stop').hidden = true;
    progress.hidden = true;
  }
}

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
  $('make-linux').addEventListener('click', () => generate('linux'));
  $('stop').addEventListener('click', () => state.generating?.terminate());
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
  changeAll(state.selected, [['champ', 'RotationAngle', angle],
                             ['champ', 'RotationUtilisation', angle ? 1 : 0]]);
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
});
