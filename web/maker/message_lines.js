// The lines the page shows of what the core wrote: one clear line per
// photo that cannot be read, naming it ("Unable to load file: NAME", with
// the reason the core gave for that file), the other messages as they
// are, each once; the screens left out of a saver are always said.
// Progress lines ("(3 / 20) ...") are not kept.
const UNABLE = 'Unable to load file: ';
// "Screen 3 has no picture and no text; it was left out.", "Screens 1 and 4 ..."
const LEFT_OUT = /^Screens? [\d, and]+ ha(s|ve) no picture and no text; (it was|they were) left out\.$/;

export function messageLines(lines) {
  const kept = lines.filter((line) => !/^\(\d+ \/ \d+\)/.test(line));
  const unreadable = kept.filter((l) => l.startsWith(UNABLE)).map((l) => l.slice(UNABLE.length));
  if (!unreadable.length) return [...new Set(kept)];
  // A reason the core gave as "NAME: reason"; the decoder's own lines,
  // which name no file, are left out.
  const reasons = new Map();
  for (const line of kept) {
    for (const name of unreadable) {
      if (line.startsWith(`${name}: `) && !reasons.has(name)) {
        const reason = line.slice(name.length + 2).trim();
        reasons.set(name, reason.charAt(0).toLowerCase() + reason.slice(1));
      }
    }
  }
  const out = [];
  for (const line of kept) {
    if (line.startsWith(UNABLE)) {
      const name = line.slice(UNABLE.length);
      out.push(reasons.has(name) ? `${line} (${reasons.get(name).replace(/\.$/, '')})` : line);
    } else if (LEFT_OUT.test(line) ||
               (!unreadable.some((name) => line.includes(name)) && namesAFile(line))) {
      out.push(line);
    }
  }
  return [...new Set(out)];
}

// A line about one file: "NAME: text" or "text: NAME".
function namesAFile(line) {
  return /^[^\s:]+\.[A-Za-z0-9]{2,5}: |: \S+\.[A-Za-z0-9]{2,5}$/.test(line);
}
