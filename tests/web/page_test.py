"""The calculator's page, what only the page can tell: its title, the accessible names, the
fault's dialog titled and giving the focus back, every stop in the document's tab order,
the guide to the results, a field left with the window, the faces drawn, the longest
results whole at each zoom, nothing loaded from elsewhere or refused by the page's policy,
the page working offline once its service worker is in, typing before the program is
there, start-up failures and a first visit's weight. The behaviours every toolkit shares
are tests/behaviours/window.txt's, run by behaviour_test.py."""

import glob
import gzip
import os
import re
import shutil
import time

import pytest
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

import behaviour_test
from browsers import can, drawn_faces, need, painted, started, wait_for
from site_server import SiteServer, poll

# A file that finish-site.js names by its content: vorn-ev-calculator.1e6b831407e3.js.
CONTENT_NAMED = re.compile(r'\.[0-9a-f]{12}\.')
INTERACTIVE = "return performance.getEntriesByName('vorn-interactive').length > 0"


def value(driver, name):
    return driver.find_element(By.ID, name).get_attribute('value')


def fill(driver, texts):
    """Each field's text, by name."""
    for name, text in texts.items():
        element = driver.find_element(By.ID, name)
        element.clear()
        element.send_keys(text)


def shows(driver, results):
    return {name: value(driver, name) for name in results} == results


def press_on_button(driver, key):
    driver.execute_script("document.getElementById('Button1').focus()")
    ActionChains(driver).send_keys(key).perform()


def focused(driver):
    return driver.execute_script('return document.activeElement.id')


@pytest.fixture
def page(desktop, url):
    desktop.get(url)
    assert started(desktop), 'the form works'
    return desktop


# Each control named by the caption that names it, as the description pairs them.
def test_title_and_accessible_names(page, form):
    assert page.title == form['caption']
    captions = {c['focusControl']: c['caption'] for c in form['controls'] if c['focusControl']}
    for c in form['controls']:
        if c['class'] in ('Edit', 'Button'):
            named = c['caption'] if c['class'] == 'Button' else captions[c['name']]
            assert page.find_element(By.ID, c['name']).accessible_name == named, c['name']


def test_tab_order_is_the_documents(page, form):
    indices = page.execute_script(
        "return [...document.querySelectorAll('[tabindex]')].map((e) => e.id + ' ' + e.tabIndex)")
    assert indices == [f'{name} 0' for name in form['tabOrder']], 'every stop at tabindex 0'


# The fault's own dialog, which any fault opens: titled by the form, and the focus back
# on the button once Enter has closed it.
# An arrow that moves the focus is the page's, and cancelled; with Alt or Meta held it is the
# browser's (Alt+Left goes back) and goes on. That the focus moves or stays is in window.txt.
def test_arrow_keys_left_to_the_browser_are_not_cancelled(page):
    held = [{}, {'shiftKey': True}, {'ctrlKey': True}, {'altKey': True}, {'metaKey': True}]
    went_on = page.execute_script("""
        const button = document.getElementById('Button1');
        return arguments[0].map((held) => {
          button.focus();
          return button.dispatchEvent(new KeyboardEvent('keydown',
              {key: 'ArrowLeft', bubbles: true, cancelable: true, ...held}));
        });""", held)
    assert went_on == [False, False, False, True, True], f'not cancelled, for {held}: {went_on}'


def test_fault_dialog_is_titled_and_gives_the_focus_back(page, form, example):
    fill(page, {**example[0], 'KnownCardsEdit': '52'})
    press_on_button(page, Keys.ENTER)
    dialog = page.find_element(By.CSS_SELECTOR, 'dialog[open]')
    assert form['caption'] in dialog.text
    ActionChains(page).send_keys(Keys.ENTER).perform()
    assert focused(page) == 'Button1'


# Under the form, outside it, the page says how the two results decide a call, with the
# worked example as it really comes out: its inputs, its results to three places, their
# sum and the decision. Read in the document after the form, as a screen reader reads it, under a
# heading.
def test_guide_works_the_example_through(page, example):
    order, heading, text = page.execute_script(
        "const guide = document.querySelector('.guide');"
        "return [document.querySelector('.form').compareDocumentPosition(guide),"
        "        guide.querySelector('h2').textContent, guide.textContent]")
    assert order & 4 and heading, 'the guide follows the form, under a heading'
    inputs, results = example[:2]
    call, fold = (float(results[name]) for name in ['CallEvEdit', 'FoldEvEdit'])
    figures = [*inputs.values(), f'{call:.3f}', f'{fold:.3f}', f'{call + fold:.3f}']
    numbers = re.findall(r'-?\d+(?:\.\d+)?', text)
    assert [f for f in figures if f not in numbers] == [], text
    assert ('so call' if call + fold > 0 else 'so fold') in text


