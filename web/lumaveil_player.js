// Lumaveil web player: plays a saver made by Lumaveil (Windows or Linux) on
// a canvas, from the saver file: the player program, one record per screen
// (duration, effect, imageLength, a JPEG), a 16-byte trailer (width, height,
// screenCount, dataOffset), all 32-bit little-endian. Over HTTP only the
// trailer and the records are read, with Range requests; a server without
// Range sends the file once. Screens are drawn as the desktop player draws
// them: same geometry, effects, generator for Random, whole seconds.
//
// Every <div data-lumaveil-saver data-src="x.scr" data-name="x"> becomes a
// player; the exports are its parts.

const TRAILER = 16;
const HEADER = 12;
const STEPS = 10;
const STEP_MS = 50;
const READ_AHEAD = 65536;
const MAX_PIXELS = 2 ** 28;
const MAX_IMAGE = 2 ** 27;
const MAX_INT = 2 ** 31 - 1;

export const NOT_A_SAVER = 'This file is not a screen saver made with Lumaveil, or it is damaged.';

// A file that cannot be played; its message is shown as is.
export class SaverError extends Error {}
const damaged = () => new SaverError(NOT_A_SAVER);

// ---- Reading ------------------------------------------------------------------

const int32 = (b, i) => b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (b[i + 3] << 24);

// The picture size in a JPEG's frame header; null when the bytes are not a
// JPEG (no start marker, or the scan before any frame header).
export function jpegSize(b) {
  if (b.length < 4 || b[0] !== 0xff || b[1] !== 0xd8) return null;
  for (let i = 2; i + 4 <= b.length;) {
    const m = b[i + 1];
    if (b[i] !== 0xff) return null;
    if (m === 0xff) { i += 1; continue; }
    if (m === 0x01 || (m >= 0xd0 && m <= 0xd8)) { i += 2; continue; }
    if (m === 0xd9 || m === 0xda) return null;
    if (m >= 0xc0 && m <= 0xcf && m !== 0xc4 && m !== 0xc8 && m !== 0xcc) {
      return i + 9 > b.length ? null
        : { height: (b[i + 5] << 8) | b[i + 6], width: (b[i + 7] << 8) | b[i + 8] };
    }
    const length = (b[i + 2] << 8) | b[i + 3];
    if (length < 2) return null;
    i += 2 + length;
  }
  return null;
}

// Reads the trailer, then the records in order, wrapping to the first after
// the last. `source` is { size, read(offset, length, onBytes) } giving
// exactly `length` bytes. Lengths are checked against the file before
// anything is read or allocated.
export class PackageReader {
  constructor(source) {
    this.source = source;
    this.received = 0;  // bytes read so far
    this.cache = null;  // { offset, bytes }: the last piece read
  }

  // The desktop player's ranges, and room in the file for every record.
  async open() {
    const size = this.source.size;
    if (!(size > TRAILER + HEADER)) throw damaged();
    const b = await this.take(size - TRAILER, TRAILER, 0);
    const t = this.trailer = { width: int32(b, 0), height: int32(b, 4), screenCount: int32(b, 8),
                               dataOffset: int32(b, 12) };
    this.end = size - TRAILER;
    if (!(t.width >= 240 && t.width <= 16384 && t.height >= 240 && t.screenCount > 0 &&
          t.screenCount < 32000 && t.dataOffset > 0 &&
          t.dataOffset + t.screenCount * HEADER <= this.end)) throw damaged();
    this.position = t.dataOffset;
    this.counter = 0;
    return t;
  }

  // The next record: { number, duration, effect, image (the JPEG bytes) }.
  async readRecord() {
    const start = this.position;
    if (start + HEADER > this.end) throw damaged();
    const h = await this.take(start, HEADER, READ_AHEAD);
    const n = int32(h, 8);
    if (n < 4 || n > MAX_IMAGE || start + HEADER + n > this.end) throw damaged();
    const record = { number: this.counter + 1, duration: int32(h, 0), effect: int32(h, 4),
                     image: await this.take(start + HEADER, n, READ_AHEAD) };
    this.position = start + HEADER + n;
    if (++this.counter >= this.trailer.screenCount) {
      this.counter = 0;
      this.position = this.trailer.dataOffset;
    }
    return record;
  }

