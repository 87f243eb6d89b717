// Times the page in headless Chromium for bench/web_run.sh; prints medians.
const fs = require('node:fs');
const puppeteer = require('puppeteer-core');

const url = process.env.CANTIVA_WEB_URL;
const runs = Number(process.env.RUNS || 3);
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

// A fresh browser each time: nothing cached.
async function coldLoad() {
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });
  const page = await browser.newPage();
  const start = Date.now();
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]', { timeout: 60000 });
  const ms = Date.now() - start;
  return { browser, page, ms };
}

async function timedClick(page, selector) {
  return page.$eval(selector, (button) => {
    const start = performance.now();
    button.click();
    return performance.now() - start;
  });
}

(async () => {
  const loads = [];
  let session;
  for (let i = 0; i < runs; ++i) {
    const run = await coldLoad();
    loads.push(run.ms);
    if (session) await session.browser.close();
    session = run;
  }
  console.log(`page load to ready, cold: ${median(loads)} ms (median of ${runs})`);
  const { browser, page } = session;

  const text = fs.readFileSync(process.env.TEXT, 'utf8');
  await page.select('#language', 'en');
  await page.$eval('#source', (area, value) => { area.value = value; }, text);
  const divides = [];
  for (let i = 0; i < runs; ++i) divides.push(await timedClick(page, '#divide'));
  const seconds = median(divides) / 1000;
  const native = Number(process.env.NATIVE_SECONDS);
  console.log(`dividing 1 MB English in the page: ${seconds.toFixed(2)} s, ${(seconds / native).toFixed(2)} x the native cantiva-cli`);

  if (process.env.SONG) {
    // About as many syllables as the song has notes, French.
    const line = 'Le soleil se couche sur la mer, et la nuit descend doucement sur nous.\n';
    await page.select('#language', 'fr');
    await page.$eval('#source', (area, value) => { area.value = value; }, line.repeat(80));
    await page.click('#divide');
    await (await page.$('#open-score')).uploadFile(process.env.SONG);
    await page.waitForFunction(() => !document.querySelector('#lay').disabled
      || document.querySelector('#lay-report').textContent !== '', { timeout: 120000 });
    const refused = await page.$eval('#lay-report', (e) => e.textContent);
    if (refused) throw new Error(`the song was not opened: ${refused}`);
    await page.click('#replace-verse');
    const lays = [];
    const renders = [];
    for (let i = 0; i < runs; ++i) {
      const was = await page.$eval('body', (b) => b.dataset.rendered || '');
      const start = Date.now();
      lays.push(await timedClick(page, '#lay'));
      await page.waitForFunction((w) => (document.body.dataset.rendered || '') !== w, { timeout: 300000 }, was);
      renders.push(Date.now() - start);
    }
    const report = await page.$eval('#lay-report', (e) => e.textContent.split('\n')[0]);
    console.log(`laying the longest song (${report}): ${Math.round(median(lays))} ms; with Verovio's rendering of every page: ${median(renders)} ms`);
  } else {
    console.log('laying the longest song: no development set here');
  }
  await browser.close();
})();