# Left with the window, a field keeps its scroll. A headless window never loses the
# focus, so the page is told it has, and the field gets the blur event that leaving the
# window gives it; a real blur would have Chromium and WebKit scroll the field back by
# themselves. (Left for another control it shows its start: window.txt.)
def test_field_left_with_the_window_keeps_its_scroll(page):
    page.execute_script("const e = document.getElementById('MoneyToCallEdit');"
                        "e.value = '-' + '8'.repeat(60); e.focus(); e.setSelectionRange(61, 61)")
    wait_for(page, "return document.getElementById('MoneyToCallEdit').scrollLeft > 0", 2)
    start, left = page.execute_script(
        "const e = document.getElementById('MoneyToCallEdit'), start = e.scrollLeft;"
        "document.hasFocus = () => false; e.dispatchEvent(new FocusEvent('blur'));"
        'delete document.hasFocus; return [start, e.scrollLeft]')
    assert start > 0 and left == start


# A face the system lacks (Tahoma, Arial) is answered by the metric-compatible one, the
# system's or the page's own, never by the browser's default. Only Chromium tells which
# faces it drew with; elsewhere the results whole (window.txt) stand for it.
def check_faces(driver):
    for name in ['Label1', 'Button1', 'CallEvEdit']:
        faces = drawn_faces(driver, name)
        assert faces and faces <= {'Tahoma', 'Arial', 'Liberation Sans'}, name


def test_drawn_in_the_designed_face(engine, page, example):
    need(engine, 'devtools')
    fill(page, example[0])
    press_on_button(page, Keys.SPACE)
    check_faces(page)


# The browser's zoom and the screen's density scale the page as a whole; hinting and
# rounding differ with the scale, so the behaviours that show the longest results whole
# must pass at each one.
@pytest.mark.parametrize('scale', [1.25, 1.5, 2])
def test_longest_results_whole_when_scaled(engine, browsers, url, form, example, suite,
                                           shots, scale):
    need(engine, 'scale')
    driver = browsers(scale=scale)
    for behaviour in suite['behaviours']:
        if behaviour['name'].endswith('Whole'):
            behaviour_test.run(driver, behaviour_test.visiting(driver, url), form, example,
                               behaviour)
    if can(engine, 'devtools'):
        check_faces(driver)
    painted(driver)
    driver.save_screenshot(os.path.join(shots, f'{engine}-page-x{scale}.png'))


def test_page_shot_and_nothing_from_elsewhere(engine, page, example, shots):
    fill(page, example[0])
    press_on_button(page, Keys.SPACE)
    painted(page)
    page.save_screenshot(os.path.join(shots, f'{engine}-page.png'))
    if can(engine, 'console'):
        errors = [e['message'] for e in page.get_log('browser') if e['level'] == 'SEVERE']
        assert not errors, 'no error in the console, nor a refusal by the page\'s policy'
    elsewhere = page.execute_script(
        "return performance.getEntriesByType('resource').map((r) => r.name)"
        '.filter((name) => !name.startsWith(location.origin))')
    assert not elsewhere, 'nothing is loaded from elsewhere'


def test_works_offline(engine, browsers, site, example):
    server = SiteServer(site).start()
    try:
        driver = browsers()
        driver.get(server.url)
        assert wait_for(driver, 'return !!navigator.serviceWorker.controller'), \
            'the service worker controls the page'
        if can(engine, 'install'):
            errors = driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
            assert not errors['installabilityErrors'], 'Chromium can install it as an app'
        time.sleep(0.5)  # the worker's install has filled its cache by the time it controls
    finally:
        server.stop()
    driver.get(server.url)
    assert started(driver), 'offline, the page starts from the cache'
    fill(driver, example[0])
    press_on_button(driver, Keys.SPACE)
    assert shows(driver, example[1]), 'offline, it computes'


