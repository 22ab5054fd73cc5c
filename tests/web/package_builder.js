// Saver files in memory for the tests: an engine of `engineLength` bytes,
// the records, the options block when `block` is given, then the trailer,
// every integer 32-bit little-endian.
export function buildSaver({ width = 640, height = 480, engineLength = 1000, records,
                             trailer = {}, block = null }) {
  const extra = block ? optionsBlock({ width, height, count: records.length, ...block }) : new Uint8Array(0);
  const size = engineLength + records.reduce((n, r) => n + 12 + r.image.length, 0) + extra.length + 16;
  const bytes = new Uint8Array(size);
  const view = new DataView(bytes.buffer);
  bytes.fill(0x4d, 0, engineLength);
  let at = engineLength;
  for (const r of records) {
    view.setInt32(at, r.duration, true);
    view.setInt32(at + 4, r.effect, true);
    view.setInt32(at + 8, r.length ?? r.image.length, true);
    bytes.set(r.image, at + 12);
    at += 12 + r.image.length;
  }
  bytes.set(extra, at);
  at += extra.length;
  const t = { width, height, screenCount: records.length, dataOffset: engineLength, ...trailer };
  view.setInt32(at, t.width, true);
  view.setInt32(at + 4, t.height, true);
  view.setInt32(at + 8, t.screenCount, true);
  view.setInt32(at + 12, t.dataOffset, true);
  return bytes;
}

// The start of a baseline JPEG up to its frame header (width x height),
// then `padding` bytes and the end marker: enough for the reader, which
// never decodes it.
export function fakeJpeg(width, height, padding = 0, fill = 0) {
  const head = [0xff, 0xd8, 0xff, 0xe0, 0x00, 0x04, 0x4a, 0x46,
    0xff, 0xc0, 0x00, 0x11, 0x08, height >> 8, height & 255, width >> 8, width & 255, 0x03];
  const bytes = new Uint8Array(head.length + padding + 2).fill(fill);
  bytes.set(head);
  bytes.set([0xff, 0xd9], bytes.length - 2);
  return bytes;
}

// A field of the block: `tag`, then `value`'s length and `value` (a
// string), padded to 4 bytes with `padding`.
export function blockField(tag, value, padding = 0) {
  const bytes = new Uint8Array(8 + Math.ceil(value.length / 4) * 4).fill(padding);
  bytes.set([...tag].map((c) => c.charCodeAt(0)));
  new DataView(bytes.buffer).setInt32(4, value.length, true);
  bytes.set([...value].map((c) => c.charCodeAt(0)), 8);
  return bytes;
}

// An options block: `entries` (each field defaulting to the designed
// values), `flags`, `fields` (bytes after the entries, version 2 then),
// and fields to write wrong (`header`: { offset: value }, `entrySize`).
export function optionsBlock({ width, height, count, flags = 0, entries = [], entrySize = 28,
                               header = {}, fields = new Uint8Array(0) }) {
  const length = 32 + count * entrySize + fields.length;
  const bytes = new Uint8Array(length);
  const view = new DataView(bytes.buffer);
  const put = (at, v) => view.setInt32(at, v, true);
  bytes.set([76, 77, 86, 79]);
  bytes.set(fields, 24 + count * entrySize);
  [[4, length], [8, fields.length ? 2 : 1], [12, flags], [16, count], [20, entrySize]].forEach(([at, v]) => put(at, v));
  for (let i = 0; i < count; i += 1) {
    const e = { transitionMs: 1500, pictureWidth: width, pictureHeight: height, subject: [0, 0, 10000, 10000],
                ...entries[i] };
    [e.transitionMs, e.pictureWidth, e.pictureHeight, ...e.subject].forEach((v, k) => put(24 + i * entrySize + 4 * k, v));
  }
  put(length - 8, length);
  bytes.set([76, 77, 86, 88], length - 4);
  for (const [at, v] of Object.entries(header)) put(Number(at) < 0 ? length + Number(at) : Number(at), v);
  return bytes;
}
