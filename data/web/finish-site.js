// Makes the site from the staged build, in two steps:
//  - the page as the program leaves it once started, written into its HTML, so that the
//    form is on screen at the first paint and takes typing before the program is loaded
//    (the program adopts the elements it finds rather than making them again);
//  - every file that a release changes, but for the page and the files named by the
//    manifest or the browser, named by its content. A name then stands for one content,
//    so no cache, the browser's or the host's, can pair one release's script with
//    another's WebAssembly, and such files can be cached for good.
// Usage: node finish-site.js STAGING SITE PROGRAM   (PROGRAM: the program's file name
// without .js or .wasm). Needs jsdom (Debian's node-jsdom) on NODE_PATH.
'use strict';

const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const {JSDOM, ResourceLoader, VirtualConsole} = require('jsdom');

const [staging, site, program] = process.argv.slice(2);

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
  const dom = new JSDOM(fs.readFileSync(path.join(staging, 'index.html'), 'utf8'), {
    url: 'http://localhost/',
    runScripts: 'dangerously',
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
  const rules = movedStyles(dom.window.document);
  const html = dom.serialize();
  dom.window.close();
  return {html, rules};
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

async function main() {
  const {html, rules} = await prerender();
  fs.rmSync(site, {recursive: true, force: true});
  fs.cpSync(staging, site, {recursive: true});
  fs.writeFileSync(path.join(site, 'index.html'), html);
  fs.appendFileSync(path.join(site, 'style.css'), rules);

  const fonts = fs.readdirSync(site).filter((name) => name.endsWith('.woff2')).sort();
  const renames = new Map();
  nameByContent(fonts, ['style.css'], renames);
  nameByContent([`${program}.wasm`], [`${program}.js`], renames);
  nameByContent(['style.css', `${program}.js`, 'start.js'], ['index.html', 'service-worker.js'],
                renames);
}

main().catch((error) => {
  console.error(`finish-site: ${error.message}`);
  process.exit(1);
});
