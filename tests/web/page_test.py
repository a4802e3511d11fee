#!/usr/bin/python3
"""The calculator's page in one engine, what only the page can tell: the fault's dialog
titled and giving the focus back, every stop in the document's tab order, the accessible
names, the longest results whole in their fields at each zoom, a field left for another
control or with the window, nothing loaded from elsewhere, the page working offline once
its service worker is in, typing before the program is there, start-up failures and a
first visit's weight. The behaviours every toolkit shares are tests/behaviours/window.txt's,
run by behaviour_test.py. Where a check needs what only Chromium's DevTools give (the
console, the faces drawn, a page without WebAssembly, the install offer) or a device scale
(Chromium, Firefox), the other engines leave it out.
Usage: page_test.py ENGINE SITE-FOLDER NATIVE-TOOLS-FOLDER [SCREENSHOT.png]"""

import glob
import gzip
import os
import re
import shutil
import sys
import tempfile
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browsers import (ABILITIES, browser, can, check, drawn_faces, painted, started, verdict,
                      wait_for)
from native_tools import form_description, worked_example

# A file that finish-site.js names by its content: vorn-ev-calculator.1e6b831407e3.js.
CONTENT_NAMED = re.compile(r'\.[0-9a-f]{12}\.')
from site_server import SiteServer, poll

# Wide enough for the form as designed even at twice the density.
DESKTOP = (1280, 800)
# The longest texts a result takes, and the same shapes with every digit an 8.
LONGEST = ['-0.0000808510638297872', '-4.94065645841247E-324', '-1.79769313486232E308',
           '-0.0000888888888888888', '-8.88888888888888E-308', '-888888888888888']

def field(driver, name):
    return driver.find_element(By.ID, name)


def value(driver, name):
    return field(driver, name).get_attribute('value')


def fill(driver, texts):
    """Each field's text, by name."""
    for name, text in texts.items():
        element = field(driver, name)
        element.clear()
        element.send_keys(text)


def shows(driver, results):
    return {name: value(driver, name) for name in results} == results


def press_on_button(driver, key):
    driver.execute_script("document.getElementById('Button1').focus()")
    ActionChains(driver).send_keys(key).perform()


# Each control named by the caption that names it, as the description pairs them.
def check_names(driver, form):
    captions = {c['focusControl']: c['caption'] for c in form['controls'] if c['focusControl']}
    for c in form['controls']:
        if c['class'] in ('Edit', 'Button'):
            caption = captions[c['name']] if c['class'] == 'Edit' else c['caption']
            name = field(driver, c['name']).accessible_name
            check(name == caption, f"{c['name']} is named \"{caption}\" ({name!r})")


# Under the form, outside it, the page says how the two results decide a call, with the
# worked example as it really comes out: its inputs, its results to three places and
# their sum. Read in the document after the form, as a screen reader reads it, under a heading.
def check_guide(driver, example):
    order, heading, text = driver.execute_script(
        "const guide = document.querySelector('.guide');"
        "return [document.querySelector('.form').compareDocumentPosition(guide),"
        "        guide.querySelector('h2').textContent, guide.textContent]")
    check(order & 4 and heading, f'the guide to the results follows the form, headed "{heading}"')
    inputs, results = example
    call, fold = (float(results[name]) for name in ['CallEvEdit', 'FoldEvEdit'])
    figures = [*inputs.values(), f'{call:.3f}', f'{fold:.3f}', f'{call + fold:.3f}']
    numbers = re.findall(r'-?\d+(?:\.\d+)?', text)
    missing = [f for f in figures if f not in numbers]
    decision = 'so call' if call + fold > 0 else 'so fold'
    check(not missing and decision in text,
          f'the guide works the example through to its decision (missing: {missing})')


def test_page(driver, url, form, example):
    driver.get(url)
    check(started(driver), 'the form works')
    check(driver.title == form['caption'], f'the page is titled by the form: {driver.title}')
    check_names(driver, form)
    check_guide(driver, example)
    indices = driver.execute_script(
        "return [...document.querySelectorAll('[tabindex]')].map((e) => e.id + ' ' + e.tabIndex)")
    check(indices == [f'{name} 0' for name in form['tabOrder']],
          f'the tab order is the document\'s, every stop at tabindex 0: {indices}')

    fill(driver, {**example[0], 'KnownCardsEdit': '52'})
    press_on_button(driver, Keys.ENTER)
    dialog = driver.find_element(By.CSS_SELECTOR, 'dialog[open]')
    check(form['caption'] in dialog.text, f'the dialog is titled: {dialog.text!r}')
    ActionChains(driver).send_keys(Keys.ENTER).perform()
    check(driver.execute_script('return document.activeElement.id') == 'Button1',
          'the focus returns to the button once Enter closes the dialog')

    check_results_fit(driver, 'at 100 %')
    check_leaving_a_field(driver)


