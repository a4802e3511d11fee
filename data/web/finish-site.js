// Makes the site from the staged build, in two steps:
//  - the page as the program leaves it once started, written into its HTML with its style
//    sheet and start script, so that the form is on screen at the first paint and takes
//    typing before the program is loaded (the program adopts the elements it finds rather
//    than making them again);
//  - every file that a release changes, but for the page and the files named by the
//    manifest or the browser, named by its content. A name then stands for one content,
//    so no cache, the browser's or the host's, can pair one release's script with
//    another's WebAssembly, and such files can be cached for good.
// It also makes the bold face, subset to the captions' characters, as nothing else is bold.
// Usage: node finish-site.js STAGING STAGED-LIST SITE PROGRAM PYTHON BOLD-FONT
//                            [SUBSET-OPTION...]
// (STAGED-LIST: the staged files that make the site, a name a line; PROGRAM: the program's
// file name without .js or .wasm; PYTHON: one with fontTools).
// Needs jsdom (Debian's node-jsdom) on NODE_PATH.
'use strict';

const {execFileSync} = require('child_process');
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const {JSDOM, ResourceLoader, VirtualConsole} = require('jsdom');

const [staging, stagedList, site, program, python, boldFont, ...subsetOptions] =
    process.argv.slice(2);

// The staged files, served to the page as a static host serves them.
class StagedFiles extends ResourceLoader {
  fetch(url) {
    return Promise.resolve(fs.readFileSync(path.join(staging, new URL(url).pathname)));
  }
}

async function prerender() {
  const errors = [];
  const virtualConsole = new VirtualConsole();
  virtualConsole.on('jsdomError', (error) => errors.push(error.message));
  const html = fs.readFileSync(path.join(staging, 'index.html'), 'utf8');
  const dom = new JSDOM(html, {
    url: 'http://localhost/',
    runScripts: 'dangerously',
    pretendToBeVisual: true,
    resources: new StagedFiles(),
    virtualConsole,
    beforeParse(window) {
      // What jsdom lacks and the program's loader uses: fetch for the WebAssembly bytes
      // (compiled from a buffer, as jsdom's WebAssembly cannot stream), and marks.
      delete window.WebAssembly.instantiateStreaming;
      window.fetch = async (url) => {
        const bytes = fs.readFileSync(path.join(staging, new URL(url, window.location).pathname));
        return {ok: true, arrayBuffer: async () => bytes.buffer.slice(
            bytes.byteOffset, bytes.byteOffset + bytes.byteLength)};
      };
      window.performance.mark = () => {};
    },
  });
  const shown = () => dom.window.document.querySelector('.form:not([hidden])');
  for (let waited = 0; !shown(); waited += 20) {
    if (waited > 20000 || errors.length) {
      throw new Error(`the program did not show its form: ${errors.join('; ') || 'time out'}`);
    }
    await new Promise((resolve) => setTimeout(resolve, 20));
  }
  // The page as staged, with what the program made of it: the form and the title. What
  // loading the program added to the page is left out, as the page adds it again.
  const page = new JSDOM(html);
  const document = page.window.document;
  // The form comes before the page's own text about it, which a reader takes in after.
  const form = document.importNode(shown(), true);
  const after = document.querySelector('body > .guide');
  if (after) after.before(form); else document.body.append(form);
  document.title = dom.window.document.title;
  dom.window.close();
  const rules = movedStyles(document);
  return {html: page.serialize(), rules, bold: boldText(document)};
}

// What the bold face shows: the form's captions. The title bar and the messages are in
// the system's own face, as a window's frame is.
function boldText(document) {
  const captions = [...document.querySelectorAll('.label')].map((e) => e.textContent);
  return [...new Set(captions.join(''))].join('');
}

// The program styles its elements one by one, which a page may do; but the page's
// Content-Security-Policy refuses style attributes in its HTML. So each element's style
// becomes a rule of the style sheet.
function movedStyles(document) {
  const rules = [];
  for (const element of document.body.querySelectorAll('[style]')) {
    const selector = element.id ? `#${element.id}`
                                : `#${element.parentElement.id} > .${element.className}`;
    rules.push(`${selector} { ${element.getAttribute('style')} }`);
    element.removeAttribute('style');
  }
  return rules.join('\n') + '\n';
}