  // `length` bytes at `offset`, from the last piece read if it holds them;
  // else the missing part, and up to `ahead` more bytes of records.
  async take(offset, length, ahead) {
    const c = this.cache;
    const k = c && offset >= c.offset && offset < c.offset + c.bytes.length ? offset - c.offset : -1;
    if (k >= 0 && k + length <= c.bytes.length) return c.bytes.subarray(k, k + length);
    const head = k >= 0 ? c.bytes.subarray(k) : new Uint8Array(0);
    const from = offset + head.length;
    const to = Math.max(offset + length, Math.min(this.end || 0, from + ahead));
    let bytes = await this.source.read(from, to - from, (n) => { this.received += n; });
    if (head.length) {
      const all = new Uint8Array(head.length + bytes.length);
      all.set(head);
      all.set(bytes, head.length);
      bytes = all;
    }
    this.cache = { offset, bytes };
    return bytes.subarray(0, length);
  }
}

// A file in memory.
export const bytesSource = (bytes) => ({
  size: bytes.length,
  read: async (offset, length, onBytes) => {
    if (onBytes) onBytes(length);
    return bytes.subarray(offset, offset + length);
  },
});

// A file the user chose (File API).
export const fileSource = (file) => ({
  size: file.size,
  read: async (offset, length, onBytes) => {
    const bytes = new Uint8Array(await file.slice(offset, offset + length).arrayBuffer());
    if (bytes.length !== length) throw damaged();
    if (onBytes) onBytes(length);
    return bytes;
  },
});

// A response's body, at most `limit` bytes.
async function body(response, limit, onBytes) {
  const declared = Number(response.headers.get('Content-Length'));
  if (declared > limit) throw damaged();
  let buffer = new Uint8Array(declared > 0 ? declared : Math.min(limit, 65536));
  let n = 0;
  for (const reader = response.body.getReader(); ;) {
    const { done, value } = await reader.read();
    if (done) return buffer.subarray(0, n);
    if (n + value.length > limit) {
      reader.cancel();
      throw damaged();
    }
    if (n + value.length > buffer.length) {
      const bigger = new Uint8Array(Math.min(limit, Math.max(n + value.length, 2 * buffer.length)));
      bigger.set(buffer.subarray(0, n));
      buffer = bigger;
    }
    buffer.set(value, n);
    n += value.length;
    if (onBytes) onBytes(value.length);
  }
}

const unreachable = (status) => new SaverError(`The screen saver could not be loaded (HTTP ${status}).`);
const range = (a, b) => ({ headers: { Range: `bytes=${a}-${b}` } });

// The saver at `url`: asks for its last 16 bytes; a 206 answer gives the
// size and later reads are Range requests, a 200 answer is the whole file.
export async function urlSource(url, fetchFn = (...a) => fetch(...a), onBytes) {
  const first = await fetchFn(url, range('', TRAILER));
  const total = /\/\s*(\d+)\s*$/.exec(first.headers.get('Content-Range') || '');
  if (first.status === 416) throw damaged();
  if (first.status === 206 && total) {
    const size = Number(total[1]);
    const tail = await body(first, TRAILER, onBytes);
    return {
      size,
      read: async (offset, length, more) => {
        if (offset === size - TRAILER && tail.length === length) return tail;
        const r = await fetchFn(url, range(offset, offset + length - 1));
        const got = /^\s*bytes\s+(\d+)-/.exec(r.headers.get('Content-Range') || '');
        if (r.status !== 206 || !got || Number(got[1]) !== offset) throw unreachable(r.status);
        const bytes = await body(r, length, more);
        if (bytes.length !== length) throw damaged();
        return bytes;
      },
    };
  }
  if (first.status !== 200 && first.status !== 206) throw unreachable(first.status);
  return bytesSource(await body(first.status === 200 ? first : await fetchFn(url), MAX_INT, onBytes));
}

// ---- Geometry, effects, generator ------------------------------------------

// Where pictures of width x height go on a screen. Only the widths are
// compared: narrower, drawn at its own size and centred (truncating; y may
// be negative); equal, copied into the whole screen; wider, scaled into it.
export function computeGeometry(width, height, screenWidth, screenHeight) {
  if (width >= screenWidth) {
    return { x: 0, y: 0, width: screenWidth, height: screenHeight, stretch: width > screenWidth };
  }
  return { x: Math.trunc((screenWidth - width) / 2), y: Math.trunc((screenHeight - height) / 2),
           width, height, stretch: false };
}