# A field that must scroll has more to scroll than it shows; the text's own width, as the
# field's font measures it, is reported beside.
def check_results_fit(driver, scale):
    for text in LONGEST:
        for name in ['CallEvEdit', 'FoldEvEdit']:
            scroll, room, width = driver.execute_script(
                'const e = document.getElementById(arguments[0]); e.value = arguments[1];'
                "const c = document.createElement('canvas').getContext('2d');"
                'c.font = getComputedStyle(e).font;'
                'return [e.scrollWidth, e.clientWidth, c.measureText(e.value).width];', name, text)
            check(scroll <= room,
                  f'{text} fits {name} whole {scale} ({width:.1f} px of text, {room} px inside)')
    # A face the system lacks (Tahoma, Arial) is answered by the metric-compatible one, the
    # system's or the page's own, never by the browser's default. Only Chromium tells
    # which faces it drew with; elsewhere the widths above stand for it.
    if not can(driver, 'devtools'):
        return
    for name in ['Label1', 'Button1', 'CallEvEdit']:
        faces = drawn_faces(driver, name)
        check(faces and faces <= {'Tahoma', 'Arial', 'Liberation Sans'},
              f'{name} is drawn in the designed face or its stand-in {scale}: {sorted(faces)}')


# A field left for another control shows its start; left with the window it keeps its
# scroll. A headless window never loses the focus, so the page is told it has, and the
# field gets the blur event that leaving the window gives it; a real blur would have
# Chromium and WebKit scroll the field back by themselves.
def check_leaving_a_field(driver):
    for leave, kept in [("document.getElementById('WinningsEdit').focus()", False),
                        ("document.hasFocus = () => false; e.dispatchEvent(new FocusEvent('blur'));"
                         'delete document.hasFocus', True)]:
        driver.execute_script("const e = document.getElementById('MoneyToCallEdit');"
                              "e.value = '-' + '8'.repeat(60); e.focus();"
                              'e.setSelectionRange(61, 61)')
        wait_for(driver, "return document.getElementById('MoneyToCallEdit').scrollLeft > 0", 2)
        start, left = driver.execute_script(
            "const e = document.getElementById('MoneyToCallEdit'); const start = e.scrollLeft;"
            + leave + '; return [start, e.scrollLeft]')
        what = 'with the window keeps its scroll' if kept else 'for another shows its start'
        check(start > 0 and left == (start if kept else 0),
              f'a field scrolled by {start} px and left {what} ({left} px)')


# The browser's zoom and the screen's density scale the page as a whole; hinting and
# rounding differ with the scale, so the longest results must fit at each one.
def test_scaled(engine, site, shots):
    server = SiteServer(site).start()
    try:
        for scale in [1.25, 1.5, 2]:
            driver = browser(engine, size=DESKTOP, scale=scale)
            try:
                driver.get(server.url)
                started(driver)
                check_results_fit(driver, f'at {int(scale * 100)} %')
                if shots:
                    driver.execute_script("document.getElementById('FoldEvEdit').value ="
                                          "'-0.0000808510638297872';"
                                          "document.getElementById('CallEvEdit').value ="
                                          "'-4.94065645841247E-324'")
                    painted(driver)
                    driver.save_screenshot(f'{shots}-x{scale}.png')
            finally:
                driver.quit()
    finally:
        server.stop()


def test_offline(driver, url, server, example):
    check(wait_for(driver, 'return !!navigator.serviceWorker.controller'),
          'the service worker controls the page')
    if can(driver, 'install'):
        errors = driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
        check(not errors['installabilityErrors'], f'Chromium can install it as an app: {errors}')
    wait_for(driver, "return caches.has && true")
    time.sleep(0.5)  # the worker's install has filled its cache by the time it controls
    server.stop()
    driver.get(url)
    check(started(driver), 'offline, the page starts from the cache')
    fill(driver, example[0])
    press_on_button(driver, Keys.SPACE)
    check(shows(driver, example[1]), 'offline, it computes')


# The form is in the page before the program is loaded: typing goes in, the arrows move
# from the button, and a press is answered once the program is there, with what the
# fields hold by then.
def test_using_the_form_before_the_program(engine, site, form, example):
    server = SiteServer(site, wasm_delay=3).start()
    driver = browser(engine, size=DESKTOP, wait_for_load=False)
    not_started = "return performance.getEntriesByName('vorn-interactive').length == 0"
    try:
        driver.get(server.url)
        wait_for(driver, "return !!document.getElementById('OutsEdit')")
        *first, (last, text) = example[0].items()
        fill(driver, dict(first))
        press_on_button(driver, Keys.ARROW_RIGHT)
        focused = driver.execute_script('return document.activeElement.id')
        check(focused == form['tabOrder'][1],
              f'the arrows move from the button before the program has loaded ({focused})')
        press_on_button(driver, Keys.SPACE)
        fill(driver, {last: text})
        check(driver.execute_script(not_started),
              'the fields take typing and the button a press before the program has loaded')
        check(wait_for(driver, "return performance.getEntriesByName('vorn-interactive').length"),
              'the program starts')
        check(poll(lambda: shows(driver, example[1]), 5),
              'the press before it started is answered with what the fields held by then')
    finally:
        driver.quit()
        server.stop()


