#!/usr/bin/python3
"""The page's layout and colours in headless Chromium. On emulated phones (mobile metrics,
touch): one column in the form's reading order, nothing off-screen or panning sideways,
thumb-sized controls with text the browser does not zoom into, the worked example tapped
in, the longest results whole and the fault's dialog inside the screen. On a desktop
screen: every control at its designed place. Dark mode and forced colours, and axe-core's
WCAG 2.x A and AA rules. Expected values come from the form description; screenshots of
each go into the folder given.
Usage: layout_test.py SITE-FOLDER FORM-DESCRIPTION-TOOL AXE.JS SCREENSHOT-FOLDER"""

import os
import sys

from selenium.webdriver.common.by import By

from chromium import browser, check, emulate, form_description, started, tap, verdict
from page_test import LONGEST, check_results_fit
from site_server import SiteServer
from suite_files import worked_example

PHONES = [(320, 568, 2), (360, 640, 3), (412, 915, 2.625)]
INPUTS, RESULTS = worked_example()
# The design's own red on its own button face, kept as designed (3.5:1); nothing else.
ACCEPTED = {('color-contrast', '#Label6')}

RECTS = ("return Object.fromEntries([...document.querySelectorAll('.client > *')].map((e) => {"
         '  const r = e.getBoundingClientRect(), s = getComputedStyle(e);'
         '  return [e.id, {left: r.left, top: r.top, right: r.right, bottom: r.bottom,'
         '                 width: r.width, height: r.height, size: parseFloat(s.fontSize)}];'
         '}))')


def phone_order(form):
    """The rows as the eye reads them: the hint, each caption with its field below, from
    the top, and the button. Taken from the captions' places and the fields they name."""
    controls = form['controls']
    labels = sorted((c for c in controls if c['class'] == 'Label'), key=lambda c: c['top'])
    fields = {c['name'] for c in controls if c['class'] == 'Edit'}
    order = []
    for label in labels:
        order.append(label['name'])
        if label['focusControl'] in fields:
            order.append(label['focusControl'])
    return order + [c['name'] for c in controls if c['class'] == 'Button']


def test_phone(url, form, phone, shots):
    width, height, density = phone
    what = f'at {width}x{height}'
    driver = browser(phone=phone)
    try:
        driver.get(url)
        check(started(driver), f'{what} the form appears')
        zoom = driver.execute_script('return [visualViewport.scale, innerWidth]')
        check(zoom == [1, width], f'{what} the page opens unzoomed, as wide as the screen: {zoom}')
        viewport = driver.execute_script(
            "return document.querySelector('meta[name=viewport]').content")
        check('user-scalable' not in viewport and 'maximum-scale' not in viewport,
              f'{what} the page can be pinch-zoomed: {viewport}')
        rects = driver.execute_script(RECTS)
        order = sorted(rects, key=lambda name: rects[name]['top'])
        check(order == phone_order(form), f'{what} one column in reading order: {order}')
        check(all(rects[a]['bottom'] <= rects[b]['top'] for a, b in zip(order, order[1:])),
              f'{what} no control overlaps the next')
        outside = [n for n, r in rects.items() if r['left'] < 0 or r['right'] > width]
        check(not outside, f'{what} every control inside the screen\'s width: {outside}')
        pan = driver.execute_script('return document.documentElement.scrollWidth')
        check(pan <= width, f'{what} no sideways panning ({pan} px of page)')
        for c in form['controls']:
            if c['class'] != 'Label':
                r = rects[c['name']]
                check(r['height'] >= 44 and r['size'] >= 16,
                      f"{what} {c['name']} is {r['height']:.0f} px tall, its text {r['size']} px")

        for name, text in INPUTS.items():
            element = driver.find_element(By.ID, name)
            tap(driver, element)
            driver.execute_cdp_cmd('Input.insertText', {'text': text})
        tap(driver, driver.find_element(By.ID, 'Button1'))
        results = driver.execute_script('return Object.fromEntries(arguments[0].map('
                                        '(id) => [id, document.getElementById(id).value]))',
                                        list(RESULTS))
        check(results == RESULTS, f'{what} the worked example, tapped in: {results}')
        driver.save_screenshot(os.path.join(shots, f'phone-{width}x{height}.png'))

        check_results_fit(driver, what)
        driver.execute_script("arguments[0].value = '52'", driver.find_element(By.ID, 'KnownCardsEdit'))
        tap(driver, driver.find_element(By.ID, 'Button1'))
        box = driver.execute_script("const d = document.querySelector('dialog[open]');"
                                    'if (!d) return null; const r = d.getBoundingClientRect();'
                                    'return [r.left, r.top, r.right, r.bottom]')
        check(box is not None and box[0] >= 0 and box[1] >= 0 and box[2] <= width
              and box[3] <= height, f'{what} the fault\'s dialog is inside the screen: {box}')
        driver.save_screenshot(os.path.join(shots, f'phone-{width}x{height}-fault.png'))
    finally:
        driver.quit()