// The screen in an area: all of it, except that a landscape picture on a
// portrait area gets a band of its own shape across the width, centred.
export function drawingBox(areaWidth, areaHeight, width, height) {
  if (areaHeight > areaWidth && width >= height) {
    const h = Math.max(1, Math.min(areaHeight, Math.round((areaWidth * height) / width)));
    return { x: 0, y: Math.trunc((areaHeight - h) / 2), width: areaWidth, height: h };
  }
  return { x: 0, y: 0, width: areaWidth, height: areaHeight };
}

// part(X) at step 1..10: step * (X / 10), truncating; X at step 10.
export const part = (x, step) => (step >= STEPS ? x : step * Math.trunc(x / STEPS));

// Codes outside 0..6 draw as 0 (7 is resolved before).
const drawn = (effect) => (effect >= 0 && effect <= 6 ? effect : 0);

// One step's blit: { dest, source, stretch } with rectangles {x, y, w, h}. A
// copy takes dest's size from source.x, source.y; a stretch scales the whole
// source rectangle into dest.
export function planStep(effect, step, g, width, height) {
  const rect = (x, y, w, h) => ({ x, y, w, h });
  const whole = rect(0, 0, width, height);
  const copyOrStretch = (dest, sx, sy, scaled) => (g.stretch
    ? { dest, source: scaled, stretch: true }
    : { dest, source: rect(sx, sy, dest.w, dest.h), stretch: false });
  const scaled = (dest) => ({ dest, source: whole, stretch: true });
  const w = part(g.width, step);
  const h = part(g.height, step);
  const hs = part(height, step);
  switch (drawn(effect)) {
    case 1: return copyOrStretch(rect(g.x, g.y, g.width, h), 0, 0, rect(0, 0, width, hs));
    case 2: return scaled(rect(g.x, g.y, w, h));
    case 3: return scaled(rect(g.x + g.width - w, g.y + g.height - h, w, h));
    case 4: return copyOrStretch(rect(g.x, g.y + g.height - h, g.width, h), 0, height - hs,
                                 rect(0, height - hs, width, hs));
    case 5: return copyOrStretch(rect(g.x, g.y, w, g.height), 0, 0, rect(0, 0, part(width, step), height));
    case 6: return scaled(rect(g.x + Math.trunc((g.width - w) / 2), g.y + Math.trunc((g.height - h) / 2), w, h));
    default: return copyOrStretch(rect(g.x, g.y, g.width, g.height), 0, 0, whole);
  }
}

// The desktop player's generator: state 1 at start, never seeded.
export class Random {
  constructor() { this.state = 1; }
  next() {
    this.state = (Math.imul(this.state, 214013) + 2531011) >>> 0;
    return (this.state >>> 16) & 0x7fff;
  }
}

// Effect 7 becomes next() mod 7; other codes stay.
export const resolveEffect = (effect, random) => (effect === 7 ? random.next() % 7 : effect);

// ---- Playing ----------------------------------------------------------------

// A page's clock: calendar milliseconds, timers, animation frames. Tests
// give the player one they step themselves.
const pageClock = {
  now: () => performance.timeOrigin + performance.now(),
  setTimer: (fn, ms) => setTimeout(fn, ms),
  clearTimer: (id) => clearTimeout(id),
  frame: (fn) => requestAnimationFrame((t) => fn(performance.timeOrigin + t)),
  cancelFrame: (id) => cancelAnimationFrame(id),
};

async function decodeJpeg(bytes) {
  const size = jpegSize(bytes);
  if (!size || !size.width || !size.height || size.width * size.height > MAX_PIXELS) throw damaged();
  try {
    return await createImageBitmap(new Blob([bytes], { type: 'image/jpeg' }),
                                   { colorSpaceConversion: 'none', premultiplyAlpha: 'none' });
  } catch {
    throw damaged();
  }
}

// A decoded picture's pixels (RGBA words), read once.
function pixelsOf(picture) {
  if (!picture.pixels) {
    const { width: w, height: h } = picture;
    const ctx = new OffscreenCanvas(w, h).getContext('2d');
    ctx.drawImage(picture, 0, 0);
    picture.pixels = new Uint32Array(ctx.getImageData(0, 0, w, h).data.buffer);
  }
  return picture.pixels;
}

