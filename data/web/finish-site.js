// Makes the site from the staged build, in two steps:
//  - the page as the program leaves it once started, written into its HTML with its style
//    sheet, so that the form is on screen at the first paint and takes typing before the
//    program is loaded (the program adopts the elements it finds rather than making them
//    again);
//  - every file that a release changes, but for the page and the files named by the
//    manifest or the browser, named by its content. A name then stands for one content,
//    so no cache, the browser's or the host's, can pair one release's script with
//    another's WebAssembly, and such files can be cached for good.
// It also makes the bold face, subset to the captions' characters, as nothing else is bold.
// Usage: node finish-site.js STAGING SITE PROGRAM PYTHON BOLD-FONT [SUBSET-OPTION...]
// (PROGRAM: the program's file name without .js or .wasm; PYTHON: one with fontTools).
// Needs jsdom (Debian's node-jsdom) on NODE_PATH.
'use strict';

const {execFileSync} = require('child_process');
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const {JSDOM, ResourceLoader, VirtualConsole} = require('jsdom');

const [staging, site, program, python, boldFont, ...subsetOptions] = process.argv.slice(2);

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
  const name = document.title;
  document.body.append(document.importNode(shown(), true));
  document.title = dom.window.document.title;
  dom.window.close();
  const rules = movedStyles(document);
  return {html: page.serialize(), rules, bold: boldText(document, name)};
}

// What the bold face shows: the captions, the form's caption, and the program's name, which
// titles its messages (the page's title as staged).
function boldText(document, name) {
  const captions = [...document.querySelectorAll('.label, .caption')].map((e) => e.textContent);
  return [...new Set(captions.join('') + name)].join('');
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

// The style sheet, in the page: its first paint then waits for no other file. The page's
// Content-Security-Policy allows it by its digest.
function inlineStyle() {
  const page = path.join(site, 'index.html');
  const style = fs.readFileSync(path.join(site, 'style.css'), 'utf8');
  const digest = crypto.createHash('sha256').update(style).digest('base64');
  const link = '<link rel="stylesheet" href="style.css">';
  const policy = "style-src 'self'";
  const html = fs.readFileSync(page, 'utf8');
  if (!html.includes(link) || !html.includes(policy)) {
    throw new Error('the page has no style sheet link or no style policy to take the style');
  }
  fs.writeFileSync(page, html.replace(policy, `${policy} 'sha256-${digest}'`)
                             .replace(link, `<style>${style}</style>`));
  fs.rmSync(path.join(site, 'style.css'));
}

async function main() {
  const {html, rules, bold} = await prerender();
  fs.rmSync(site, {recursive: true, force: true});
  fs.cpSync(staging, site, {recursive: true});
  fs.writeFileSync(path.join(site, 'index.html'), html);
  fs.appendFileSync(path.join(site, 'style.css'), rules);
  execFileSync(python, ['-m', 'fontTools.subset', boldFont, `--text=${bold}`, ...subsetOptions,
                        `--output-file=${path.join(site, 'liberation-sans-bold.woff2')}`],
               {stdio: ['ignore', 'ignore', 'inherit']});

  const fonts = fs.readdirSync(site).filter((name) => name.endsWith('.woff2')).sort();
  const renames = new Map();
  nameByContent(fonts, ['fonts.css'], renames);
  nameByContent(['fonts.css'], ['start.js'], renames);
  nameByContent([`${program}.wasm`], [`${program}.js`, 'start.js'], renames);
  nameByContent([`${program}.js`], ['start.js'], renames);
  inlineStyle();
  nameByContent(['start.js'], ['index.html', 'service-worker.js'], renames);
}

main().catch((error) => {
  console.error(`finish-site: ${error.message}`);
  process.exit(1);
});
