// A clock that moves only when told to: advance(ms) runs the timers that
// fall due, each at its own time, then the animation frames at the end
// time. Shared by the unit tests and the browser tests' harness page.
export class ManualClock {
  constructor(start = 0) {
    this.time = start;
    this.timers = new Map();  // id -> { at, fn }
    this.frames = new Map();  // id -> fn
    this.lastId = 0;
  }

  now() { return this.time; }
  setTimer(fn, ms) {
    this.timers.set(++this.lastId, { at: this.time + Math.max(0, ms), fn });
    return this.lastId;
  }
  clearTimer(id) { this.timers.delete(id); }
  frame(fn) {
    this.frames.set(++this.lastId, fn);
    return this.lastId;
  }
  cancelFrame(id) { this.frames.delete(id); }

  // The earliest timer due by `end`, as [id, timer], or null.
  due(end) {
    let best = null;
    for (const entry of this.timers) {
      if (entry[1].at <= end && (!best || entry[1].at < best[1].at)) best = entry;
    }
    return best;
  }

  advance(ms) {
    const end = this.time + ms;
    for (let entry = this.due(end); entry; entry = this.due(end)) {
      this.timers.delete(entry[0]);
      this.time = Math.max(this.time, entry[1].at);
      entry[1].fn();
    }
    this.time = end;
    const frames = [...this.frames.values()];
    this.frames.clear();
    for (const fn of frames) fn(end);
  }
}
