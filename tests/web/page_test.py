#!/usr/bin/python3
"""The calculator's page in headless Chromium, driven as a user does: the worked example
typed and the button pressed with Space, a fault reported in one dialog that Enter
closes, the tab order, the accessible names, the longest results whole in their fields,
no error in the console, and the page working offline once its service worker is in.
Usage: page_test.py SITE-FOLDER [SCREENSHOT.png]"""

import glob
import gzip
import os
import shutil
import sys
import tempfile
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from chromium import browser, check, drawn_faces, started, verdict, wait_for
from site_server import SiteServer

FIELDS = {'MoneyToCallEdit': 'Money to call:', 'WinningsEdit': 'Money to win after your call:',
          'KnownCardsEdit': 'Amount of known cards:', 'OutsEdit': 'Your outs:',
          'CallEvEdit': 'Call EV:', 'FoldEvEdit': 'Fold EV:'}
TAB_ORDER = ['MoneyToCallEdit', 'WinningsEdit', 'KnownCardsEdit', 'OutsEdit', 'CallEvEdit',
             'FoldEvEdit']
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
    for name, text in zip(TAB_ORDER, texts):
        element = field(driver, name)
        element.clear()
        element.send_keys(text)


def press_on_button(driver, key):
    driver.execute_script("document.getElementById('Button1').focus()")
    ActionChains(driver).send_keys(key).perform()


def open_dialogs(driver):
    return driver.execute_script("return document.querySelectorAll('dialog[open]').length")


def test_page(driver, url):
    driver.get(url)
    check(started(driver), 'the form works')
    check(driver.title == 'Vorn EV calculator', f'the page is titled by the form: {driver.title}')
    for name, caption in FIELDS.items():
        check(field(driver, name).accessible_name == caption, f'{name} is named "{caption}"')
    check(field(driver, 'Button1').accessible_name == 'Calculated', 'the button is named')

    driver.execute_script("document.getElementById('Button1').focus()")
    visited = []
    for _ in TAB_ORDER:
        ActionChains(driver).send_keys(Keys.TAB).perform()
        visited.append(driver.execute_script('return document.activeElement.id'))
    check(visited == TAB_ORDER, f'Tab goes from the button through the fields: {visited}')
    indices = driver.execute_script(
        "return [...document.querySelectorAll('[tabindex]')].map((e) => e.id + ' ' + e.tabIndex)")
    check(indices == [f'{name} 0' for name in ['Button1'] + TAB_ORDER],
          f'the tab order is the document\'s, every stop at tabindex 0: {indices}')

    fill(driver, ['10', '30', '5', '9'])
    press_on_button(driver, Keys.SPACE)
    results = [value(driver, 'CallEvEdit'), value(driver, 'FoldEvEdit')]
    check(results == ['5.74468085106383', '-8.08510638297872'],
          f'Space on the button computes the worked example: {results}')
    check(field(driver, 'CallEvEdit').get_attribute('readonly') is not None,
          'the results are read-only')

    fill(driver, ['10', '30', '52', '9'])
    press_on_button(driver, Keys.ENTER)
    check(open_dialogs(driver) == 1, 'a fault opens exactly one dialog')
    dialog = driver.find_element(By.CSS_SELECTOR, 'dialog[open]')
    check('Vorn EV calculator' in dialog.text, f'the dialog is titled: {dialog.text!r}')
    ActionChains(driver).send_keys(Keys.ENTER).perform()
    check(open_dialogs(driver) == 0, 'Enter closes the dialog')
    check(driver.execute_script('return document.activeElement.id') == 'Button1',
          'the focus returns to the button')
    results = [value(driver, 'CallEvEdit'), value(driver, 'FoldEvEdit')]
    check(results == ['5.74468085106383', '-8.08510638297872'],
          f'the earlier results stay after the fault: {results}')

    check_results_fit(driver, 'at 100 %')
    test_arrows(driver)
    test_leaving_a_field(driver)