def test_desktop(url, form, shots):
    driver = browser(size=(1280, 800))
    try:
        driver.get(url)
        check(started(driver), 'on a desktop screen the form appears')
        client = driver.execute_script(
            "const r = document.querySelector('.client').getBoundingClientRect();"
            'return [r.left, r.top, r.width, r.height]')
        check(client[2:] == [form['clientWidth'], form['clientHeight']],
              f'the form is {client[2]:.0f}x{client[3]:.0f} px, as designed')
        rects = driver.execute_script(RECTS)
        for c in form['controls']:
            r = rects[c['name']]
            placed = [r['left'] - client[0], r['top'] - client[1], r['width'], r['height']]
            designed = [c['left'], c['top'], c['width'], c['height']]
            # A caption grows to its text where the face needs more room, and only then.
            grown = c['class'] == 'Label' and placed[:2] == designed[:2] and all(
                p >= d for p, d in zip(placed[2:], designed[2:]))
            check(placed == designed or grown, f"{c['name']} at {placed}, as designed")
        middle = client[0] + client[2] / 2
        check(abs(middle - 640) <= 1, f'the form stands in the middle of the page ({middle})')
        for name, text in zip(['CallEvEdit', 'FoldEvEdit'], LONGEST):
            driver.execute_script('arguments[0].value = arguments[1]',
                                  driver.find_element(By.ID, name), text)
        driver.save_screenshot(os.path.join(shots, 'desktop-1280x800.png'))
    finally:
        driver.quit()


# A computed colour as rgb(R, G, B[, A]) in 0-255, or as color(srgb R G B[ / A]) in 0-1,
# which is how engines give a mixed one.
def luminance(colour):
    inside = colour[colour.index('(') + 1:colour.index(')')]
    if inside.startswith('srgb '):
        channels = [float(c) for c in inside.split('/')[0].split()[1:4]]
    else:
        channels = [int(c) / 255 for c in inside.split(',')[:3]]
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4 for c in channels]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    high, low = sorted([luminance(a), luminance(b)], reverse=True)
    return (high + 0.05) / (low + 0.05)


COLOURS = ("const s = (id) => getComputedStyle(document.getElementById(id));"
           "const face = getComputedStyle(document.querySelector('.form')).backgroundColor;"
           "return {face, caption: s('Label1').color, hint: s('Label6').color,"
           "        field: s('MoneyToCallEdit').backgroundColor, text: s('MoneyToCallEdit').color,"
           "        button: s('Button1').backgroundColor, buttonText: s('Button1').color}")


# Dark as the browser is, or in the user's forced palette; every text readable on its
# ground, and the hint red (but where a forced palette replaces it).
def test_colours(url, shots):
    for name, features, phone in [('dark', {'prefers_color_scheme': 'dark'}, None),
                                  ('dark-phone', {'prefers_color_scheme': 'dark'}, PHONES[1]),
                                  ('forced', {'forced_colors': 'active'}, None)]:
        driver = browser(size=(1280, 800), phone=phone)
        try:
            emulate(driver, **features)
            driver.get(url)
            started(driver)
            c = driver.execute_script(COLOURS)
            if name.startswith('dark'):
                check(luminance(c['face']) < 0.1 and luminance(c['field']) < 0.1,
                      f'{name}: the form and its fields are dark ({c["face"]}, {c["field"]})')
                check(c['hint'] == 'rgb(255, 0, 0)', f'{name}: the hint stays red ({c["hint"]})')
                check(contrast(c['hint'], c['face']) >= 4.5,
                      f'{name}: the red hint is readable ({contrast(c["hint"], c["face"]):.1f}:1)')
            for text, ground in [('caption', 'face'), ('text', 'field'), ('buttonText', 'button')]:
                ratio = contrast(c[text], c[ground])
                check(ratio >= 4.5, f'{name}: {text} on {ground} at {ratio:.1f}:1')
            driver.execute_script("document.getElementById('FoldEvEdit').value = arguments[0]",
                                  LONGEST[0])
            driver.save_screenshot(os.path.join(shots, f'{name}.png'))
        finally:
            driver.quit()


