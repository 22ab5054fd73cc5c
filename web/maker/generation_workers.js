// Generation on every core the browser gives: the saver's records (each
// screen rendered and JPEG-encoded by the core) are made side by side in
// several workers, each with its own instance of the core, a copy of the
// project file and the same photos (the browser's files, read where they
// are: nothing is copied into each). One of them then writes the package
// from all the records with the command line's own --generate or
// --web-page, byte for byte the file one instance writes alone. No memory
// is shared between workers (a static host sends no cross-origin
// isolation), and Stop ends them all at once.
import { CoreWorker } from './core_client.js';

// One worker per core, at most 8 and one per GiB of the device's memory
// (each decodes one photo at a time, a few hundred MB for a large one),
// and never more than there are records.
export function workerCount(records, cores = navigator.hardwareConcurrency, memory = navigator.deviceMemory) {
  return Math.max(1, Math.min(cores || 1, 8, Math.floor(memory || 4), records));
}

// Workers made ready before a generation needs them: each loads the core
// and its faces when it is made (a few hundred milliseconds), then makes
// a few small screens it throws away (an instance's first screens take
// half as long again as the next ones), so the page makes them while the user
// edits, and a generation begins at full speed. A worker that generated is
// not put back (its memory grew with the photos it decoded): the pool is
// filled again with new ones.
export class WorkerPool {
  constructor(size = workerCount(Infinity), make = () => new CoreWorker()) {
    this.size = size;
    this.make = make;
    this.ready = [];
  }

  // Makes the workers the pool misses.
  fill() {
    while (this.ready.length < this.size) {
      const worker = this.make();
      worker.call('warm').catch(() => {});
      this.ready.push(worker);
    }
  }

  // `count` workers, the ready ones first.
  take(count) {
    const taken = this.ready.splice(0, count);
    while (taken.length < count) taken.push(this.make());
    return taken;
  }
}

export class Generation {
  // With `pool`, the workers are taken from it; without, made here.
  constructor(pool = new WorkerPool(0)) {
    this.pool = pool;
    this.workers = [];
    this.stopped = false;
  }

  // Makes the records of the saver `sources` describes (the page worker's
  // `sources`) at `quality`, telling `onDone(done, total)` after each;
  // then `write(worker, records)` writes the package in the first worker
  // and gives its answer. Throws "stopped" when stop() was called.
  async run(sources, quality, onDone, write) {
    const total = Math.max(0, sources.records);
    this.workers = this.pool.take(workerCount(total));
    if (this.stopped) this.stop();  // Stop came while the page asked for the sources
    await Promise.all(this.workers.map((w) => w.call('load', [sources])));
    const records = new Array(total);
    let next = 0, done = 0;
    await Promise.all(this.workers.map(async (w) => {
      while (next < total) {
        const k = next++;
        // The workers take the records in turn: this one's next is likely
        // one round on.
        const after = k + this.workers.length;
        records[k] = await w.call('prepare', [k, quality, after < total ? after : undefined]);
        onDone(++done, total);
      }
    }));
    const transfer = records.flatMap(({ jpeg, description }) => (jpeg ? [jpeg.buffer, description.buffer]
                                                                      : [description.buffer]));
    return write(this.workers[0], records, transfer);
  }

  stop() {
    this.stopped = true;
    for (const w of this.workers) w.terminate();
  }
}
