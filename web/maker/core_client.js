// The page's side of a worker holding the maker's core (core_worker.js):
// requests answered in order, with the lines a command writes as it runs.
// Terminating the worker ends what it was doing at once; every request
// still waiting then fails with "stopped".
export class CoreWorker {
  constructor() {
    this.worker = new Worker(new URL('./core_worker.js', import.meta.url), { type: 'module' });
    this.next = 1;
    this.pending = new Map();
    this.worker.onmessage = ({ data }) => {
      const request = this.pending.get(data.id);
      if (!request) return;
      if ('line' in data) return request.onLine?.(data.line);
      this.pending.delete(data.id);
      if ('error' in data) request.reject(new Error(data.error));
      else request.resolve(data.result);
    };
  }
  call(op, args = [], { onLine, transfer = [] } = {}) {
    if (this.ended) return Promise.reject(new Error('stopped'));
    const id = this.next++;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { resolve, reject, onLine });
      this.worker.postMessage({ id, op, args }, transfer);
    });
  }
  terminate() {
    this.ended = true;
    this.worker.terminate();
    for (const { reject } of this.pending.values()) reject(new Error('stopped'));
    this.pending.clear();
  }
}
