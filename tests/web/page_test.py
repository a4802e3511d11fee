#!/usr/bin/python3
"""The calculator's page in headless Chromium, what only the page can tell: the fault's
dialog titled and giving the focus back, every stop in the document's tab order, the
accessible names, the longest results whole in their fields at each zoom, no error in
the console, the page working offline once its service worker is in, typing before the
program is there, start-up failures and a first visit's weight. The behaviours every
toolkit shares are tests/behaviours/window.txt's, run here by behaviour_test.py.
Usage: page_test.py SITE-FOLDER FORM-DESCRIPTION-TOOL [SCREENSHOT.png]"""

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

from chromium import browser, check, drawn_faces, form_description, started, verdict, wait_for
from site_server import SiteServer, poll
from suite_files import worked_example

INPUTS, RESULTS = worked_example()
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


def shows_worked_example(driver):
    return {name: value(driver, name) for name in RESULTS} == RESULTS


def press_on_button(driver, key):
    driver.execute_script("document.getElementById('Button1').focus()")
    ActionChains(driver).send_keys(key).perform()


def tab_stops(form):
    return [c['name'] for c in sorted((c for c in form['controls'] if c['tabOrder'] >= 0),
                                      key=lambda c: c['tabOrder'])]


# Each control named by the caption that names it, as the description pairs them.
def check_names(driver, form):
    captions = {c['focusControl']: c['caption'] for c in form['controls'] if c['focusControl']}
    for c in form['controls']:
        if c['class'] == 'Edit':
            caption = captions[c['name']]
            check(field(driver, c['name']).accessible_name == caption,
                  f"{c['name']} is named \"{caption}\"")
        elif c['class'] == 'Button':
            check(field(driver, c['name']).accessible_name == c['caption'],
                  f"{c['name']} is named \"{c['caption']}\"")


# Under the form, outside it, the page says how the two results decide a call, with the
# worked example as it really comes out: its inputs, its results to three places and
# their sum. Read in the document after the form, as a screen reader reads it, under a heading.
def check_guide(driver):
    order, heading, text = driver.execute_script(
        "const guide = document.querySelector('.guide');"
        "return [document.querySelector('.form').compareDocumentPosition(guide),"
        "        guide.querySelector('h2').textContent, guide.textContent]")
    check(order & 4 and heading, f'the guide to the results follows the form, headed "{heading}"')
    call, fold = (float(v) for v in RESULTS.values())
    figures = [*INPUTS.values(), f'{call:.3f}', f'{fold:.3f}', f'{call + fold:.3f}']
    numbers = re.findall(r'-?\d+(?:\.\d+)?', text)
    missing = [f for f in figures if f not in numbers]
    decision = 'so call' if call + fold > 0 else 'so fold'
    check(not missing and decision in text,
          f'the guide works the example through to its decision (missing: {missing})')


def test_page(driver, url, form):
    driver.get(url)
    check(started(driver), 'the form works')
    check(driver.title == form['caption'], f'the page is titled by the form: {driver.title}')
    check_names(driver, form)
    check_guide(driver)
    indices = driver.execute_script(
        "return [...document.querySelectorAll('[tabindex]')].map((e) => e.id + ' ' + e.tabIndex)")
    check(indices == [f'{name} 0' for name in tab_stops(form)],
          f'the tab order is the document\'s, every stop at tabindex 0: {indices}')

    fill(driver, {**INPUTS, 'KnownCardsEdit': '52'})
    press_on_button(driver, Keys.ENTER)
    dialog = driver.find_element(By.CSS_SELECTOR, 'dialog[open]')
    check(form['caption'] in dialog.text, f'the dialog is titled: {dialog.text!r}')
    ActionChains(driver).send_keys(Keys.ENTER).perform()
    check(driver.execute_script('return document.activeElement.id') == 'Button1',
          'the focus returns to the button once Enter closes the dialog')

    check_results_fit(driver, 'at 100 %')


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
    # system's or the page's own, never by the browser's default.
    for name in ['Label1', 'Button1', 'CallEvEdit']:
        faces = drawn_faces(driver, name)
        check(faces and faces <= {'Tahoma', 'Arial', 'Liberation Sans'},
              f'{name} is drawn in the designed face or its stand-in {scale}: {sorted(faces)}')


# The browser's zoom and the screen's density scale the page as a whole; hinting and
# rounding differ with the scale, so the longest results must fit at each one.
def test_scaled(site, shots):
    server = SiteServer(site).start()
    try:
        for scale in [1.25, 1.5, 2]:
            driver = browser(scale, DESKTOP)
            try:
                driver.get(server.url)
                started(driver)
                check_results_fit(driver, f'at {int(scale * 100)} %')
                if shots:
                    driver.execute_script("document.getElementById('FoldEvEdit').value ="
                                          "'-0.0000808510638297872';"
                                          "document.getElementById('CallEvEdit').value ="
                                          "'-4.94065645841247E-324'")
                    driver.save_screenshot(f'{shots}-x{scale}.png')
            finally:
                driver.quit()
    finally:
        server.stop()


def test_offline(driver, url, server):
    check(wait_for(driver, 'return !!navigator.serviceWorker.controller'),
          'the service worker controls the page')
    errors = driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})['installabilityErrors']
    check(not errors, f'Chromium can install it as an app: {errors}')
    wait_for(driver, "return caches.has && true")
    time.sleep(0.5)  # the worker's install has filled its cache by the time it controls
    server.stop()
    driver.get(url)
    check(started(driver), 'offline, the page starts from the cache')
    fill(driver, INPUTS)
    press_on_button(driver, Keys.SPACE)
    check(shows_worked_example(driver), 'offline, it computes')


