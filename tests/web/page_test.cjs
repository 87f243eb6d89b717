// The page in headless Chromium against cantiva-cli: what the page divides, exports and lays
// must be the command line's bytes. Run by scripts/test-web, which builds both and serves the page.
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync, spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

const repo = path.resolve(__dirname, '../..');
const cli = path.join(repo, 'build/dev/src/cli/cantiva-cli');
const dictDir = path.join(repo, 'build/dev/dictionaries');
const pageUrl = process.env.CANTIVA_WEB_URL;
const screenshotDir = process.env.CANTIVA_WEB_SCREENSHOTS;
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'cantiva-web-'));
const downloads = path.join(work, 'downloads');

let browser;
let page;

// The command line's stdout (or, when it fails, its stderr) for `args`, the text as a file.
function runCli(args, text) {
  const file = path.join(work, 'input.txt');
  fs.writeFileSync(file, text);
  const run = spawnSync(cli, [...args, '--dict-dir', dictDir, file]);
  return { status: run.status, stdout: run.stdout, stderr: run.stderr.toString().trimEnd() };
}

// The lines joined by CR LF, as the page hands a pane's text to the core.
const crlf = (text) => text.replace(/\n/g, '\r\n');

async function setText(language, text) {
  await page.select('#language', language);
  await page.$eval('#source', (area, value) => { area.value = value; }, text);
  await page.click('#divide');
}

// Clicks `selector` and returns the bytes of the file the page downloads. A click that lands
// while the page is still settling (fonts, the score panel) can miss: it is tried again.
async function downloaded(selector, name) {
  const file = path.join(downloads, name);
  fs.rmSync(file, { force: true });
  for (let attempt = 0; attempt < 3; ++attempt) {
    await page.waitForSelector(selector, { visible: true });
    await page.click(selector);
    for (let waited = 0; waited < 10000; waited += 50) {
      if (fs.existsSync(file)) return fs.readFileSync(file);
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
  }
  throw new Error(`no download of ${name}: ${await page.$eval('#status', (e) => e.textContent)}`);
}

const statusText = () => page.$eval('#status', (e) => e.textContent);
const reportText = () => page.$eval('#lay-report', (e) => e.textContent);

before(async () => {
  fs.mkdirSync(downloads);
  browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu'],
  });
  page = await browser.newPage();
  page.on('pageerror', (error) => console.error(`page error: ${error.message}`));
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.goto(pageUrl);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 30000 });
});

after(async () => {
  if (browser) await browser.close();
  fs.rmSync(work, { recursive: true, force: true });
});

// One text per language, with what each language's rules reach for: ё, elision, synalepha,
// a diaeresis, characters outside the language's code page, a blank line and a final break.
const divisions = [
  ['ru', 'Мама мыла раму, ёлка\nмолоко и хлеб — «песня»\n\nСвятый Боже'],
  ['en', 'All people that on earth do dwell,\nSing to the Lord with cheerful voice; ✓ naïve'],
  ['la', 'Gloria in excelsis Deo\net in terra pax hominibus bonae voluntatis.\n'],
  ['us', 'O beautiful for spacious skies,\nFor amber waves of grain'],
  ['de', 'Stille Nacht, heilige Nacht,\nAlles schläft, einsam wacht. Straße €'],
  ['fr', "L'amour est un oiseau rebelle\nque nul ne peut apprivoiser, la haine"],
  ['it', 'Nessun dorma! Tu pure, o Principessa,\nnella tua fredda stanza'],
  ['es', 'Bésame, bésame mucho,\ncomo si fuera esta noche la última vez'],
];

for (const [language, text] of divisions) {
  test(`division in ${language} is the command line's`, async () => {
    await setText(language, text);
    const expected = runCli(['hyphenate', '--lang', language], crlf(text));
    assert.equal(expected.status, 0, expected.stderr);
    assert.deepEqual(await downloaded('[data-export="text"]', 'lyrics-divided.txt'), expected.stdout);
  });
}

test('a word too long is left whole with the command line\'s warning', async () => {
  const text = 'короткое ' + 'о'.repeat(40);
  await setText('ru', text);
  const expected = runCli(['hyphenate', '--lang', 'ru'], text);
  assert.equal(expected.status, 0);
  assert.equal(await statusText(), expected.stderr.replace(/^cantiva-cli: /, '').trimEnd());
  assert.deepEqual(await downloaded('[data-export="text"]', 'lyrics-divided.txt'), expected.stdout);
});