# The form is in the page before the program is loaded: typing goes in, the arrows move
# from the button, and a press is answered once the program is there, with what the
# fields hold by then.
def test_using_the_form_before_the_program(browsers, site, form, example):
    # Long enough for a loaded machine to type three fields by WebDriver meanwhile.
    server = SiteServer(site, wasm_delay=6).start()
    try:
        driver = browsers(wait_for_load=False)
        driver.get(server.url)
        wait_for(driver, "return !!document.getElementById('OutsEdit')")
        *first, (last, text) = example[0].items()
        fill(driver, dict(first))
        press_on_button(driver, Keys.ARROW_RIGHT)
        assert focused(driver) == form['tabOrder'][1], 'the arrows move from the button'
        press_on_button(driver, Keys.SPACE)
        fill(driver, {last: text})
        assert not driver.execute_script(INTERACTIVE), \
            'the fields took typing and the button a press before the program had loaded'
        assert wait_for(driver, INTERACTIVE), 'the program starts'
        assert poll(lambda: shows(driver, example[1]), 5), \
            'the press before it started is answered with what the fields held by then'
    finally:
        server.stop()


# Everything a first visit fetches, gzipped as a host sends it: the page and all it loads,
# the worker's copies for offline use and, in Chromium, the icon the browser fetches to
# offer installation, taken from the server's own record of what was asked for.
def test_first_visit_weight(engine, browsers, site, tmp_path):
    log = tmp_path / 'requests'
    server = SiteServer(site, requests=log).start()
    try:
        driver = browsers()
        driver.get(server.url)
        wait_for(driver, 'return !!navigator.serviceWorker.controller')
        if can(engine, 'install'):
            driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
        time.sleep(1)  # the icon's fetch is the browser's own, unseen by the page
    finally:
        server.stop()
    fetched = [(line.split()[0].split('?')[0].lstrip('/') or 'index.html', *line.split()[1:])
               for line in log.read_text().splitlines()]
    # What the page and its worker fetch, gzipped. Not counted: the icons a browser fetches
    # for its own use (its tab, a new-tab tile: Firefox takes the 180-pixel icon), which
    # it asks for as images; and a second fetch of a file named by its content, which
    # only a browser with no cache of its own makes (WebKitGTK's automation session); nor
    # the answers that the file has not changed (304), which carry no body.
    sizes, seen, own = {}, set(), {}
    for path, code, dest in fetched:
        with open(os.path.join(site, path), 'rb') as file:
            size = len(gzip.compress(file.read(), 9))
        if dest == 'image':
            own[path] = own.get(path, 0) + size
        elif code != '304' and not (CONTENT_NAMED.search(path) and path in seen):
            sizes[path] = sizes.get(path, 0) + size
        seen.add(path)
    print(f'a first visit fetches {sum(sizes.values())} bytes gzipped: {sizes};'
          f' the browser\'s own icons besides: {own}')
    assert sum(sizes.values()) <= 61440, sizes
    if can(engine, 'install'):
        assert any(path.startswith('icon') for path, _, _ in fetched), \
            'the install offer\'s icon is among them'


def status(driver):
    wait_for(driver, "const s = document.getElementById('status');"
                     "return !!s && /could not|needs/.test(s.textContent)")
    return driver.execute_script("const s = document.getElementById('status');"
                                 "return s ? s.textContent : ''")


# Never a blank page: without its program file, or without WebAssembly, the page says why.
# Only Chromium runs a script of the test's before the page's own, to take WebAssembly away.
def test_without_its_program_file_the_page_says_so(browsers, site, tmp_path):
    shutil.copytree(site, tmp_path, dirs_exist_ok=True)
    for name in glob.glob(os.path.join(tmp_path, '*.wasm')) + [f'{tmp_path}/service-worker.js']:
        os.remove(name)
    server = SiteServer(str(tmp_path)).start()
    try:
        driver = browsers()
        driver.get(server.url)
        assert 'could not start' in status(driver)
    finally:
        server.stop()


def test_without_webassembly_the_page_says_so(engine, browsers, url):
    need(engine, 'devtools')
    driver = browsers()
    driver.execute_cdp_cmd('Page.addScriptToEvaluateOnNewDocument',
                           {'source': 'delete globalThis.WebAssembly'})
    driver.get(url)
    assert 'needs WebAssembly' in status(driver)