# The form is in the page before the program is loaded: typing goes in, the arrows move
# from the button, and a press is answered once the program is there, with what the
# fields hold by then.
def test_using_the_form_before_the_program(site, form):
    server = SiteServer(site, wasm_delay=3).start()
    driver = browser(size=DESKTOP, wait_for_load=False)
    not_started = "return performance.getEntriesByName('vorn-interactive').length == 0"
    try:
        driver.get(server.url)
        wait_for(driver, "return !!document.getElementById('OutsEdit')")
        *first, (last, text) = INPUTS.items()
        fill(driver, dict(first))
        press_on_button(driver, Keys.ARROW_RIGHT)
        focused = driver.execute_script('return document.activeElement.id')
        check(focused == tab_stops(form)[1],
              f'the arrows move from the button before the program has loaded ({focused})')
        press_on_button(driver, Keys.SPACE)
        fill(driver, {last: text})
        check(driver.execute_script(not_started),
              'the fields take typing and the button a press before the program has loaded')
        check(wait_for(driver, "return performance.getEntriesByName('vorn-interactive').length"),
              'the program starts')
        check(poll(lambda: shows_worked_example(driver), 5),
              'the press before it started is answered with what the fields held by then')
    finally:
        driver.quit()
        server.stop()


# Everything a first visit fetches, gzipped as a host sends it: the page and all it loads,
# the worker's copies for offline use and the icon the browser fetches to offer
# installation, taken from the server's own record of what was asked for.
def test_first_visit_weight(site):
    with tempfile.TemporaryDirectory() as work:
        log = os.path.join(work, 'requests')
        server = SiteServer(site, requests=log).start()
        driver = browser(size=DESKTOP)
        try:
            driver.get(server.url)
            wait_for(driver, 'return !!navigator.serviceWorker.controller')
            driver.execute_cdp_cmd('Page.getInstallabilityErrors', {})
            time.sleep(1)  # the icon's fetch is the browser's own, unseen by the page
        finally:
            driver.quit()
            server.stop()
        # A file built moments ago is stale at once to the browser's cache, which then
        # asks again and is told it has not changed (304): no body, so no weight.
        with open(log) as requests:
            paths = [line.split()[0].split('?')[0].lstrip('/') or 'index.html'
                     for line in requests if line.split()[1] != '304']
    sizes = {}
    for path in paths:
        with open(os.path.join(site, path), 'rb') as file:
            sizes[path] = sizes.get(path, 0) + len(gzip.compress(file.read(), 9))
    weight = sum(sizes.values())
    check(weight <= 61440, f'a first visit fetches {weight} bytes gzipped, at most 61,440: {sizes}')
    check(any(path.startswith('icon') for path in paths),
          f'the install offer\'s icon is among them: {sorted(sizes)}')


def status(driver):
    wait_for(driver, "const s = document.getElementById('status');"
                     "return !!s && /could not|needs/.test(s.textContent)")
    return driver.execute_script("const s = document.getElementById('status');"
                                 "return s ? s.textContent : ''")


def start_up_sentence(site, setup=lambda driver: None):
    server = SiteServer(site).start()
    driver = browser()
    try:
        setup(driver)
        driver.get(server.url)
        return status(driver)
    finally:
        driver.quit()
        server.stop()


# Never a blank page: without its program file, or without WebAssembly, the page says why.
def test_start_up_failures(site):
    with tempfile.TemporaryDirectory() as copy:
        shutil.copytree(site, copy, dirs_exist_ok=True)
        for name in glob.glob(os.path.join(copy, '*.wasm')) + [f'{copy}/service-worker.js']:
            os.remove(name)
        text = start_up_sentence(copy)
        check('could not start' in text, f'without its program file the page says: {text!r}')
    text = start_up_sentence(site, lambda driver: driver.execute_cdp_cmd(
        'Page.addScriptToEvaluateOnNewDocument', {'source': 'delete globalThis.WebAssembly'}))
    check('needs WebAssembly' in text, f'without WebAssembly the page says: {text!r}')


def main():
    site, form = sys.argv[1], form_description(sys.argv[2])
    shot = sys.argv[3] if len(sys.argv) > 3 else None
    server = SiteServer(site).start()
    driver = browser(size=DESKTOP)
    try:
        test_page(driver, server.url, form)
        if shot:
            fill(driver, INPUTS)
            press_on_button(driver, Keys.SPACE)
            driver.save_screenshot(shot)
        errors = [entry['message'] for entry in driver.get_log('browser')
                  if entry['level'] == 'SEVERE']
        check(not errors, f'no error in the console (nor a refusal by the page\'s policy): {errors}')
        elsewhere = driver.execute_script(
            "return performance.getEntriesByType('resource').map((r) => r.name)"
            '.filter((name) => !name.startsWith(location.origin))')
        check(not elsewhere, f'nothing is loaded from elsewhere: {elsewhere}')
        test_offline(driver, server.url, server)
    finally:
        driver.quit()
        server.stop()
    test_start_up_failures(site)
    test_first_visit_weight(site)
    test_using_the_form_before_the_program(site, form)
    test_scaled(site, shot[:-len('.png')] if shot else None)
    return verdict()


if __name__ == '__main__':
    sys.exit(main())