// Plays an open PackageReader's records on a canvas: the first screen
// without effect, each later one with its effect in ten steps 50 ms apart
// once its predecessor has been up for its duration in whole seconds; the
// next record is read and decoded while the current one is on display.
export class Player {
  constructor(canvas, reader, options = {}) {
    Object.assign(this, {
      canvas, reader, clock: pageClock, reducedMotion: () => false, onError() {},
      onFirstScreen() {}, onStep() {}, random: new Random(), first: true,
      next: null,        // the record read in advance, with its picture
      current: null,     // the picture on display
      transition: null,  // { t0, effect, drawn }
      waiting: false,    // its time has come, its successor has not
      timer: null, frameId: null, pausedAt: null, pausedTotal: 0, stopped: false,
    }, options);
  }

  // Milliseconds of play: the clock less the time spent paused.
  time() {
    return (this.pausedAt === null ? this.clock.now() : this.pausedAt) - this.pausedTotal;
  }

  async start() {
    try {
      if (!this.reader.trailer) await this.reader.open();
      this.ctx = this.canvas.getContext('2d', { alpha: false });
      this.resize(this.canvas.width, this.canvas.height);
      this.next = await this.load();
      this.tick();
    } catch (error) {
      this.fail(error);
    }
  }

  async load() {
    const record = await this.reader.readRecord();
    const picture = await (this.decode || decodeJpeg)(record.image);
    if (this.stopped) throw new SaverError('');
    return { ...record, image: null, picture };
  }

  // A new canvas size: its geometry, and the screen on display drawn again
  // on the window background (white, as the desktop player's).
  resize(width, height) {
    this.canvas.width = Math.max(1, width);
    this.canvas.height = Math.max(1, height);
    const t = this.reader && this.reader.trailer;
    if (!t || !this.ctx) return;
    this.geometry = computeGeometry(t.width, t.height, this.canvas.width, this.canvas.height);
    this.ctx.imageSmoothingEnabled = false;
    this.ctx.fillStyle = '#fff';
    this.ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
    if (this.current) this.blit(planStep(0, 1, this.geometry, t.width, t.height));
  }

  tick() {
    this.timer = null;
    if (this.stopped || this.pausedAt !== null || this.transition) return;
    const elapsed = Math.floor(this.time() / 1000) - this.shownAt;
    if (!this.first && elapsed < this.duration) {
      this.arm((this.duration - elapsed) * 1000, () => this.tick());
      return;
    }
    const record = this.next;
    this.waiting = !record;
    if (!record) return;
    this.next = null;
    const effect = drawn(resolveEffect(this.first ? 0 : record.effect, this.random));
    this.current = record.picture;
    this.duration = Math.max(0, record.duration);
    this.record = record.number;
    this.transition = { t0: this.time(), effect: this.reducedMotion() ? 0 : effect, drawn: 0 };
    this.steps();
  }

  // Draws the transition's steps due by now, or by the frame's time.
  steps(frameTime) {
    this.frameId = null;
    const tr = this.transition;
    if (!tr || this.pausedAt !== null) return;
    const count = tr.effect ? STEPS : 1;
    const now = frameTime ? frameTime - this.pausedTotal : this.time();
    const due = Math.min(count, Math.floor((now - tr.t0) / STEP_MS) + 1);
    const t = this.reader.trailer;
    while (tr.drawn < due) {
      tr.drawn += 1;
      this.blit(planStep(tr.effect, tr.drawn, this.geometry, t.width, t.height));
      this.onStep({ step: tr.drawn, due: tr.t0 + (tr.drawn - 1) * STEP_MS, drawn: now });
    }
    if (tr.drawn < count) {
      this.frameId = this.clock.frame((t) => this.steps(t));
      return;
    }
    const end = tr.t0 + (count > 1 ? count * STEP_MS : 0);
    if (end > now) this.arm(end - now, () => this.finish());
    else this.finish();
  }

  finish() {
    this.transition = null;
    this.shownAt = Math.floor(this.time() / 1000);
    this.arm(this.duration * 1000, () => this.tick());
    if (this.first) {
      this.first = false;
      this.onFirstScreen();
    }
    this.load().then((record) => {
      pixelsOf(record.picture);  // now rather than in the transition's first frame
      this.next = record;
      if (this.waiting) this.tick();
    }, (error) => this.fail(error));
  }

