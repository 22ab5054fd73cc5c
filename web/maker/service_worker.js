// Keeps the web maker's files so that the page opens and works with no
// network once it has been opened: every file of the folder is kept at the
// first visit, and answered from the cache first afterwards. Nothing else
// is ever asked for: the page requests nothing from other sites.
const CACHE = 'lumaveil-web-maker-3';
const FILES = [
  './', 'index.html', 'maker.css', 'maker_page.js', 'core_client.js', 'core_worker.js', 'maker_core.js',
  'generation_workers.js', 'photo_store.js',
  'screen_editors.js', 'zip_archive.js', 'project_archive.js', 'message_lines.js', 'lumaveil_core.mjs', 'lumaveil_core.wasm',
  'polices/polices.txt', 'Page.html', 'lumaveil_page.js', 'lumaveil_player.js',
];

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const cache = await caches.open(CACHE);
    await cache.addAll(FILES);
    // The faces and the engines: what the table and the folder name.
    const table = await (await cache.match('polices/polices.txt')).text();
    const faces = [...new Set(table.split('\n').map((l) => l.split('\t')[3]).filter(Boolean))];
    await cache.addAll(faces.map((f) => `polices/${f}`));
    for (const engine of ['engines/LmvEngine.exe', 'engines/LmvEngine']) {
      const response = await fetch(engine);
      if (response.ok) await cache.put(engine, response);
    }
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) if (name !== CACHE) await caches.delete(name);
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith((async () => {
    const cached = await caches.match(event.request, { ignoreSearch: true });
    return cached ?? fetch(event.request);
  })());
});
