// Lumaveil web player: plays a saver (doc/package_format.md: the player
// program, one record per screen, an options block, the trailer) on a
// canvas as the desktop player does. Over HTTP it reads only the trailer,
// the block and the records, with Range requests, or streams the file from
// a server without Range, keeping only the records.
//
// Importing it does nothing; lumaveil_page.js makes a page's players of it.
// It draws what a page, a harness or the web maker's preview asks: a
// PackageReader over a source, a Player on a canvas.

// The format's limits, named as in doc/package_format.md.
export const FORMAT = Object.freeze({
  kTrailerSize: 16, kRecordHeaderSize: 12, kMinWidth: 240, kMaxWidth: 16384, kMinHeight: 240,
  kMaxScreenCount: 31999, kMaxDecodedPixels: 2 ** 28, kMaxImageLength: 2 ** 27,
  kOptionsHeaderSize: 24, kOptionsFooterSize: 8, kOptionsEntrySize: 28, kOptionsVersion: 1,
  kOptionsFieldsVersion: 2, kOptionsFieldHeaderSize: 8,
  kMaxOptionsBlockLength: 64 * 1024 * 1024, kOptionShuffle: 1, kMinTransitionMs: 100,
  kMaxTransitionMs: 10000, kDefaultTransitionMs: 1500, kSubjectScale: 10000, kMaxJpegSide: 65500,
  kPanZoomMinZoom: 0.8, kPanZoomSubjectPivot: 0.9,
});
const F = FORMAT;
const STEPS = 10;
const STEP_MS = 50;
const READ_AHEAD = 65536;
const TAIL_KEPT = 1 << 20;  // bytes kept from the end of a streamed file
const MAX_INT = 2 ** 31 - 1;
const EMPTY = new Uint8Array(0);

export const NOT_A_SAVER = 'This file is not a screen saver made with Lumaveil, or it is damaged.';
export const UNREACHABLE = 'The screen saver could not be loaded (HTTP %s).';

// A file that cannot be played: its message, made of `words` (the English
// text, %s for `value`) that a page may word in its language.
export class SaverError extends Error {
  constructor(words, value = '') {
    super(words.replace('%s', value));
    Object.assign(this, { words, value });
  }
}
const damaged = () => new SaverError(NOT_A_SAVER);

// ---- Reading

const int32 = (b, i) => b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (b[i + 3] << 24);
const text4 = (b, i) => String.fromCharCode(b[i], b[i + 1], b[i + 2], b[i + 3]);

// The size in a JPEG's frame header; null when not a JPEG.
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

// The options block `b` of a saver whose trailer is `t`: { flags, entries,
// language }; null when any field is out of its range.
export function parseOptionsBlock(b, t) {
  const n = b.length;
  if (n < F.kOptionsHeaderSize + F.kOptionsFooterSize || text4(b, 0) !== 'LMVO' ||
      text4(b, n - 4) !== 'LMVX' || int32(b, 4) !== n || int32(b, n - 8) !== n) return null;
  const count = int32(b, 16);
  const size = int32(b, 20);
  const version = int32(b, 8);
  let at = F.kOptionsHeaderSize + count * size;  // the fields (version 2 on) up to the footer
  const end = n - F.kOptionsFooterSize;
  if (version < F.kOptionsVersion || count !== t.screenCount || size < F.kOptionsEntrySize ||
      at > end || (version < F.kOptionsFieldsVersion && at !== end)) return null;
  const entries = [];
  for (let i = 0, e = F.kOptionsHeaderSize; i < count; i += 1, e += size) {
    const [ms, w, h, l, top, r, bottom] = [0, 4, 8, 12, 16, 20, 24].map((k) => int32(b, e + k));
    if (!(ms >= F.kMinTransitionMs && ms <= F.kMaxTransitionMs && w >= t.width && h >= t.height &&
          w <= F.kMaxJpegSide && h <= F.kMaxJpegSide && w * h <= F.kMaxDecodedPixels &&
          l >= 0 && l < r && r <= F.kSubjectScale && top >= 0 && top < bottom &&
          bottom <= F.kSubjectScale)) return null;
    entries.push({ transitionMs: ms, pictureWidth: w, pictureHeight: h, subjectLeft: l,
                   subjectTop: top, subjectRight: r, subjectBottom: bottom });
  }
  // The saver's language among fields skipped unknown, each whole inside.
  let language = '';
  for (const H = F.kOptionsFieldHeaderSize; at < end;) {
    const length = at + H <= end ? int32(b, at + 4) : -1;
    const padded = Math.ceil(length / 4) * 4;
    if (length < 0 || padded > end - at - H || b.subarray(at + H + length, at + H + padded).some((x) => x)) return null;
    if (text4(b, at) === 'LANG') {
      const code = String.fromCharCode(...b.subarray(at + H, at + H + length));
      if (language || !/^[a-z]{2,3}$/.test(code)) return null;
      language = code;
    }
    at += H + padded;
  }
  return { flags: int32(b, 12), entries, language };
}