  // Copies go through drawImage, which is exact. Stretches are made here,
  // sampling pixel centres in integers as the desktop player does: the
  // canvas's own scaling lands a pixel off now and then.
  blit({ dest: d, source: s, stretch }) {
    const p = this.current;
    if (d.w <= 0 || d.h <= 0 || !p) return;
    if (!stretch) {
      // Nothing is drawn from outside the picture.
      const x0 = Math.max(0, -s.x);
      const y0 = Math.max(0, -s.y);
      const w = Math.min(d.w, p.width - s.x) - x0;
      const h = Math.min(d.h, p.height - s.y) - y0;
      if (w > 0 && h > 0) this.ctx.drawImage(p, s.x + x0, s.y + y0, w, h, d.x + x0, d.y + y0, w, h);
      return;
    }
    const x0 = Math.max(0, -d.x);
    const y0 = Math.max(0, -d.y);
    const w = Math.min(d.w, this.canvas.width - d.x) - x0;
    const h = Math.min(d.h, this.canvas.height - d.y) - y0;
    if (s.w <= 0 || s.h <= 0 || w <= 0 || h <= 0) return;
    const from = pixelsOf(p);
    const at = (o, i, n, dn, limit) => Math.max(0, Math.min(limit - 1, o + Math.floor(((2 * i + 1) * n) / (2 * dn))));
    const columns = new Int32Array(w);
    for (let x = 0; x < w; x += 1) columns[x] = at(s.x, x + x0, s.w, d.w, p.width);
    const image = this.ctx.createImageData(w, h);
    const to = new Uint32Array(image.data.buffer);
    for (let y = 0, last = -1; y < h; y += 1) {
      const row = at(s.y, y + y0, s.h, d.h, p.height) * p.width;
      if (row === last) to.copyWithin(y * w, (y - 1) * w, y * w);
      else for (let x = 0; x < w; x += 1) to[y * w + x] = from[row + columns[x]];
      last = row;
    }
    this.ctx.putImageData(image, d.x + x0, d.y + y0);
  }

  arm(ms, fn) {
    this.clock.clearTimer(this.timer);
    this.timer = this.clock.setTimer(fn, Math.min(MAX_INT, Math.max(0, ms)));
  }

  pause() {
    if (this.pausedAt !== null || this.stopped) return;
    this.pausedAt = this.clock.now();
    this.clock.clearTimer(this.timer);
    this.clock.cancelFrame(this.frameId);
  }

  // Play goes on where it stopped: paused time does not count.
  resume() {
    if (this.pausedAt === null || this.stopped) return;
    this.pausedTotal += this.clock.now() - this.pausedAt;
    this.pausedAt = null;
    if (this.transition) this.steps();
    else if (!this.first || this.next) this.tick();
  }

  stop() {
    this.pause();
    this.stopped = true;
  }

  fail(error) {
    if (this.stopped) return;
    this.stop();
    this.onError(error instanceof SaverError ? error.message : NOT_A_SAVER);
  }
}

// ---- The page ---------------------------------------------------------------

const STYLE = `.lmv-stage{position:relative;margin:auto;width:100%;aspect-ratio:4/3;background:#000;overflow:hidden}
.lmv-stage:fullscreen{width:100vw!important;height:100vh;aspect-ratio:auto!important;cursor:none}.lmv-stage canvas{position:absolute}
.lmv-progress{position:absolute;left:0;bottom:0;height:4px;background:#8fb3ff}
.lmv-error{margin:.75rem 0;color:#b00020;font-weight:600}
.lmv-controls{margin:.75rem 0;display:flex;flex-wrap:wrap;gap:.75rem;justify-content:center}
.lmv-controls button,.lmv-open{font:inherit;padding:.5rem 1rem;border-radius:.5rem;border:1px solid #3b4f8f;background:#fff;color:#1f2430;cursor:pointer}
.lmv-open input{position:absolute;width:1px;opacity:0}
@media (prefers-color-scheme:dark){.lmv-error{color:#ff8a80}}`;

function element(parent, tag, props, attributes = {}) {
  const e = Object.assign(document.createElement(tag), props);
  for (const [k, v] of Object.entries(attributes)) e.setAttribute(k, v);
  parent.append(e);
  return e;
}