def focus_after_arrow(driver, key):
    driver.execute_script("document.getElementById('Button1').focus()")
    ActionChains(driver).send_keys(key).perform()
    return driver.execute_script('const e = document.activeElement;'
                                 'return [e.id, e.selectionStart, e.selectionEnd]')


# As on the desktop: the arrows move from the button to the neighbouring stop, the
# field's text selected as Tab selects it; inside a field they move the caret.
def test_arrows(driver):
    fill(driver, ['10', '30', '5', '9'])
    shown = len(value(driver, 'FoldEvEdit'))
    for key, expected in [(Keys.ARROW_LEFT, ['FoldEvEdit', 0, shown]),
                          (Keys.ARROW_UP, ['FoldEvEdit', 0, shown]),
                          (Keys.ARROW_DOWN, ['MoneyToCallEdit', 0, 2]),
                          (Keys.ARROW_RIGHT, ['MoneyToCallEdit', 0, 2])]:
        moved = focus_after_arrow(driver, key)
        check(moved == expected, f'{key!r} from the button goes to {expected}: {moved}')
    ActionChains(driver).send_keys(Keys.ARROW_RIGHT).perform()
    inside = driver.execute_script('const e = document.activeElement;'
                                   'return [e.id, e.selectionStart, e.selectionEnd]')
    check(inside == ['MoneyToCallEdit', 2, 2], f'inside a field an arrow moves the caret: {inside}')


# A field left for another control shows its start, so that a long result's sign is in
# view. (Chromium does so by itself; Firefox, tested too, needs the page to.)
def test_leaving_a_field(driver):
    fill(driver, ['-' + '8' * 60])
    wait_for(driver, "return document.getElementById('MoneyToCallEdit').scrollLeft > 0", 2)
    start = driver.execute_script("return document.getElementById('MoneyToCallEdit').scrollLeft")
    ActionChains(driver).send_keys(Keys.TAB).perform()
    left = driver.execute_script("return document.getElementById('MoneyToCallEdit').scrollLeft")
    check(start > 0 and left == 0,
          f'a field scrolled by {start} px and left with Tab shows its start ({left} px)')


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
    fill(driver, ['10', '30', '5', '9'])
    press_on_button(driver, Keys.SPACE)
    check(value(driver, 'CallEvEdit') == '5.74468085106383', 'offline, it computes')


# The form is in the page before the program is loaded: typing goes in, and the program,
# once there, reads it.
def test_typing_before_the_program(site):
    server = SiteServer(site, wasm_delay=3).start()
    driver = browser(size=DESKTOP, wait_for_load=False)
    try:
        driver.get(server.url)
        wait_for(driver, "return !!document.getElementById('OutsEdit')")
        fill(driver, ['10', '30', '5', '9'])
        early = driver.execute_script(
            "return performance.getEntriesByName('vorn-interactive').length == 0")
        check(early, 'the fields take typing before the program has loaded')
        check(wait_for(driver, "return performance.getEntriesByName('vorn-interactive').length"),
              'the program starts')
        press_on_button(driver, Keys.SPACE)
        results = [value(driver, 'CallEvEdit'), value(driver, 'FoldEvEdit')]
        check(results == ['5.74468085106383', '-8.08510638297872'],
              f'what was typed before it started is computed: {results}')
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
        with open(log) as requests:
            paths = [line.split()[0].split('?')[0].lstrip('/') or 'index.html'
                     for line in requests]
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
    site = sys.argv[1]
    server = SiteServer(site).start()
    driver = browser(size=DESKTOP)
    try:
        test_page(driver, server.url)
        if len(sys.argv) > 2:
            fill(driver, ['10', '30', '5', '9'])
            press_on_button(driver, Keys.SPACE)
            driver.save_screenshot(sys.argv[2])
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
    test_typing_before_the_program(site)
    test_scaled(site, sys.argv[2][:-len('.png')] if len(sys.argv) > 2 else None)
    return verdict()


if __name__ == '__main__':
    sys.exit(main())
