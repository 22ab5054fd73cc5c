// Lumaveil web page: makes the page's [data-lumaveil-saver] elements
// players of the saver they name (lumaveil_player.js reads and draws it):
// the picture, a bar a tap shows, full screen, the screen kept awake, the
// page's words, and offline play (loaded as the page's service worker, it
// keeps the page, both modules and the saver).
//
// Importing it does nothing in a page: the page calls mountPlayers(document).
// The maker puts this module and the player inside a page opened from the
// disk, this import line left out; nothing here is named as in the player.
import { fileSource, NOT_A_SAVER, PackageReader, Player, SaverError, UNREACHABLE, urlSource } from './lumaveil_player.js';

// The page's words in the languages the maker writes pages in (the page's
// lang attribute), keyed by their English text; any other language reads
// English.
export const WORDS = Object.freeze({
  fr: {
    'Screen saver': 'Économiseur d\'écran', 'Loading %s': 'Chargement de %s', Playback: 'Lecture',
    Pause: 'Pause', Play: 'Lecture', Previous: 'Précédent', Next: 'Suivant',
    'Leave full screen': 'Quitter le plein écran', 'Play full screen': 'Lire en plein écran',
    'Open the saver file': 'Ouvrir le fichier de l\'économiseur',
    'Choose the saver file to play it here.': 'Choisissez le fichier de l\'économiseur pour le lire ici.',
    'The saver could not be read from here: choose the saver file to play it.':
      'L\'économiseur n\'a pas pu être lu d\'ici : choisissez son fichier pour le lire.',
    [NOT_A_SAVER]: 'Ce fichier n\'est pas un économiseur d\'écran créé avec Lumaveil, ou il est endommagé.',
    [UNREACHABLE]: 'L\'économiseur d\'écran n\'a pas pu être chargé (HTTP %s).',
  },
  de: {
    'Screen saver': 'Bildschirmschoner', 'Loading %s': '%s wird geladen', Playback: 'Wiedergabe',
    Pause: 'Pause', Play: 'Abspielen', Previous: 'Zurück', Next: 'Weiter',
    'Leave full screen': 'Vollbild verlassen', 'Play full screen': 'Im Vollbild abspielen',
    'Open the saver file': 'Bildschirmschoner-Datei öffnen',
    'Choose the saver file to play it here.': 'Wählen Sie die Bildschirmschoner-Datei, um sie hier abzuspielen.',
    'The saver could not be read from here: choose the saver file to play it.':
      'Der Bildschirmschoner konnte von hier nicht gelesen werden: Wählen Sie seine Datei, um ihn abzuspielen.',
    [NOT_A_SAVER]: 'Diese Datei ist kein mit Lumaveil erstellter Bildschirmschoner oder sie ist beschädigt.',
    [UNREACHABLE]: 'Der Bildschirmschoner konnte nicht geladen werden (HTTP %s).',
  },
  es: {
    'Screen saver': 'Salvapantallas', 'Loading %s': 'Cargando %s', Playback: 'Reproducción',
    Pause: 'Pausa', Play: 'Reproducir', Previous: 'Anterior', Next: 'Siguiente',
    'Leave full screen': 'Salir de pantalla completa', 'Play full screen': 'Ver a pantalla completa',
    'Open the saver file': 'Abrir el archivo del salvapantallas',
    'Choose the saver file to play it here.': 'Elija el archivo del salvapantallas para verlo aquí.',
    'The saver could not be read from here: choose the saver file to play it.':
      'No se pudo leer el salvapantallas desde aquí: elija su archivo para verlo.',
    [NOT_A_SAVER]: 'Este archivo no es un salvapantallas creado con Lumaveil, o está dañado.',
    [UNREACHABLE]: 'No se pudo cargar el salvapantallas (HTTP %s).',
  },
});

// The words of `lang` ("de", "de-AT"): a function from an English text
// (with %s for `value`) to its wording, the English one when there is none.
export function wordsFor(lang) {
  const words = WORDS[String(lang || '').toLowerCase().split(/[-_]/)[0]] || {};
  return (english, value = '') =>
    (Object.hasOwn(words, english) ? words[english] : english).replace('%s', value);
}

