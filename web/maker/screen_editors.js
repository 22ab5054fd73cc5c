// The selected screen's editors on the page: size, colour (with a live
// preview), border, background with the pattern bank, the crop drawn on
// the large screen with the pointer (mouse, pen or touch), and the
// template. The values go to the core (editeurs_web.cpp), which sets the
// fields and flags as the desktop's editors do; each confirmed change is
// one Undo step (`edit`).
const $ = (id) => document.getElementById(id);

// Colours are kept as the desktop keeps them: 0x00BBGGRR.
export function colourToHex(value) {
  const r = value & 0xff, g = (value >> 8) & 0xff, b = (value >> 16) & 0xff;
  return `#${[r, g, b].map((c) => c.toString(16).padStart(2, '0')).join('')}`;
}
export function hexToColour(hex) {
  const n = parseInt(hex.slice(1), 16);
  return ((n >> 16) & 0xff) | (n & 0xff00) | ((n & 0xff) << 16);
}

// The picture's pixel under a pointer on `canvas`, whose picture is
// letterboxed in its box (object-fit: contain), clamped to the picture.
export function canvasPoint(canvas, clientX, clientY) {
  const box = canvas.getBoundingClientRect();
  const scale = Math.min(box.width / canvas.width, box.height / canvas.height);
  const left = box.left + (box.width - canvas.width * scale) / 2;
  const top = box.top + (box.height - canvas.height * scale) / 2;
  const clamp = (v, max) => Math.min(max, Math.max(0, Math.round(v)));
  return [clamp((clientX - left) / scale, canvas.width), clamp((clientY - top) / scale, canvas.height)];
}

const PATTERNS = 50;  // the bank's own patterns

// A control shows the project's value, unless the user is in it: a change
// answered while he types does not undo his typing.
export function setValue(id, value) {
  const control = $(id);
  if (document.activeElement !== control) control.value = value;
}
function setChecked(id, checked) {
  const control = $(id);
  if (document.activeElement !== control) control.checked = checked;
}

export class ScreenEditors {
  // `page`: { core (the core's worker), index() (the selected screen's),
  // edit(name, values) (one Undo step), draw(image) (on the large screen),
  // redrawSelected() }.
  constructor(page) {
    this.page = page;
    this.trialRunning = false;
    this.trialWanted = null;
    this.crop = null;
    this.patternTarget = null;
    this.patternImages = null;
  }

  // The controls show the selected screen's values.
  show(screen) {
    const fitted = screen.RedimensionUtilisation && !screen.RedimensionPourcentageUtilisation &&
      screen.RedimensionTailleX === 0 && screen.RedimensionTailleY === 0;
    const mode = !screen.RedimensionUtilisation ? 1
      : fitted ? (screen.RedimensionRemplissage ? 3 : 0)
      : screen.RedimensionPourcentageUtilisation ? 1 : 2;
    setValue('size-mode', String(mode));
    setValue('size-percent', String(screen.RedimensionUtilisation ? screen.RedimensionPourcentageValeur : 100));
    setValue('size-width', mode === 2 ? String(screen.RedimensionTailleX) : '');
    setValue('size-height', mode === 2 ? String(screen.RedimensionTailleY) : '');
    setChecked('size-keep', !!screen.RedimensionConservationProportion);
    this.showSizeMode();
    setValue('brightness', String(screen.ReglageLumiere));
    setValue('contrast', String(screen.ReglageContraste));
    setValue('intensity', String(screen.ReglageIntensite));
    setValue('border-mode', String(!screen.CadreUtilisation ? 0 : screen.CadreMotifUtilisation ? 2 : 1));
    setValue('border-size', String(screen.CadreTaille));
    setValue('border-colour', colourToHex(screen.CadreCouleur));
    setChecked('border-edge', !!screen.CadreBordureUtilisation);
    setValue('border-edge-colour', colourToHex(screen.CadreCouleurBordure));
    setValue('background-mode', String(screen.FondMotifUtilisation ? 1 : 0));
    setValue('background-colour', colourToHex(screen.FondCouleur));
    this.showPattern($('border-pattern'), screen.CadreMotif);
    this.showPattern($('background-pattern'), screen.FondMotif);
  }