// Makes `root` a player: the picture (a canvas named after the saver, a
// progress line while the first screen loads), one line for errors, the
// controls. Options: src, name, clock, fetch, source, onStep.
export function mountPlayer(root, options = {}) {
  const src = options.src ?? root.dataset.src;
  const name = options.name ?? root.dataset.name ?? 'Screen saver';
  if (!document.getElementById('lmv-style')) element(document.head, 'style', { id: 'lmv-style', textContent: STYLE });
  const stage = element(root, 'div', { className: 'lmv-stage' });
  const canvas = element(stage, 'canvas', { width: 1, height: 1 }, { role: 'img', 'aria-label': name });
  const progress = element(stage, 'div', { className: 'lmv-progress' },
                           { role: 'progressbar', 'aria-label': `Loading ${name}` });
  const message = element(root, 'p', { className: 'lmv-error', hidden: true }, { role: 'alert' });
  const controls = element(root, 'div', { className: 'lmv-controls' });
  const full = element(controls, 'button', { type: 'button', textContent: 'Play full screen', hidden: !stage.requestFullscreen });
  const open = element(controls, 'label', { className: 'lmv-open', textContent: 'Open the saver file', hidden: true });
  const input = element(open, 'input', { type: 'file' });
  let player = null;
  const say = (text) => {
    message.textContent = text;
    message.hidden = !text;
  };

  // The canvas fills its box in the stage at the display's pixel density.
  const layout = () => {
    const t = player && player.reader && player.reader.trailer;
    if (!t) return;
    const area = stage.getBoundingClientRect();
    const box = drawingBox(area.width, area.height, t.width, t.height);
    Object.assign(canvas.style, { left: `${box.x}px`, top: `${box.y}px`, width: `${box.width}px`, height: `${box.height}px` });
    const w = Math.round(box.width * devicePixelRatio);
    const h = Math.round(box.height * devicePixelRatio);
    if (w !== canvas.width || h !== canvas.height) player.resize(w, h);
  };

  async function play(source) {
    if (player) player.stop();
    say('');
    progress.hidden = false;
    progress.style.width = '0';
    const current = player = new Player(canvas, null, {
      clock: options.clock || pageClock,
      reducedMotion: () => matchMedia('(prefers-reduced-motion: reduce)').matches,
      onError: say,
      onFirstScreen: () => { progress.hidden = true; },
      onStep: options.onStep || (() => {}),
    });
    try {
      const reader = current.reader = new PackageReader(await source);
      const t = await reader.open();
      stage.style.aspectRatio = `${t.width}/${t.height}`;
      stage.style.width = `min(100%, calc(65vh * ${t.width} / ${t.height}))`;
      const shown = setInterval(() => {
        const c = reader.cache;
        const expected = TRAILER + HEADER + (c && c.offset === t.dataOffset ? int32(c.bytes, 8) : READ_AHEAD);
        progress.style.width = `${Math.min(100, (100 * reader.received) / expected)}%`;
        if (progress.hidden || current.stopped) clearInterval(shown);
      }, 100);
    } catch (error) {
      progress.hidden = true;
      // An empty message: the page already says what to do instead.
      if (current === player && error.message) current.fail(error);
      return;
    }
    if (current !== player) return;
    layout();
    await current.start();
  }

  input.addEventListener('change', () => input.files[0] && play(fileSource(input.files[0])));
  full.addEventListener('click', () => stage.requestFullscreen().catch(() => {}));
  // A click or a key leaves full screen, as input ends the desktop saver.
  const leave = () => document.fullscreenElement === stage && document.exitFullscreen().catch(() => {});
  stage.addEventListener('click', leave);
  document.addEventListener('keydown', leave);
  document.addEventListener('visibilitychange', () => player && (document.hidden ? player.pause() : player.resume()));
  new ResizeObserver(layout).observe(stage);

  const offer = (text) => {
    open.hidden = false;
    progress.hidden = true;
    say(text);
  };
  if (options.source) play(options.source);
  // From the disk the browser refuses to fetch the saver: the user opens it.
  else if (location.protocol === 'file:' || !src) offer('Choose the saver file to play it here.');
  else {
    play(urlSource(src, options.fetch).catch((e) => {
      if (e instanceof SaverError) throw e;
      offer('The saver could not be read from here: choose the saver file to play it.');
      throw new SaverError('');
    }));
  }
  return { play, get player() { return player; } };
}

if (typeof document !== 'undefined') {
  for (const root of document.querySelectorAll('[data-lumaveil-saver]')) mountPlayer(root);
}