const STYLE = `.lmv-stage{position:relative;margin:auto;width:100%;aspect-ratio:4/3;background:#000;overflow:hidden}
.lmv-stage:fullscreen,.lmv-window{width:100vw!important;height:100vh;aspect-ratio:auto!important}
.lmv-window{position:fixed;inset:0;height:100dvh;z-index:9}.lmv-stage canvas{position:absolute;inset:0;width:100%;height:100%}
.lmv-progress{position:absolute;bottom:0;width:30%;height:4px;background:#8fb3ff;animation:lmv-load 1.2s linear infinite}
@keyframes lmv-load{from{left:-30%}to{left:100%}}
.lmv-bar{position:absolute;left:50%;bottom:1rem;transform:translateX(-50%);display:flex;gap:.5rem;opacity:0;transition:opacity .4s;pointer-events:none}
.lmv-shown{opacity:1;pointer-events:auto}.lmv-bar button{color:#fff;background:#000a;border:1px solid #fff8;border-radius:2rem;padding:.4rem .9rem}
.lmv-error{color:#b00020;font-weight:600}.lmv-controls{margin:.75rem 0;display:flex;flex-wrap:wrap;gap:.75rem;justify-content:center}
.lmv-controls button,.lmv-open{font:inherit;padding:.5rem 1rem;border-radius:.5rem;border:1px solid #3b4f8f;background:#fff;color:#1f2430}
.lmv-open input{position:absolute;width:1px;opacity:0}@media (prefers-color-scheme:dark){.lmv-error{color:#ff8a80}}`;
const BAR_MS = 3000;  // the bar fades out this long after the last tap

const callable = (f) => (typeof f === 'function' ? f : undefined);

function element(parent, tag, props, attributes = {}) {
  const e = Object.assign(document.createElement(tag), props);
  for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
  parent.append(e);
  return e;
}