  showSizeMode() {
    const mode = $('size-mode').value;
    for (const label of $('size').querySelectorAll('[data-mode]')) label.hidden = label.dataset.mode !== mode;
  }

  async showPattern(button, n) {
    button.dataset.pattern = String(n);
    button.setAttribute('aria-label', `${button.id.startsWith('border') ? 'Border' : 'Background'} pattern ${n + 1}`);
    const image = await this.pattern(n);
    button.replaceChildren();
    if (image) button.append(thumbnail(image));
    else button.textContent = `Pattern ${n + 1}`;
  }

  // The whole bank, drawn when the choice of a pattern first opens.
  async patterns() {
    if (!this.patternImages) this.patternImages = this.page.core.call('patterns', [PATTERNS]);
    return this.patternImages;
  }

  // One pattern, as a screen's panel shows it: drawing the whole bank
  // (~0.4 s) would hold back the first screen's picture.
  async pattern(n) {
    if (this.patternImages) return (await this.patternImages)[n];
    this.onePattern ??= new Map();
    if (!this.onePattern.has(n)) this.onePattern.set(n, this.page.core.call('patterns', [1, n]).then(([image]) => image));
    return this.onePattern.get(n);
  }

  wire() {
    const edit = (name, values) => this.page.edit(name, values);
    // Size.
    $('size-mode').addEventListener('change', async () => {
      this.showSizeMode();
      const mode = Number($('size-mode').value);
      if (mode === 2 && !$('size-width').value) {
        // The size the picture has now, as the desktop's editor starts.
        const found = await this.page.core.call('editor', [this.page.index(), 'redimension']);
        $('size-width').value = String(found.values[1]);
        $('size-height').value = String(found.values[2]);
      }
      this.commitSize();
    });
    for (const id of ['size-percent', 'size-width', 'size-height', 'size-keep'])
      $(id).addEventListener('change', () => this.commitSize());
    // Colour: the screen follows the sliders, the change is kept on release.
    const colour = () => ['brightness', 'contrast', 'intensity'].map((id) => Number($(id).value));
    for (const id of ['brightness', 'contrast', 'intensity']) {
      $(id).addEventListener('input', () => this.trial('reglage', colour()));
      $(id).addEventListener('change', () => edit('reglage', colour()));
    }
    $('colour-reset').addEventListener('click', () => edit('reglage', [50, 50, 50]));
    // Border and background.
    const border = () => [Number($('border-mode').value), Number($('border-pattern').dataset.pattern),
                          Number($('border-size').value) || 1, $('border-edge').checked ? 1 : 0,
                          hexToColour($('border-colour').value), hexToColour($('border-edge-colour').value)];
    for (const id of ['border-mode', 'border-size', 'border-colour', 'border-edge', 'border-edge-colour'])
      $(id).addEventListener('change', () => edit('cadre', border()));
    const background = () => [Number($('background-pattern').dataset.pattern),
                              hexToColour($('background-colour').value),
                              Number($('background-mode').value)];
    for (const id of ['background-mode', 'background-colour'])
      $(id).addEventListener('change', () => edit('fond', background()));
    $('border-pattern').addEventListener('click', () => this.choosePattern('border', (n) => {
      $('border-pattern').dataset.pattern = String(n);
      if ($('border-mode').value !== '2') $('border-mode').value = '2';
      edit('cadre', border());
    }));
    $('background-pattern').addEventListener('click', () => this.choosePattern('background', (n) => {
      $('background-pattern').dataset.pattern = String(n);
      $('background-mode').value = '1';
      edit('fond', background());
    }));
    $('template').addEventListener('click', () => edit('modele', []));
    this.wireCrop();
  }

  commitSize() {
    const mode = Number($('size-mode').value);
    const values = [mode, Number($('size-width').value) || 0, Number($('size-height').value) || 0,
                    Number($('size-percent').value) || 100, $('size-keep').checked ? 1 : 0];
    this.page.edit('redimension', values);
  }

  // A live preview: the latest values asked for are rendered once the
  // rendering under way ends.
  async trial(name, values) {
    this.trialWanted = [name, values];
    if (this.trialRunning) return;
    this.trialRunning = true;
    try {
      while (this.trialWanted) {
        const [n, v] = this.trialWanted;
        this.trialWanted = null;
        const { image } = await this.page.core.call('trial', [this.page.index(), n, v]);
        if (image) this.page.draw(image);
      }
    } finally {
      this.trialRunning = false;
    }
  }

