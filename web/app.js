// The page: every division, export and lay-on is the core's (cantiva_web.wasm); this file only
// moves texts and files between the controls and the core.
const $ = (id) => document.getElementById(id);

const downloadNames = {
  text: 'lyrics-divided.txt',
  finale: 'lyrics-finale.txt',
  score: 'lyrics-score.txt',
  lilypond: 'lyrics.ly',
  gabc: 'lyrics.gabc',
};

let core = null;
let session = null;
let divided = ''; // the core's text, CR LF line ends kept
let score = null; // { name, bytes }
let laid = null;  // { name, bytes }
let verovio = null;

function tell(message, isError = false) {
  $('status').textContent = message;
  $('status').classList.toggle('error', isError);
}

function download(name, bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
  const link = document.createElement('a');
  link.href = url;
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

async function fileBytes(file) {
  return new Uint8Array(await file.arrayBuffer());
}

function divide() {
  const outcome = session.divide($('language').value, $('source').value);
  divided = outcome.ok ? outcome.text : '';
  $('result').value = divided;
  if (!outcome.ok) tell(outcome.message, true);
  else if (outcome.message) tell(outcome.message);
  else tell(divided === '' ? 'Nothing to divide.' : 'Divided.');
  return outcome.ok;
}

let pending = 0;
function divideSoon() {
  clearTimeout(pending);
  pending = setTimeout(divide, 250);
}

function exportFile(kind) {
  clearTimeout(pending);
  if (!divide()) return;
  if (kind === 'text') {
    download(downloadNames.text, new TextEncoder().encode(divided));
    return;
  }
  const outcome = session.exportText(kind, true);
  if (!outcome.ok) {
    tell(outcome.message, true);
    return;
  }
  if (outcome.bytes.length === 0) {
    tell('Nothing to export.');
    return;
  }
  download(downloadNames[kind], outcome.bytes);
  tell(`Exported ${downloadNames[kind]}.`);
}

async function openText(file) {
  $('source').value = core.textOfFile(await fileBytes(file));
  divide();
}

async function openExceptions(file) {
  const outcome = session.useExceptions($('language').value, await fileBytes(file));
  if (!outcome.ok) tell(outcome.message, true);
  else if (divide()) tell(`Using the exceptions of ${file.name} while this page is open.`);
}

function fillVoices() {
  const part = $('part').selectedOptions[0];
  $('voice').replaceChildren(...(part ? part.dataset.voices.split(' ') : [])
    .filter((v) => v !== '')
    .map((v) => new Option(v, v)));
}

async function openScore(file) {
  score = { name: file.name, bytes: await fileBytes(file) };
  laid = null;
  $('download-score').disabled = true;
  $('rendered').replaceChildren();
  $('score-name').textContent = file.name;
  let parts = session.scoreParts(file.name, score.bytes);
  if (!Array.isArray(parts)) parts = [`!${parts.message}`];
  const report = $('lay-report');
  if (parts.length === 1 && parts[0].startsWith('!')) {
    report.textContent = parts[0].slice(1);
    report.classList.add('error');
    $('part').replaceChildren();
    $('lay').disabled = true;
    return;
  }
  report.textContent = '';
  report.classList.remove('error');
  $('part').replaceChildren(...parts.map((line) => {
    const [id, name, voices] = line.split('\t');
    const option = new Option(name ? `${id} ${name}` : id, id);
    option.dataset.voices = voices;
    return option;
  }));
  fillVoices();
  $('lay').disabled = false;
}

async function render(bytes, compressed) {
  if (!verovio) {
    const [{ default: createModule }, { VerovioToolkit }] = await Promise.all([
      import('./verovio/verovio-module.mjs'), import('./verovio/verovio.mjs')]);
    verovio = new VerovioToolkit(await createModule());
  }
  // Page units are hundredths of the scale: the page fits the panel, smaller notes on a phone.
  const width = $('rendered').clientWidth || 600;
  const scale = width < 500 ? 28 : 45;
  verovio.setOptions({ pageWidth: Math.round((width * 100) / scale), adjustPageHeight: true,
    scale, footer: 'none' });
  if (compressed) verovio.loadZipDataBuffer(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length));
  else verovio.loadData(new TextDecoder().decode(bytes));
  const pages = [];
  for (let page = 1; page <= verovio.getPageCount(); ++page) pages.push(verovio.renderToSVG(page));
  $('rendered').innerHTML = pages.join('');
}

async function lay() {
  clearTimeout(pending);
  if (!divide()) return;
  const report = $('lay-report');
  const outcome = session.lay(score.name, score.bytes, $('part').value,
    Number($('voice').value || 1), Number($('verse').value || 1),
    $('slur-melisma').checked, $('replace-verse').checked);
  report.textContent = outcome.message;
  report.classList.toggle('error', !outcome.ok);
  if (!outcome.ok) return;
  laid = { name: core.laidScoreName(score.name), bytes: outcome.bytes };
  $('download-score').disabled = false;
  $('rendered').textContent = 'Rendering the score…';
  try {
    await render(laid.bytes, /\.mxl$/i.test(score.name));
  } catch (e) {
    $('rendered').textContent = `The score could not be shown: ${e}`;
  }
  document.body.dataset.rendered = String(Date.now());
}

function dropOnto(element, open) {
  element.addEventListener('dragover', (e) => { e.preventDefault(); element.classList.add('drop'); });
  element.addEventListener('dragleave', () => element.classList.remove('drop'));
  element.addEventListener('drop', (e) => {
    e.preventDefault();
    element.classList.remove('drop');
    if (e.dataTransfer.files.length > 0) open(e.dataTransfer.files[0]);
  });
}

// The choice is cleared once read, so that the same file, edited, can be chosen again.
function onFileChosen(input, open) {
  input.addEventListener('change', async () => {
    const file = input.files[0];
    if (!file) return;
    await open(file);
    input.value = '';
  });
}

function wire() {
  $('source').addEventListener('input', divideSoon);
  $('language').addEventListener('change', divide);
  $('divide').addEventListener('click', divide);
  document.addEventListener('keydown', (e) => {
    if ((e.ctrlKey && e.key === 'Enter') || e.key === 'Insert') {
      e.preventDefault();
      divide();
    }
  });
  $('copy').addEventListener('click', async () => {
    await navigator.clipboard.writeText(divided);
    tell('Copied.');
  });
  for (const button of document.querySelectorAll('[data-export]'))
    button.addEventListener('click', () => exportFile(button.dataset.export));
  onFileChosen($('open-text'), openText);
  onFileChosen($('open-exceptions'), openExceptions);
  onFileChosen($('open-score'), openScore);
  $('part').addEventListener('change', fillVoices);
  $('lay').addEventListener('click', lay);
  $('download-score').addEventListener('click', () => laid && download(laid.name, laid.bytes));
  dropOnto($('source'), openText);
  dropOnto($('score-drop'), openScore);
}

core = await CantivaCore();
session = new core.Session();
wire();
document.body.dataset.ready = 'true';
tell('Ready.');