// Makes `root` a player: the picture (a canvas named after the saver, a
// progress line while the first screen loads, a bar a tap shows), one line
// for errors, the controls. Options (checked): src, name, fetch, source (a
// promise of a source), and the player's. Returns { play, player, stop };
// stop() removes all it added: elements, listeners, observers, timers, the
// wake lock.
export function mountPlayer(root, options = {}) {
  const text = (v, fallback) => (typeof v === 'string' ? v : fallback);
  // The words of the page's language (the root's or the document's lang).
  const words = wordsFor((root.closest && root.closest('[lang]') || document.documentElement).lang);
  const o = Object.freeze({
    src: text(options.src, root.dataset.src), name: text(options.name, root.dataset.name || words('Screen saver')),
    fetch: callable(options.fetch), source: options.source && callable(options.source.then) ? options.source : null,
  });
  // One style sheet for the page's players, there while one is.
  const style = document.getElementById('lmv-style') ||
    element(document.head, 'style', { id: 'lmv-style', textContent: STYLE });
  style.dataset.players = Number(style.dataset.players || 0) + 1;
  const stopping = new AbortController();
  const { signal } = stopping;
  const on = (target, type, f) => target.addEventListener(type, f, { signal });
  const stage = element(root, 'div', { className: 'lmv-stage' });
  const canvas = element(stage, 'canvas', { width: 1, height: 1 }, { role: 'img', 'aria-label': o.name });
  const progress = element(stage, 'div', { className: 'lmv-progress' }, { role: 'progressbar', 'aria-label': words('Loading %s', o.name) });
  const bar = element(stage, 'div', { className: 'lmv-bar' }, { role: 'toolbar', 'aria-label': words('Playback') });
  const message = element(root, 'p', { className: 'lmv-error', hidden: true }, { role: 'alert' });
  const controls = element(root, 'div', { className: 'lmv-controls' });
  let player = null;
  let barTimer = null;
  let lock = null;
  const say = (t, value) => { message.textContent = words(t, value); message.hidden = !t; };
  const full = () => document.fullscreenElement === stage || stage.classList.contains('lmv-window');

  // The screen stays awake while playing full screen and visible.
  const wake = () => {
    const want = full() && !document.hidden && player && !player.paused && !player.stopped;
    if (want && !lock && navigator.wakeLock) lock = navigator.wakeLock.request('screen').catch(() => null);
    else if (!want && lock) {
      lock.then((l) => l && l.release()).catch(() => {});
      lock = null;
    }
  };
  const showBar = (shown) => {
    bar.classList.toggle('lmv-shown', shown);
    leaveButton.hidden = !full();
    clearTimeout(barTimer);
    barTimer = shown ? setTimeout(() => showBar(false), BAR_MS) : null;
  };
  // A bar button: its action (once there is a player), the bar kept up.
  const button = (label, action) => {
    const b = element(bar, 'button', { type: 'button', textContent: label });
    on(b, 'click', (event) => {
      event.stopPropagation();
      if (player) action();
      showBar(true);
    });
    return b;
  };
  const pauseButton = button(words('Pause'), () => {
    player.paused ? player.resume() : player.pause();
    pauseButton.textContent = words(player.paused ? 'Play' : 'Pause');
    wake();
  });
  button(words('Previous'), () => player.skip(-1));
  button(words('Next'), () => player.skip(1));
  const leaveButton = button(words('Leave full screen'), () => leave());
  const fullButton = element(controls, 'button', { type: 'button', textContent: words('Play full screen') });
  const open = element(controls, 'label', { className: 'lmv-open', textContent: words('Open the saver file'), hidden: true });
  const input = element(open, 'input', { type: 'file' });

  // The canvas covers the stage at the display's pixel density.
  const layout = () => {
    if (!player || !player.reader || !player.reader.trailer) return;
    const area = stage.getBoundingClientRect();
    const w = Math.round(area.width * devicePixelRatio);
    const h = Math.round(area.height * devicePixelRatio);
    if (w !== canvas.width || h !== canvas.height) player.resize(w, h);
  };
  const changed = () => {
    if (!full()) stage.classList.remove('lmv-window');
    leaveButton.hidden = !full();
    layout();
    wake();
  };
  // Element full screen where the browser has it, else the whole window.
  const enter = () => {
    if (stage.requestFullscreen) return stage.requestFullscreen().catch(() => {});
    stage.classList.add('lmv-window');
    changed();
  };
  const leave = () => {
    if (document.fullscreenElement === stage) document.exitFullscreen().catch(() => {});
    stage.classList.remove('lmv-window');
    changed();
  };

  async function play(source) {
    if (player) player.stop();
    say('');
    progress.hidden = false;
    const current = player = new Player(canvas, null, {
      reducedMotion: () => matchMedia('(prefers-reduced-motion: reduce)').matches,
      ...options,
      onError: (t, e) => { say(e.words, e.value); wake(); },
      onFirstScreen: () => {
        progress.hidden = true;
        if (!o.source) keepOffline(o.src, current.reader.trailer.dataOffset);
      },
    });
    try {
      const reader = current.reader = new PackageReader(await source);
      const t = await reader.open();
      stage.style.aspectRatio = `${t.width}/${t.height}`;
      stage.style.width = `min(100%, calc(65vh * ${t.width} / ${t.height}))`;
    } catch (error) {
      progress.hidden = true;
      // An empty message: the page already says what to do instead.
      if (current === player && error.message) current.fail(error);
      return;
    }
    if (current !== player) return;
    layout();
    await current.start();
    wake();
  }

  on(input, 'change', () => input.files[0] && play(fileSource(input.files[0])));
  on(fullButton, 'click', enter);
  on(stage, 'click', () => showBar(!bar.classList.contains('lmv-shown')));
  // A key leaves full screen, as input ends the desktop saver.
  on(document, 'keydown', () => full() && leave());
  on(document, 'fullscreenchange', changed);
  on(document, 'visibilitychange', () => {
    if (player && document.hidden) player.pause();
    else if (player && pauseButton.textContent === words('Pause')) player.resume();
    wake();
  });
  const observer = new ResizeObserver(layout);
  observer.observe(stage);

  const offer = (t) => {
    open.hidden = false;
    progress.hidden = true;
    say(t);
  };
  if (o.source) play(o.source);
  // From the disk the browser refuses to fetch the saver: the user opens it.
  else if (location.protocol === 'file:' || !o.src) offer('Choose the saver file to play it here.');
  else {
    play(urlSource(o.src, o.fetch).catch((e) => {
      if (e instanceof SaverError) throw e;
      offer('The saver could not be read from here: choose the saver file to play it.');
      throw new SaverError('');
    }));
  }
  const stop = () => {
    if (signal.aborted) return;
    if (player) player.stop();
    leave();
    stopping.abort();
    observer.disconnect();
    clearTimeout(barTimer);
    wake();
    for (const e of [stage, message, controls]) e.remove();
    if (!(style.dataset.players -= 1)) style.remove();
  };
  return { play, stop, get player() { return player; } };
}