  async choosePattern(target, chosen) {
    const dialog = $('patterns');
    const grid = $('pattern-grid');
    const images = await this.patterns();
    grid.replaceChildren();
    images.forEach((image, n) => {
      if (!image) return;
      const b = document.createElement('button');
      b.type = 'button';
      b.className = 'pattern';
      b.setAttribute('aria-label', `Pattern ${n + 1}`);
      b.append(thumbnail(image));
      b.addEventListener('click', () => {
        dialog.close();
        chosen(n);
      });
      grid.append(b);
    });
    dialog.showModal();
    const current = Number($(`${target}-pattern`).dataset.pattern);
    (grid.children[current] ?? grid.firstChild)?.focus();
  }

  // The crop: the picture before its crop on the large screen, the part
  // kept drawn over it while the pointer drags; release keeps it.
  wireCrop() {
    const canvas = $('screen');
    $('crop').addEventListener('click', () => (this.crop ? this.leaveCrop() : this.enterCrop()));
    $('crop-none').addEventListener('click', async () => {
      const found = await this.page.core.call('editor', [this.page.index(), 'recoupe']);
      this.page.edit('recoupe', [0, 0, found.width, found.height]);
    });
    canvas.addEventListener('pointerdown', (e) => {
      if (!this.crop) return;
      e.preventDefault();
      canvas.setPointerCapture(e.pointerId);
      const p = canvasPoint(canvas, e.clientX, e.clientY);
      this.crop.from = p;
      this.crop.rect = [...p, ...p];
    });
    canvas.addEventListener('pointermove', (e) => {
      if (!this.crop?.from) return;
      const [x, y] = canvasPoint(canvas, e.clientX, e.clientY);
      const [fx, fy] = this.crop.from;
      this.crop.rect = [Math.min(fx, x), Math.min(fy, y), Math.max(fx, x), Math.max(fy, y)];
      this.drawCrop();
    });
    const release = (e) => {
      if (!this.crop?.from) return;
      canvas.releasePointerCapture?.(e.pointerId);
      const [l, t, r, b] = this.crop.rect;
      this.crop.from = null;
      if (r - l < 2 || b - t < 2) {
        this.drawCrop();
        return;
      }
      this.leaveCrop(false);
      this.page.edit('recoupe', [l, t, r, b]);
    };
    canvas.addEventListener('pointerup', release);
    canvas.addEventListener('pointercancel', () => this.crop && (this.crop.from = null));
    document.addEventListener('keydown', (e) => {
      if (e.key === 'Escape' && this.crop) this.leaveCrop();
    });
  }

  async enterCrop() {
    const found = await this.page.core.call('editor', [this.page.index(), 'recoupe']);
    this.crop = { image: found.image, rect: found.values, from: null };
    $('crop').setAttribute('aria-pressed', 'true');
    $('crop-hint').hidden = false;
    $('screen').classList.add('cropping');
    this.drawCrop();
  }

  leaveCrop(redraw = true) {
    this.crop = null;
    $('crop').setAttribute('aria-pressed', 'false');
    $('crop-hint').hidden = true;
    $('screen').classList.remove('cropping');
    if (redraw) this.page.redrawSelected();
  }

  drawCrop() {
    const { image, rect } = this.crop;
    this.page.draw(image);
    const context = $('screen').getContext('2d');
    const [l, t, r, b] = rect;
    context.fillStyle = 'rgba(0, 0, 0, 0.55)';
    context.fillRect(0, 0, image.width, t);
    context.fillRect(0, b, image.width, image.height - b);
    context.fillRect(0, t, l, b - t);
    context.fillRect(r, t, image.width - r, b - t);
    context.strokeStyle = '#fff';
    context.lineWidth = Math.max(1, Math.round(image.width / 400));
    context.setLineDash([8, 6]);
    context.strokeRect(l + 0.5, t + 0.5, r - l - 1, b - t - 1);
  }
}

function thumbnail(image) {
  const c = document.createElement('canvas');
  c.width = image.width;
  c.height = image.height;
  c.getContext('2d').putImageData(new ImageData(image.rgba, image.width, image.height), 0, 0);
  return c;
}