// Reads the trailer, the options block, then records by index from
// `source` ({ size, read(offset, length, onBytes) }), every length checked
// before it is read, every picture's size before it is decoded.
export class PackageReader {
  constructor(source) {
    this.source = source;
    this.received = 0;  // bytes read so far
    this.cache = null;  // { offset, bytes }: the last piece read
    this.queue = Promise.resolve();
  }

  async open() {
    const size = this.source.size;
    if (!(size > F.kTrailerSize + F.kRecordHeaderSize)) throw damaged();
    const b = await this.take(size - F.kTrailerSize, F.kTrailerSize, 0);
    const t = this.trailer = { width: int32(b, 0), height: int32(b, 4), screenCount: int32(b, 8),
                               dataOffset: int32(b, 12) };
    this.end = size - F.kTrailerSize;
    if (!(t.width >= F.kMinWidth && t.width <= F.kMaxWidth && t.height >= F.kMinHeight &&
          t.screenCount > 0 && t.screenCount <= F.kMaxScreenCount && t.dataOffset > 0 &&
          t.dataOffset + t.screenCount * F.kRecordHeaderSize <= this.end)) throw damaged();
    this.options = { flags: 0, block: false, entries: null, language: '' };
    const footer = this.end - F.kOptionsFooterSize;
    const f = footer > t.dataOffset ? await this.take(footer, F.kOptionsFooterSize, 0) : EMPTY;
    if (f.length && text4(f, 4) === 'LMVX') {
      const length = int32(f, 0);
      const start = this.end - length;
      if (!(length >= 32 && length <= F.kMaxOptionsBlockLength && start >= t.dataOffset +
            t.screenCount * F.kRecordHeaderSize)) throw damaged();
      const block = parseOptionsBlock(await this.take(start, length, 0), t);
      if (!block) throw damaged();
      this.options = { ...block, block: true };
      this.end = start;
    }
    this.offsets = [t.dataOffset];
    this.counter = 0;
    return t;
  }

  // Record `index`'s entry: the block's, or the designed values.
  entry(index) {
    const t = this.trailer;
    return (this.options.entries && this.options.entries[index]) || {
      transitionMs: F.kDefaultTransitionMs, pictureWidth: t.width, pictureHeight: t.height,
      subjectLeft: 0, subjectTop: 0, subjectRight: F.kSubjectScale, subjectBottom: F.kSubjectScale };
  }

  // The next record in file order, wrapping to the first after the last.
  readRecord() {
    const index = this.counter;
    this.counter = (index + 1) % this.trailer.screenCount;
    return this.read(index);
  }

  // Record `index` (0-based): { index, number, duration, effect, entry,
  // image }. Reads run one after the other.
  read(index) {
    const run = this.queue.then(() => this.readAt(index));
    this.queue = run.catch(() => {});
    return run;
  }

