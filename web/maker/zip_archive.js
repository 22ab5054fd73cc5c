// Zip archives as the maker's page writes and reads them: a project with
// its photos, the web page folder. Entries are stored, or deflated with
// the browser's own CompressionStream when that makes them smaller; names
// are UTF-8. Reading takes what common archivers write (stored and
// deflated entries, data descriptors) without Zip64: the archives the page
// handles stay far below 4 GiB.
//
// Errors are results: writeZip gives null when the entries do not fit a
// zip without Zip64; readZip gives { entries } or { error }.

const LOCAL = 0x04034b50;
const CENTRAL = 0x02014b50;
const END = 0x06054b50;
const UTF8_NAMES = 0x0800;
const STORED = 0;
const DEFLATED = 8;
const LIMIT = 0xffffffff;
// Made on Unix, as zip 2.0: unzip then takes the names as they are (UTF-8)
// and gives the files rw-r--r--.
const MADE_ON_UNIX = (3 << 8) | 20;
const FILE_MODE = (0o100644 << 16) >>> 0;

const CRC_TABLE = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

export function crc32(bytes) {
  let c = 0xffffffff;
  for (let i = 0; i < bytes.length; ++i) c = CRC_TABLE[(c ^ bytes[i]) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

async function through(stream, bytes) {
  const piped = new Blob([bytes]).stream().pipeThrough(stream);
  return new Uint8Array(await new Response(piped).arrayBuffer());
}

// MS-DOS time and date of `date` (local time, two-second steps; 1980 at
// the earliest).
function dosTime(date) {
  const year = Math.max(1980, date.getFullYear());
  return {
    time: (date.getHours() << 11) | (date.getMinutes() << 5) | (date.getSeconds() >> 1),
    date: ((year - 1980) << 9) | ((date.getMonth() + 1) << 5) | date.getDate(),
  };
}

// `entries`: [{ name, bytes }] (a Uint8Array each; names with '/' for
// folders). With `deflate` an entry is deflated when that is smaller.
// The archive's bytes, or null when it would need Zip64.
export async function writeZip(entries, { deflate = true, date = new Date() } = {}) {
  if (entries.length > 0xffff) return null;
  const when = dosTime(date);
  const encoder = new TextEncoder();
  const parts = [];
  const central = [];
  let offset = 0;
  for (const { name, bytes } of entries) {
    const nameBytes = encoder.encode(name);
    const crc = crc32(bytes);
    let data = bytes;
    let method = STORED;
    if (deflate && bytes.length > 64) {
      const packed = await through(new CompressionStream('deflate-raw'), bytes);
      if (packed.length < bytes.length) {
        data = packed;
        method = DEFLATED;
      }
    }
    if (bytes.length >= LIMIT || data.length >= LIMIT || offset >= LIMIT) return null;
    const local = new DataView(new ArrayBuffer(30));
    local.setUint32(0, LOCAL, true);
    local.setUint16(4, 20, true);
    local.setUint16(6, UTF8_NAMES, true);
    local.setUint16(8, method, true);
    local.setUint16(10, when.time, true);
    local.setUint16(12, when.date, true);
    local.setUint32(14, crc, true);
    local.setUint32(18, data.length, true);
    local.setUint32(22, bytes.length, true);
    local.setUint16(26, nameBytes.length, true);
    local.setUint16(28, 0, true);
    const record = new DataView(new ArrayBuffer(46));
    record.setUint32(0, CENTRAL, true);
    record.setUint16(4, MADE_ON_UNIX, true);
    record.setUint16(6, 20, true);
    record.setUint16(8, UTF8_NAMES, true);
    record.setUint16(10, method, true);
    record.setUint16(12, when.time, true);
    record.setUint16(14, when.date, true);
    record.setUint32(16, crc, true);
    record.setUint32(20, data.length, true);
    record.setUint32(24, bytes.length, true);
    record.setUint16(28, nameBytes.length, true);
    record.setUint32(38, FILE_MODE, true);
    record.setUint32(42, offset, true);
    parts.push(new Uint8Array(local.buffer), nameBytes, data);
    central.push(new Uint8Array(record.buffer), nameBytes);
    offset += 30 + nameBytes.length + data.length;
  }
  const centralSize = central.reduce((n, part) => n + part.length, 0);
  if (offset + centralSize >= LIMIT) return null;
  const end = new DataView(new ArrayBuffer(22));
  end.setUint32(0, END, true);
  end.setUint16(8, entries.length, true);
  end.setUint16(10, entries.length, true);
  end.setUint32(12, centralSize, true);
  end.setUint32(16, offset, true);
  const out = new Uint8Array(offset + centralSize + 22);
  let at = 0;
  for (const part of [...parts, ...central, new Uint8Array(end.buffer)]) {
    out.set(part, at);
    at += part.length;
  }
  return out;
}

// The entries of the archive `bytes`: { entries: [{ name, bytes }] } in
// the order of its directory (folders left out), or { error } saying why
// it cannot be read.
export async function readZip(bytes) {
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  let end = -1;
  for (let i = bytes.length - 22; i >= Math.max(0, bytes.length - 22 - 0xffff); --i) {
    if (view.getUint32(i, true) === END) {
      end = i;
      break;
    }
  }
  if (end < 0) return { error: 'This is not a zip archive.' };
  const count = view.getUint16(end + 10, true);
  let at = view.getUint32(end + 16, true);
  const decoder = new TextDecoder();
  const entries = [];
  const damaged = { error: 'The zip archive is damaged.' };
  for (let n = 0; n < count; ++n) {
    if (at + 46 > bytes.length || view.getUint32(at, true) !== CENTRAL) return damaged;
    // The sizes come from the directory, which also holds those a data
    // descriptor gives after the entry.
    const flags = view.getUint16(at + 8, true);
    const method = view.getUint16(at + 10, true);
    const crc = view.getUint32(at + 16, true);
    const packedSize = view.getUint32(at + 20, true);
    const size = view.getUint32(at + 24, true);
    const nameLength = view.getUint16(at + 28, true);
    const extraLength = view.getUint16(at + 30, true);
    const commentLength = view.getUint16(at + 32, true);
    const local = view.getUint32(at + 42, true);
    const name = decoder.decode(bytes.subarray(at + 46, at + 46 + nameLength));
    at += 46 + nameLength + extraLength + commentLength;
    if (name.endsWith('/')) continue;
    if (flags & 0x0001) return { error: `${name}: encrypted entries cannot be read.` };
    if (local + 30 > bytes.length || view.getUint32(local, true) !== LOCAL) return damaged;
    const start = local + 30 + view.getUint16(local + 26, true) + view.getUint16(local + 28, true);
    if (start + packedSize > bytes.length) return damaged;
    const packed = bytes.subarray(start, start + packedSize);
    let data;
    if (method === STORED) {
      data = packed.slice();
    } else if (method === DEFLATED) {
      try {
        data = await through(new DecompressionStream('deflate-raw'), packed);
      } catch {
        return damaged;
      }
    } else {
      return { error: `${name}: this zip method (${method}) cannot be read.` };
    }
    if (data.length !== size || crc32(data) !== crc) return damaged;
    entries.push({ name, bytes: data });
  }
  return { entries };
}