// This module's file: where it was loaded from, or beside the page (put
// inside it); the player's beside it.
const PAGE_MODULE_FILE = 'lumaveil_page.js';
const moduleUrl = () => (import.meta.url.endsWith('.js') ? import.meta.url
  : new URL(PAGE_MODULE_FILE, document.baseURI).href);

// Has the service worker keep the page, both modules and the saver at
// `src` from byte `from` on.
function keepOffline(src, from) {
  if (!src || !navigator.serviceWorker || !/^https?:$/.test(location.protocol)) return;
  const page = moduleUrl();
  navigator.serviceWorker.ready.then((r) => r.active && r.active.postMessage({
    keep: [location.href.split('#')[0], page, new URL('lumaveil_player.js', page).href],
    saver: new URL(src, document.baseURI).href, from,
  })).catch(() => {});
}

// Every [data-lumaveil-saver] of `doc` becomes a player; over HTTP the
// module is the page's service worker.
export function mountPlayers(doc) {
  if (navigator.serviceWorker && /^https?:$/.test(location.protocol)) {
    navigator.serviceWorker.register(moduleUrl(), { type: 'module' }).catch(() => {});
  }
  return [...doc.querySelectorAll('[data-lumaveil-saver]')].map((root) => mountPlayer(root));
}

// ---- Offline

const CACHE = 'lumaveil';

// The service worker: the network first, else what was kept. A saver is
// kept from its first record on (its first byte and size in headers), and
// Range requests are answered from it.
export function serveOffline(scope) {
  const ours = (url) => typeof url === 'string' && new URL(url).origin === scope.location.origin;
  const keep = async ({ keep: urls, saver, from }) => {
    const cache = await caches.open(CACHE);
    await Promise.all(urls.filter(ours).map((u) => cache.add(new Request(u, { cache: 'no-store' }))));
    if (!ours(saver) || !(from >= 0)) return;
    const r = await fetch(saver, { headers: { Range: `bytes=${from}-` } });
    const total = /\/(\d+)$/.exec(r.headers.get('Content-Range')) || [];
    const blob = await r.blob();
    if (r.status === 200 || total[1]) {
      await cache.put(saver, new Response(blob, { headers: {
        'X-Lumaveil-From': r.status === 206 ? from : 0, 'X-Lumaveil-Size': total[1] || blob.size } }));
    }
  };
  scope.addEventListener('install', (e) => e.waitUntil(scope.skipWaiting()));
  scope.addEventListener('activate', (e) => e.waitUntil(scope.clients.claim()));
  scope.addEventListener('message', (e) => {
    if (e.data && Array.isArray(e.data.keep)) e.waitUntil(keep(e.data).catch(() => {}));
  });
  scope.addEventListener('fetch', (e) => {
    if (e.request.method === 'GET' && ours(e.request.url)) e.respondWith(answer(e.request));
  });
}

async function answer(request) {
  try {
    return await fetch(request);
  } catch (error) {
    const kept = await (await caches.open(CACHE)).match(request.url);
    if (!kept) throw error;
    const from = Number(kept.headers.get('X-Lumaveil-From') || NaN);
    if (!(from >= 0)) return kept;
    const n = Number(kept.headers.get('X-Lumaveil-Size'));
    const [, x, y] = /^bytes=(\d*)-(\d*)$/.exec(request.headers.get('Range')) || [];
    const a = x ? Number(x) : n - Number(y);
    const b = x && y ? Math.min(n - 1, Number(y)) : n - 1;
    if (!(a >= from && a <= b)) throw error;
    return new Response((await kept.blob()).slice(a - from, b + 1 - from),
                        { status: 206, headers: { 'Content-Range': `bytes ${a}-${b}/${n}` } });
  }
}

// The one thing done on import, and only as the page's service worker.
if (typeof ServiceWorkerGlobalScope === 'function' && globalThis instanceof ServiceWorkerGlobalScope) {
  serveOffline(globalThis);
}