test('a Windows-1251 file opens as the window reads it', async () => {
  const text = 'Мама мыла раму\r\nмолоко';
  const file = path.join(work, 'legacy.txt');
  fs.writeFileSync(file, Buffer.from(execFileSync('iconv', ['-f', 'UTF-8', '-t', 'CP1251'], { input: text })));
  await page.select('#language', 'ru');
  const input = await page.$('#open-text');
  await input.uploadFile(file);
  await page.waitForFunction(() => document.querySelector('#source').value.startsWith('Мама'));
  const expected = runCli(['hyphenate', '--lang', 'ru'], text);
  assert.deepEqual(await downloaded('[data-export="text"]', 'lyrics-divided.txt'), expected.stdout);
});

// [language, export, its file, the text]; the SCORE macro refuses every language but Russian.
const exportsTable = [
  ['ru', 'finale', 'lyrics-finale.txt', 'Мама мыла раму,\nмолоко - и хлеб'],
  ['ru', 'score', 'lyrics-score.txt', 'Мама мыла раму,\nв лесу родилась ёлочка'],
  ['ru', 'lilypond', 'lyrics.ly', 'Мама мыла раму,\nмолоко и хлеб'],
  ['ru', 'gabc', 'lyrics.gabc', 'Святый Боже, святый крепкий'],
  ['fr', 'finale', 'lyrics-finale.txt', "L'amour est un oiseau rebelle"],
  ['fr', 'lilypond', 'lyrics.ly', "Je suis la haine, l'amour est là"],
  ['es', 'gabc', 'lyrics.gabc', 'Bésame, bésame mucho'],
  ['la', 'lilypond', 'lyrics.ly', 'Gloria in excelsis Deo'],
];

for (const [language, kind, name, text] of exportsTable) {
  test(`${kind} export in ${language} is the command line's`, async () => {
    await setText(language, text);
    const expected = runCli([kind, '--lang', language], crlf(text));
    assert.equal(expected.status, 0, expected.stderr);
    assert.deepEqual(await downloaded(`[data-export="${kind}"]`, name), expected.stdout);
  });
}

test('the SCORE macro of an English text is refused as by the command line', async () => {
  await setText('en', 'All people that on earth');
  const expected = runCli(['score', '--lang', 'en'], 'All people that on earth');
  assert.equal(expected.status, 1);
  await page.click('[data-export="score"]');
  assert.equal(await statusText(), expected.stderr);
});

function sharedSong(name) {
  for (const shared of [path.join(repo, '../shared'), '/work/shared']) {
    const file = path.join(shared, 'quality/scores/dev/scores/lieder', name);
    if (fs.existsSync(file)) return file;
  }
  return null;
}

// The entries of a compressed score, by name: the archive's times differ from run to run.
function archiveEntries(bytes) {
  const file = path.join(work, 'entries.mxl');
  fs.writeFileSync(file, bytes);
  const names = execFileSync('unzip', ['-Z1', file]).toString().trim().split('\n');
  return Object.fromEntries(names.map((n) => [n, execFileSync('unzip', ['-p', file, n])]));
}

const oldHundredth = fs.readFileSync(path.join(repo, 'docs/sample/old-hundredth-lyrics.txt'), 'utf8')
  .replace(/-/g, '');

// [score, language, lyrics, syllables the rendered score shows]
const lays = [
  [path.join(repo, 'docs/sample/old-hundredth.musicxml'), 'en', oldHundredth, ['peo', 'ple', 'dwell,']],
  [path.join(repo, 'tests/interop/melody_features.musicxml'), 'en', 'Gloria, beautiful evermore amen', ['Glo', 'ri']],
  [sharedSong('lc5058194.mxl'), 'de', 'Stille Nacht, heilige Nacht, alles schläft, einsam wacht', ['Stil', 'le']],
];