function hashedName(name) {
  const digest = crypto.createHash('sha256').update(fs.readFileSync(path.join(site, name)));
  return name.replace(/(\.[^.]+)$/, `.${digest.digest('hex').slice(0, 12)}$1`);
}

// Renames each file to its content's name, then writes the new names into the files that
// refer to them (which are renamed after, so that their names cover the new references).
function nameByContent(files, referrers, renames) {
  for (const name of files) {
    renames.set(name, hashedName(name));
    fs.renameSync(path.join(site, name), path.join(site, renames.get(name)));
  }
  for (const name of referrers) {
    const file = path.join(site, renames.get(name) || name);
    let text = fs.readFileSync(file, 'utf8');
    for (const [from, to] of renames) text = text.split(from).join(to);
    fs.writeFileSync(file, text);
  }
}

// A script without its comment lines and indentation, which are for the reader of the
// sources: every visit would download them. No string of the page's scripts spans lines.
function compact(script) {
  return script.replace(/^\s*\/\/.*\n/gm, '').replace(/\n\s+/g, '\n');
}

// The style sheet and the start script, in the page: its first paint then waits for no
// other file. The page's Content-Security-Policy allows them by their digests. The script
// goes to the end of the page, which it works on as it runs.
function inline(page, [style, start]) {
  const read = (name) => fs.readFileSync(path.join(site, name), 'utf8');
  const digest = (text) => `'sha256-${crypto.createHash('sha256').update(text).digest('base64')}'`;
  const dom = new JSDOM(read(page));
  const document = dom.window.document;
  const link = document.querySelector(`link[rel=stylesheet][href="${style}"]`);
  const script = document.querySelector(`script[src="${start}"]`);
  const policy = document.querySelector('meta[http-equiv=Content-Security-Policy]');
  if (!link || !script || !policy) throw new Error('the page lacks its style, script or policy');
  // The style's comments and indentation are for the reader of the sources too.
  const css = document.createElement('style');
  css.textContent = read(style).replace(/\/\*[^]*?\*\//g, '').replace(/\n\s*/g, '\n');
  link.replaceWith(css);
  const js = document.createElement('script');
  js.textContent = compact(read(start));
  script.remove();
  document.body.append(js);
  policy.content = policy.content.replace("style-src 'self'", `style-src 'self' ${digest(css.textContent)}`)
                       .replace("script-src 'self'", `script-src 'self' ${digest(js.textContent)}`);
  fs.writeFileSync(path.join(site, page), dom.serialize());
  fs.rmSync(path.join(site, style));
  fs.rmSync(path.join(site, start));
}

async function main() {
  const {html, rules, bold} = await prerender();
  fs.rmSync(site, {recursive: true, force: true});
  fs.mkdirSync(site, {recursive: true});
  for (const name of fs.readFileSync(stagedList, 'utf8').split('\n').filter(Boolean)) {
    fs.copyFileSync(path.join(staging, name), path.join(site, name));
  }
  fs.writeFileSync(path.join(site, 'index.html'), html);
  fs.appendFileSync(path.join(site, 'style.css'), rules);
  execFileSync(python, ['-m', 'fontTools.subset', boldFont, `--text=${bold}`, ...subsetOptions,
                        `--output-file=${path.join(site, 'liberation-sans-bold.woff2')}`],
               {stdio: ['ignore', 'ignore', 'inherit']});

  const fonts = fs.readdirSync(site).filter((name) => name.endsWith('.woff2')).sort();
  const renames = new Map();
  nameByContent(fonts, ['style.css'], renames);
  nameByContent([`${program}.wasm`], [`${program}.js`, 'start.js', 'service-worker.js'], renames);
  nameByContent([`${program}.js`], ['start.js', 'service-worker.js'], renames);
  inline('index.html', ['style.css', 'start.js']);
  const worker = path.join(site, 'service-worker.js');
  fs.writeFileSync(worker, compact(fs.readFileSync(worker, 'utf8')));
}

main().catch((error) => {
  console.error(`finish-site: ${error.message}`);
  process.exit(1);
});