# What an iPhone's home screen and Safari take from the page, which iOS alone can show and
# which is read here from the page as served: the name under the icon, a status bar that
# follows the light or dark scheme, controls inside a notched screen's safe area, and a
# button that presses at the tap.
IPHONE = ("const meta = (name) => [...document.querySelectorAll(`meta[name=${name}]`)]"
          "  .map((m) => [m.content, m.media]);"
          "const body = [...document.styleSheets].flatMap((s) => [...s.cssRules])"
          "  .find((r) => r.selectorText == 'body');"
          "const button = getComputedStyle(document.getElementById('Button1'));"
          "return fetch('manifest.webmanifest').then((r) => r.json()).then((m) => ({"
          "  title: meta('apple-mobile-web-app-title')[0][0], shortName: m.short_name,"
          "  bar: meta('apple-mobile-web-app-status-bar-style').map((b) => b[0]),"
          "  themes: meta('theme-color').map((t) => t[1]).sort(),"
          "  viewport: meta('viewport')[0][0], padding: body && body.style.padding,"
          "  touch: button.touchAction, flash: button.webkitTapHighlightColor}))")


def test_iphone(url):
    driver = browser(phone=PHONES[0])
    try:
        driver.get(url)
        started(driver)
        page = driver.execute_script(IPHONE)
        inset = ' '.join(f'env(safe-area-inset-{side})' for side in
                         ['top', 'right', 'bottom', 'left'])
        for what, holds in [
                ('the home screen names it by its short name', page['title'] == page['shortName']),
                ('the status bar keeps the page below it, coloured as the scheme asks',
                 page['bar'] == ['default'] and page['themes'] == [
                     '(prefers-color-scheme: dark)', '(prefers-color-scheme: light)']),
                ('the page covers a notched screen, its controls padded into the safe area',
                 'viewport-fit=cover' in page['viewport'] and ' '.join(page['padding'].split()) == inset),
                ('a tap presses the button at once, with no grey flash',
                 page['touch'] == 'manipulation' and page['flash'] == 'rgba(0, 0, 0, 0)')]:
            check(holds, f'iPhone: {what}: {page}')
    finally:
        driver.quit()


def test_axe(url, axe):
    with open(axe) as source:
        script = source.read()
    for name, phone, features in [('desktop', None, {}), ('phone', PHONES[0], {}),
                                  ('dark', None, {'prefers_color_scheme': 'dark'})]:
        driver = browser(size=(1280, 800), phone=phone)
        try:
            emulate(driver, **features)
            driver.get(url)
            started(driver)
            driver.execute_script(script)
            found = driver.execute_async_script(
                'const done = arguments[arguments.length - 1];'
                "axe.run(document, {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa',"
                "  'wcag21a', 'wcag21aa', 'wcag22aa']}})"
                '.then((r) => done(r.violations.flatMap((v) => v.nodes.map('
                '  (n) => [v.id, n.target.join(" ")]))), (e) => done([["error", String(e)]]))')
            left = [v for v in found if tuple(v) not in ACCEPTED]
            check(not left, f'axe-core finds no WCAG A or AA violation ({name}): {left}')
        finally:
            driver.quit()


def main():
    site, tool, axe, shots = sys.argv[1:5]
    os.makedirs(shots, exist_ok=True)
    form = form_description(tool)
    server = SiteServer(site).start()
    try:
        for phone in PHONES:
            test_phone(server.url, form, phone, shots)
        test_desktop(server.url, form, shots)
        test_colours(server.url, shots)
        test_iphone(server.url)
        test_axe(server.url, axe)
    finally:
        server.stop()
    return verdict()


if __name__ == '__main__':
    sys.exit(main())