for (const [score, language, lyrics, shown] of lays) {
  test(`laying on ${score && path.basename(score)} is the command line's`, { skip: !score && 'no development set here' }, async () => {
    await setText(language, lyrics);
    await (await page.$('#open-score')).uploadFile(score);
    await page.waitForFunction(() => !document.querySelector('#lay').disabled);
    const renderedBefore = await page.$eval('body', (b) => b.dataset.rendered || '');
    await page.click('#lay');
    await page.waitForFunction((was) => (document.body.dataset.rendered || '') !== was,
      { timeout: 60000 }, renderedBefore);

    const out = path.join(work, `laid${path.extname(score)}`);
    const file = path.join(work, 'lyrics.txt');
    fs.writeFileSync(file, crlf(lyrics));
    const expected = spawnSync(cli, ['lay', '--score', score, '--out', out, '--lang', language,
      '--dict-dir', dictDir, file]);
    assert.equal(expected.status, 0, expected.stderr.toString());
    assert.equal(await reportText(), expected.stderr.toString().trimEnd());

    const name = path.basename(score).replace(/(\.[^.]+)$/, '-lyrics$1');
    const bytes = await downloaded('#download-score', name);
    if (score.endsWith('.mxl')) assert.deepEqual(archiveEntries(bytes), archiveEntries(fs.readFileSync(out)));
    else assert.deepEqual(bytes, fs.readFileSync(out));

    const svgText = await page.$eval('#rendered', (e) => e.querySelector('svg') ? e.textContent : '');
    for (const syllable of shown) assert.ok(svgText.includes(syllable), `the score shows ${syllable}`);
  });
}

// Bytes that are no score: the error the command line prints, and no score to download.
const badScores = [
  ['random.mxl', Buffer.from(Array.from({ length: 64 }, (_, i) => (i * 37 + 11) % 256))],
  ['damaged.mxl', Buffer.from('PK\x03\x04garbage')],
  ['empty.musicxml', Buffer.alloc(0)],
];

for (const [name, bytes] of badScores) {
  test(`a bad score (${name}) gives the command line's error`, async () => {
    const file = path.join(work, name);
    fs.writeFileSync(file, bytes);
    await setText('en', 'All people');
    await (await page.$('#open-score')).uploadFile(file);
    await page.waitForFunction(() => document.querySelector('#lay-report').textContent !== '');
    const expected = runCli(['lay', '--score', file, '--out', path.join(work, 'x.mxl'), '--lang', 'en'], 'All people');
    assert.equal(expected.status, 1);
    assert.equal(await reportText(), expected.stderr);
    assert.equal(await page.$eval('#download-score', (b) => b.disabled), true);
  });
}

// The user's exceptions, compiled in the page, divide as the command line's compiled from the
// same source; the shipped list loaded again gives the shipped division back.
test('a user\'s exceptions are used as the command line uses them', async () => {
  const text = 'Sing to the Lord with cheerful voice';
  const shippedSource = fs.readFileSync(path.join(dictDir, 'EHYPHEN.XCP'));
  const userSource = Buffer.concat([shippedSource, Buffer.from('\r\nche-er-ful')]);
  const userDir = path.join(work, 'user-dictionaries');
  fs.cpSync(dictDir, userDir, { recursive: true });
  fs.writeFileSync(path.join(userDir, 'EHYPHEN.XCP'), userSource);
  execFileSync(cli, ['compile', '--lang', 'en', '--exceptions', '--dict-dir', userDir]);
  fs.writeFileSync(path.join(work, 'input.txt'), crlf(text));
  const expected = execFileSync(cli, ['hyphenate', '--lang', 'en', '--dict-dir', userDir,
    path.join(work, 'input.txt')]);
  assert.ok(expected.includes('che-er-ful'));

  for (const [source, division] of [[userSource, expected], [shippedSource, runCli(['hyphenate', '--lang', 'en'], crlf(text)).stdout]]) {
    const file = path.join(work, 'EHYPHEN.XCP');
    fs.writeFileSync(file, source);
    await page.select('#language', 'en');
    await page.$eval('#status', (e) => { e.textContent = ''; });
    await (await page.$('#open-exceptions')).uploadFile(file);
    await page.waitForFunction(() => document.querySelector('#status').textContent !== '');
    assert.match(await statusText(), /^Using the exceptions of EHYPHEN.XCP/);
    await setText('en', text);
    assert.deepEqual(await downloaded('[data-export="text"]', 'lyrics-divided.txt'), division);
  }
});

test('screenshots at phone and desktop width', { skip: !screenshotDir && 'no folder given' }, async () => {
  await setText('en', oldHundredth);
  await (await page.$('#open-score')).uploadFile(lays[0][0]);
  await page.waitForFunction(() => !document.querySelector('#lay').disabled);
  for (const [name, width, height] of [['web-desktop.png', 1280, 800], ['web-phone.png', 390, 700]]) {
    await page.setViewport({ width, height });
    const renderedBefore = await page.$eval('body', (b) => b.dataset.rendered || '');
    await page.click('#lay');
    await page.waitForFunction((was) => (document.body.dataset.rendered || '') !== was,
      { timeout: 60000 }, renderedBefore);
    await page.screenshot({ path: path.join(screenshotDir, name), fullPage: true });
  }
});
