// Saver files in memory for the tests: an engine of `engineLength` bytes,
// the records, then the trailer, every integer 32-bit little-endian.
export function buildSaver({ width = 640, height = 480, engineLength = 1000, records,
                             trailer = {} }) {
  const size = engineLength + records.reduce((n, r) => n + 12 + r.image.length, 0) + 16;
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