# Everything a first visit fetches, gzipped as a host sends it: the page and all it loads,
# the worker's copies for offline use and, in Chromium, the icon the browser fetches to
# offer installation, taken from the server's own record of what was asked for.
def test_first_visit_weight(engine, site):
    with tempfile.TemporaryDirectory() as work:
        log = os.path.join(work, 'requests')
        server = SiteServer(site, requests=log).start()
        driver = browser(engine, size=DESKTOP)
        try:
            driver.get(server.url)
            wait_for(driver, 'return !!navigator.serviceWorker.controller')
            offers = can(driver, 'install')
            if offers:
                driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
            time.sleep(1)  # the icon's fetch is the browser's own, unseen by the page
        finally:
            driver.quit()
            server.stop()
        with open(log) as requests:
            fetched = [(line.split()[0].split('?')[0].lstrip('/') or 'index.html',
                        *line.split()[1:]) for line in requests]
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
    weight = sum(sizes.values())
    paths = [path for path, _, _ in fetched]
    check(weight <= 61440, f'a first visit fetches {weight} bytes gzipped, at most 61,440: {sizes};'
                           f' the browser\'s own icons besides: {own}')
    if offers:
        check(any(path.startswith('icon') for path in paths),
              f'the install offer\'s icon is among them: {sorted(sizes)}')


def status(driver):
    wait_for(driver, "const s = document.getElementById('status');"
                     "return !!s && /could not|needs/.test(s.textContent)")
    return driver.execute_script("const s = document.getElementById('status');"
                                 "return s ? s.textContent : ''")


def start_up_sentence(engine, site, setup=lambda driver: None):
    server = SiteServer(site).start()
    driver = browser(engine)
    try:
        setup(driver)
        driver.get(server.url)
        return status(driver)
    finally:
        driver.quit()
        server.stop()


# Never a blank page: without its program file, or without WebAssembly, the page says why.
# Only Chromium runs a script of the test's before the page's own, to take WebAssembly away.
def test_start_up_failures(engine, site):
    with tempfile.TemporaryDirectory() as copy:
        shutil.copytree(site, copy, dirs_exist_ok=True)
        for name in glob.glob(os.path.join(copy, '*.wasm')) + [f'{copy}/service-worker.js']:
            os.remove(name)
        text = start_up_sentence(engine, copy)
        check('could not start' in text, f'without its program file the page says: {text!r}')
    if 'devtools' in ABILITIES[engine]:
        text = start_up_sentence(engine, site, lambda driver: driver.execute_cdp_cmd(
            'Page.addScriptToEvaluateOnNewDocument', {'source': 'delete globalThis.WebAssembly'}))
        check('needs WebAssembly' in text, f'without WebAssembly the page says: {text!r}')


def run(engine, site, tools, shot=None):
    form, example = form_description(tools), worked_example(tools)
    server = SiteServer(site).start()
    driver = browser(engine, size=DESKTOP)
    try:
        test_page(driver, server.url, form, example)
        if shot:
            fill(driver, example[0])
            press_on_button(driver, Keys.SPACE)
            painted(driver)
            driver.save_screenshot(shot)
        if can(driver, 'console'):
            errors = [entry['message'] for entry in driver.get_log('browser')
                      if entry['level'] == 'SEVERE']
            check(not errors,
                  f'no error in the console (nor a refusal by the page\'s policy): {errors}')
        elsewhere = driver.execute_script(
            "return performance.getEntriesByType('resource').map((r) => r.name)"
            '.filter((name) => !name.startsWith(location.origin))')
        check(not elsewhere, f'nothing is loaded from elsewhere: {elsewhere}')
        test_offline(driver, server.url, server, example)
    finally:
        driver.quit()
        server.stop()
    test_start_up_failures(engine, site)
    test_first_visit_weight(engine, site)
    test_using_the_form_before_the_program(engine, site, form, example)
    if 'scale' in ABILITIES[engine]:
        test_scaled(engine, site, shot[:-len('.png')] if shot else None)


def main():
    run(*sys.argv[1:5])
    return verdict()


if __name__ == '__main__':
    sys.exit(main())