  async readAt(index) {
    const H = F.kRecordHeaderSize;
    while (this.offsets.length <= index) {
      const at = this.offsets[this.offsets.length - 1];
      const n = await this.imageLength(at, 0);
      this.offsets.push(at + H + n);
    }
    const start = this.offsets[index];
    const n = await this.imageLength(start, READ_AHEAD);
    const h = await this.take(start, H, READ_AHEAD);
    const record = { index, number: index + 1, duration: int32(h, 0), effect: int32(h, 4),
                     entry: this.entry(index) };
    // The last record ends where the options block begins.
    if (index === this.trailer.screenCount - 1 && this.options.block && start + H + n !== this.end) {
      throw damaged();
    }
    const image = await this.take(start + H, n, READ_AHEAD);
    const size = jpegSize(image);
    if (!size || !size.width || !size.height || size.width > record.entry.pictureWidth ||
        size.height > record.entry.pictureHeight) throw damaged();
    if (this.offsets.length === index + 1) this.offsets.push(start + H + n);
    return { ...record, image };
  }

  async imageLength(start, ahead) {
    if (start + F.kRecordHeaderSize > this.end) throw damaged();
    const n = int32(await this.take(start, F.kRecordHeaderSize, ahead), 8);
    if (n < 4 || n > F.kMaxImageLength || start + F.kRecordHeaderSize + n > this.end) throw damaged();
    return n;
  }

  // `length` bytes at `offset`: from the last piece read, else read with up
  // to `ahead` more bytes.
  async take(offset, length, ahead) {
    const c = this.cache;
    const k = c && offset >= c.offset && offset < c.offset + c.bytes.length ? offset - c.offset : -1;
    if (k >= 0 && k + length <= c.bytes.length) return c.bytes.subarray(k, k + length);
    const head = k >= 0 ? c.bytes.subarray(k) : EMPTY;
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
  const out = new Uint8Array(limit);
  let n = 0;
  for (const reader = response.body.getReader(); ;) {
    const { done, value } = await reader.read();
    if (done) return out.subarray(0, n);
    if (n + value.length > limit) {
      reader.cancel().catch(() => {});
      throw damaged();
    }
    out.set(value, n);
    n += value.length;
    if (onBytes) onBytes(value.length);
  }
}

const unreachable = (status) => new SaverError(UNREACHABLE, String(status));
const range = (a, b) => ({ headers: { Range: `bytes=${a}-${b}` } });

// A file from a server without Range: `response` is read through once,
// keeping its size and last bytes (trailer, block); each read then goes on
// streaming from where the last stopped (from the start when it lies
// before), dropping what comes before it.
async function streamSource(url, fetchFn, response, onBytes) {
  const pieces = [];
  let size = 0;
  let kept = 0;
  for (const reader = response.body.getReader(); ;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    pieces.push(value);
    kept += value.length;
    while (kept - pieces[0].length >= TAIL_KEPT) kept -= pieces.shift().length;
    if (onBytes) onBytes(value.length);
  }
  const tail = new Uint8Array(kept);
  pieces.reduce((at, p) => (tail.set(p, at), at + p.length), 0);
  pieces.length = 0;
  let s = null;  // { reader, at: file offset of rest[0], rest }
  return {
    size,
    read: async (offset, length, more) => {
      if (offset >= size - kept) return tail.slice(offset - size + kept, offset - size + kept + length);
      if (!s || offset < s.at) {
        if (s) s.reader.cancel().catch(() => {});
        const r = await fetchFn(url);
        if (r.status !== 200 || !r.body) throw unreachable(r.status);
        s = { reader: r.body.getReader(), at: 0, rest: EMPTY };
      }
      const out = new Uint8Array(length);
      for (let n = 0; n < length;) {
        if (!s.rest.length) {
          const { done, value } = await s.reader.read();
          if (done) throw damaged();
          s.rest = value;
          if (more) more(value.length);
        }
        const from = offset + n - s.at;
        const k = Math.max(0, Math.min(length - n, s.rest.length - from));
        out.set(s.rest.subarray(from, from + k), n);
        n += k;
        const used = Math.min(s.rest.length, from + k);
        s.at += used;
        s.rest = s.rest.subarray(used);
      }
      return out;
    },
  };
}

// The saver at `url`: its last 16 bytes asked for; a 206 answer means
// Range reads, a 200 one streaming.
export async function urlSource(url, fetchFn = (...a) => fetch(...a), onBytes) {
  const first = await fetchFn(url, range('', F.kTrailerSize));
  const total = /\/\s*(\d+)\s*$/.exec(first.headers.get('Content-Range') || '');
  if (first.status === 416) throw damaged();
  if (first.status === 206 && total) {
    const size = Number(total[1]);
    const tail = await body(first, F.kTrailerSize, onBytes);
    return {
      size,
      read: async (offset, length, more) => {
        if (offset === size - F.kTrailerSize && tail.length === length) return tail;
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
  return streamSource(url, fetchFn, first.status === 200 ? first : await fetchFn(url), onBytes);
}

// ---- Geometry, effects, motion, generators

// Where the screens go on a display: as large as fits, proportions kept,
// centred; `stretch` when scaled (the whole display at the saver's size).
export function computeGeometry(W, H, SW, SH) {
  const wide = W * SH >= SW * H;
  const width = wide ? SW : Math.floor((2 * W * SH + H) / (2 * H));
  const height = wide ? Math.floor((2 * H * SW + W) / (2 * W)) : SH;
  return { x: Math.floor((SW - width) / 2), y: Math.floor((SH - height) / 2), width, height,
           stretch: width !== W || height !== H };
}

// part(X) at step 1..10: step * (X / 10), truncating; X at step 10.
export const part = (x, step) => (step >= STEPS ? x : step * Math.trunc(x / STEPS));

// A designed step's blit (codes other than 1..6 as 0): { dest, source,
// stretch }, rectangles { x, y, w, h }, source in picture pixels.
export function planStep(effect, step, g, width, height) {
  const rect = (x, y, w, h) => ({ x, y, w, h });
  const blit = (dest, source = rect(0, 0, width, height)) =>
    ({ dest, source, stretch: dest.w !== source.w || dest.h !== source.h });
  const w = part(g.width, step);
  const h = part(g.height, step);
  const hs = g.stretch ? part(height, step) : h;
  switch (effect) {
    case 1: return blit(rect(g.x, g.y, g.width, h), rect(0, 0, width, hs));
    case 2: return blit(rect(g.x, g.y, w, h));
    case 3: return blit(rect(g.x + g.width - w, g.y + g.height - h, w, h));
    case 4: return blit(rect(g.x, g.y + g.height - h, g.width, h), rect(0, height - hs, width, hs));
    case 5: return blit(rect(g.x, g.y, w, g.height), rect(0, 0, g.stretch ? part(width, step) : w, height));
    case 6: return blit(rect(g.x + Math.trunc((g.width - w) / 2), g.y + Math.trunc((g.height - h) / 2), w, h));
    default: return blit(rect(g.x, g.y, g.width, g.height));
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

// Effect 7 becomes next() mod 7, 10 one of 0..6, 8 and 9; other codes stay.
export function resolveEffect(effect, random) {
  if (effect === 7) return random.next() % 7;
  if (effect === 10) {
    const v = random.next() % 9;
    return v < 7 ? v : v + 1;
  }
  return effect;
}

// The motion math, operation for operation as in doc/package_format.md.
export function mix32(x) {
  x ^= x >>> 16;
  x = Math.imul(x, 0x85ebca6b);
  x ^= x >>> 13;
  x = Math.imul(x, 0xc2b2ae35);
  return (x ^ (x >>> 16)) >>> 0;
}
const clamp = (v, low, high) => Math.min(Math.max(v, low), high);

export function fullPanWindow(pw, ph, sw, sh) {
  return pw * sh >= ph * sw ? { x: 0, y: 0, w: ph * sw / sh, h: ph } : { x: 0, y: 0, w: pw, h: pw * sh / sw };
}

const placed = (full, zoom, ax, ay, pw, ph) => {
  const w = full.w * zoom;
  const h = full.h * zoom;
  return { x: (pw - w) * ax, y: (ph - h) * ay, w, h };
};

export function panPath(index, pw, ph, sw, sh, e) {
  const full = fullPanWindow(pw, ph, sw, sh);
  const hash = mix32(Math.imul(index, 0x9e3779b9) + 0x7f4a7c15);
  const ax = ((hash >>> 8) & 255) / 255;
  const ay = ((hash >>> 16) & 255) / 255;
  const S = F.kSubjectScale;
  const min = F.kPanZoomMinZoom;
  if (e.subjectLeft === 0 && e.subjectTop === 0 && e.subjectRight === S && e.subjectBottom === S) {
    const zoomIn = (hash & 1) === 0;
    return { start: placed(full, zoomIn ? 1 : min, ax, ay, pw, ph),
             end: placed(full, zoomIn ? min : 1, 1 - ax, 1 - ay, pw, ph) };
  }
  const left = pw * e.subjectLeft / S;
  const top = ph * e.subjectTop / S;
  const right = pw * e.subjectRight / S;
  const bottom = ph * e.subjectBottom / S;
  const z1 = clamp(Math.max((right - left) / full.w, (bottom - top) / full.h), min, 1);
  const w = full.w * z1;
  const h = full.h * z1;
  return { start: placed(full, z1 < F.kPanZoomSubjectPivot ? 1 : min, ax, ay, pw, ph),
           end: { x: clamp((left + right) / 2 - w / 2, 0, pw - w), y: clamp((top + bottom) / 2 - h / 2, 0, ph - h), w, h } };
}

export function panZoomWindow(index, progress, pw, ph, sw, sh, e) {
  const { start: s, end: d } = panPath(index, pw, ph, sw, sh, e);
  const p = clamp(progress, 0, 1);
  const w = s.w + (d.w - s.w) * p;
  const h = s.h + (d.h - s.h) * p;
  return { x: clamp(s.x + (d.x - s.x) * p, 0, pw - w), y: clamp(s.y + (d.y - s.y) * p, 0, ph - h), w, h };
}

export const panPeriodMs = (seconds, ms) => Math.max(1, Math.max(seconds, 0) * 1000 + 2 * Math.max(ms, 0));
export const progress = (elapsed, length) => (length <= 0 ? 1 : clamp(elapsed / length, 0, 1));
export const crossFadeAlpha = (elapsed, ms) => Math.floor(progress(elapsed, ms) * 256 + 0.5);

// The next shuffled cycle; `s` is { state, last }.
export function nextShuffleCycle(s, count) {
  const value = () => mix32(s.state = (s.state + 0x9e3779b9) >>> 0);
  const order = Array.from({ length: count }, (_, i) => i);
  const swap = (i, j) => { [order[i], order[j]] = [order[j], order[i]]; };
  for (let i = count - 1; i >= 1; i -= 1) swap(i, value() % (i + 1));
  if (count >= 2 && order[0] === s.last) swap(0, 1 + (value() % (count - 1)));
  s.last = order[count - 1];
  return order;
}

// ---- Playing

// Calendar milliseconds, timers, animation frames; tests step their own.
const pageClock = {
  now: () => performance.timeOrigin + performance.now(),
  setTimer: (fn, ms) => setTimeout(fn, ms),
  clearTimer: (id) => clearTimeout(id),
  frame: (fn) => requestAnimationFrame((t) => fn(performance.timeOrigin + t)),
  cancelFrame: (id) => cancelAnimationFrame(id),
};

async function decodeJpeg(bytes) {
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

// A player's options, checked (a wrong type gives the default). Hooks:
// onError(message, saverError), onScreen(number), onStep({ step, due,
// drawn }), onFrame(time).
const fn = (f, fallback) => (typeof f === 'function' ? f : fallback);
export function playerOptions(o = {}) {
  const c = o.clock;
  const none = () => {};
  return Object.freeze({
    clock: c && ['now', 'setTimer', 'clearTimer', 'frame', 'cancelFrame'].every((k) => fn(c[k])) ? c : pageClock,
    reducedMotion: fn(o.reducedMotion, () => false), decode: fn(o.decode, decodeJpeg),
    onError: fn(o.onError, none), onFirstScreen: fn(o.onFirstScreen, none), onScreen: fn(o.onScreen, none),
    onStep: fn(o.onStep, none), onFrame: fn(o.onFrame, none),
    seed: Number.isInteger(o.seed) ? o.seed >>> 0 : null,
  });
}

// Plays a PackageReader's records on a canvas: the first screen without
// effect, each later one when its predecessor's duration (whole seconds)
// is over: the designed effects in ten steps 50 ms apart, the moving ones
// in animation frames paced by time (a late frame is skipped, never
// slowed). The next record is read and decoded during the current one.
export class Player {
  constructor(canvas, reader, options) {
    this.canvas = canvas;
    this.reader = reader;
    this.options = playerOptions(options);
    this.clock = this.options.clock;
    this.random = new Random();
    this.position = -1;  // place in the playing order of the screen shown
    this.cut = this.first = true;  // cut: the next screen comes without effect
    this.stopped = this.waiting = false;  // waiting: its time has come, its successor has not
    // next: read in advance ({ position, record, picture }); shown: on
    // display (with t0, when it began to come on); previous: the one it
    // replaces while it comes on; transition: { t0, effect, drawn }.
    this.next = this.shown = this.previous = this.transition = null;
    this.timer = this.frameId = this.pausedAt = this.upAt = null;
    this.cycles = new Map();
    this.pausedTotal = this.loads = 0;
  }

  // Milliseconds of play: the clock less the time spent paused.
  time() {
    return (this.pausedAt === null ? this.clock.now() : this.pausedAt) - this.pausedTotal;
  }

  get paused() { return this.pausedAt !== null; }

  async start() {
    try {
      if (!this.reader.trailer) await this.reader.open();
      const o = this.reader.options;
      this.shuffle = { state: this.options.seed ?? (this.clock.now() >>> 0), last: -1 };
      this.shuffled = !!(o && o.flags & F.kOptionShuffle) && this.reader.trailer.screenCount > 1;
      this.ctx = this.canvas.getContext('2d', { alpha: false });
      this.resize(this.canvas.width, this.canvas.height);
      this.next = await this.load(0);
      this.tick();
    } catch (error) {
      this.fail(error);
    }
  }

  // The record at `position` of the playing order (shuffled by cycles).
  order(position) {
    const n = this.reader.trailer.screenCount;
    const cycle = Math.floor(position / n);
    const at = position - cycle * n;
    if (!this.shuffled) return at;
    while (!this.cycles.has(cycle)) {
      const last = Math.max(-1, ...this.cycles.keys());
      if (cycle < last) return at;  // long forgotten: the file's order
      this.cycles.set(last + 1, nextShuffleCycle(this.shuffle, n));
      this.cycles.delete(last - 2);
    }
    return this.cycles.get(cycle)[at];
  }

  async load(position) {
    const record = await this.reader.read(this.order(position));
    const picture = await this.options.decode(record.image);
    if (this.stopped) throw new SaverError('');
    return { position, record: { ...record, image: null }, picture };
  }

  // A new canvas size: the screen on display drawn again, on black.
  resize(width, height) {
    this.canvas.width = Math.max(1, width);
    this.canvas.height = Math.max(1, height);
    const t = this.reader && this.reader.trailer;
    if (!t || !this.ctx) return;
    this.geometry = computeGeometry(t.width, t.height, this.canvas.width, this.canvas.height);
    this.ctx.fillStyle = '#000';
    this.ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
    if (this.shown && !this.transition) this.paint(this.shown, this.time());
    else if (this.shown) this.blit(this.shown, planStep(0, 1, this.geometry, t.width, t.height));
  }

  tick() {
    this.timer = null;
    if (this.stopped || this.transition || (this.paused && !this.cut)) return;
    // A moving screen's time is up in milliseconds, a designed one's in
    // whole seconds.
    const left = this.upAt !== null ? this.upAt - this.time()
      : (this.duration - Math.floor(this.time() / 1000) + this.shownAt) * 1000;
    if (!this.cut && left > 0) {
      this.arm(left, () => this.tick());
      return;
    }
    const screen = this.next;
    this.waiting = !screen;
    if (!screen) return;
    this.next = null;
    const reduced = this.options.reducedMotion();
    const r = screen.record;
    let effect = this.cut ? 0 : resolveEffect(r.effect, this.random);
    if (!(effect >= 0 && effect <= 9) || reduced) effect = 0;
    this.previous = this.shown;
    // On time, the screen starts when its predecessor's time was up.
    const now = this.time();
    const t0 = this.upAt !== null && !this.cut && now - this.upAt < 250 ? this.upAt : now;
    this.shown = { ...screen, index: r.index, duration: Math.max(0, r.duration), entry: r.entry,
                   pan: !reduced && (effect === 9 || r.effect === 9), t0 };
    this.position = screen.position;
    this.cut = false;
    this.duration = this.shown.duration;
    this.transition = { t0: this.shown.t0, effect, drawn: 0 };
    this.options.onScreen(r.number);
    this.animate();
  }

  // Draws what is due by now or the frame's time: designed steps, a fade,
  // a pan.
  animate(frameTime) {
    this.frameId = null;
    if (this.paused && frameTime !== undefined) return;
    const now = frameTime !== undefined ? frameTime - this.pausedTotal : this.time();
    const tr = this.transition;
    const t = this.reader.trailer;
    if (tr && tr.effect < 8) {
      const count = tr.effect ? STEPS : 1;
      const due = Math.min(count, Math.floor((now - tr.t0) / STEP_MS) + 1);
      while (tr.drawn < due) {
        tr.drawn += 1;
        this.blit(this.shown, planStep(tr.effect, tr.drawn, this.geometry, t.width, t.height));
        this.options.onStep({ step: tr.drawn, due: tr.t0 + (tr.drawn - 1) * STEP_MS, drawn: now });
      }
      if (tr.drawn < count) return this.want();
      const end = tr.t0 + (count > 1 ? count * STEP_MS : 0);
      if (end > now) this.arm(end - now, () => this.finish());
      else this.finish();
    } else if (tr) {
      const elapsed = Math.floor(now - tr.t0);
      const alpha = crossFadeAlpha(elapsed, this.shown.entry.transitionMs);
      if (this.previous) this.paint(this.previous, now);
      this.ctx.globalAlpha = this.previous ? alpha / 256 : 1;
      this.paint(this.shown, now);
      this.ctx.globalAlpha = 1;
      if (frameTime !== undefined) this.options.onFrame(frameTime);
      if (alpha < 256 && this.previous) return this.want();
      this.finish();
    } else if (this.shown && this.shown.pan) {
      this.paint(this.shown, now);
      if (frameTime !== undefined) this.options.onFrame(frameTime);
    }
    if (this.shown && this.shown.pan && !this.paused) this.want();
  }

  want() {
    if (this.frameId === null) this.frameId = this.clock.frame((t) => this.animate(t));
  }

  finish() {
    const tr = this.transition;
    this.transition = null;
    this.previous = null;
    this.shownAt = Math.floor(this.time() / 1000);
    const moving = tr.effect >= 8 || this.shown.pan;
    this.upAt = moving ? tr.t0 + (tr.effect >= 8 ? this.shown.entry.transitionMs : 0) + this.duration * 1000 : null;
    this.arm(this.upAt !== null ? this.upAt - this.time() : this.duration * 1000, () => this.tick());
    if (this.first) {
      this.first = false;
      this.options.onFirstScreen();
    }
    if (!this.next) this.fetch(this.position + 1);
  }

  // Reads the screen at `position` in advance (the last asked wins).
  fetch(position) {
    const load = ++this.loads;
    this.load(position).then((screen) => {
      if (load !== this.loads) return;
      if (!this.geometry.stretch && screen.record.effect < 8) pixelsOf(screen.picture);  // not in a step
      this.next = screen;
      if (this.waiting || this.cut) this.tick();
    }, (error) => this.fail(error));
  }

  // Shows the screen `delta` places away now, without effect.
  skip(delta) {
    if (this.stopped || !this.shown) return;
    this.clock.clearTimer(this.timer);
    this.clock.cancelFrame(this.frameId);
    this.frameId = null;
    this.transition = null;
    this.previous = null;
    this.next = null;
    this.cut = true;
    this.fetch(this.position + delta);
  }

  // Screen `s`'s layer at play time `now` in the fitted rectangle: its
  // pan-and-zoom window, or its whole picture.
  paint(s, now) {
    const g = this.geometry;
    const t = this.reader.trailer;
    const p = s.picture;
    const e = s.entry;
    if (!s.pan && p.width === g.width && p.height === g.height) return this.ctx.drawImage(p, g.x, g.y);
    const w = s.pan ? panZoomWindow(s.index, progress(Math.floor(now - s.t0), panPeriodMs(s.duration, e.transitionMs)),
                                    p.width, p.height, t.width, t.height, e)
      : { x: 0, y: 0, w: p.width, h: p.height };
    this.smooth(p, w, { x: g.x, y: g.y, w: g.width, h: g.height });
  }

  // Window `s` of picture `p` scaled bilinearly onto `d`.
  smooth(p, s, d) {
    Object.assign(this.ctx, { imageSmoothingEnabled: true, imageSmoothingQuality: 'low' });
    this.ctx.drawImage(p, s.x, s.y, s.w, s.h, d.x, d.y, d.w, d.h);
  }

  // A designed step: a copy; bilinear when fitted; else scaled here as
  // the desktop player does, sampling pixel centres in integers.
  blit(screen, { dest: d, source: s }) {
    const p = screen.picture;
    if (d.w <= 0 || d.h <= 0 || !p) return;
    if (d.w === s.w && d.h === s.h) return this.ctx.drawImage(p, s.x, s.y, s.w, s.h, d.x, d.y, d.w, d.h);
    if (this.geometry.stretch) return this.smooth(p, s, d);
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

  arm(ms, f) {
    this.clock.clearTimer(this.timer);
    this.timer = this.clock.setTimer(f, Math.min(MAX_INT, Math.max(0, ms)));
  }

  pause() {
    if (this.paused || this.stopped) return;
    this.pausedAt = this.clock.now();
    this.clock.clearTimer(this.timer);
    this.clock.cancelFrame(this.frameId);
    this.frameId = null;
  }

  // Play goes on where it stopped: paused time does not count.
  resume() {
    if (!this.paused || this.stopped) return;
    this.pausedTotal += this.clock.now() - this.pausedAt;
    this.pausedAt = null;
    if (this.transition) this.animate();
    else if (this.shown) { this.want(); this.tick(); } else if (this.next) this.tick();
  }

  stop() {
    this.pause();
    this.stopped = true;
    this.loads += 1;
  }

  fail(error) {
    if (this.stopped) return;
    this.stop();
    const e = error instanceof SaverError ? error : damaged();
    this.options.onError(e.message, e);
  }
}
