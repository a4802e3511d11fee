#!/usr/bin/python3
"""The page's layout and colours in one engine. On phones: one column in the form's reading
order, nothing off-screen or panning sideways, thumb-sized controls with text the browser
does not zoom into, the worked example tapped in, the longest results whole and the
fault's dialog inside the screen. On a desktop screen: every control at its designed
place. Light, dark and forced colours, every text measured on its ground, and axe-core's
WCAG 2.x A and AA rules. Expected values come from the form description; screenshots of
each go into the folder given, named after the engine.
Chromium emulates each phone (metrics, density, touch, the viewport meta). Firefox's and
WebKitGTK's windows do none of that, and WebKitGTK's will not narrow below about 450 px:
there the page stands in a same-origin frame of the phone's size and is driven inside it,
with clicks for taps. What that leaves untested in them: the viewport meta's effect
(zoom, the layout viewport), the screen's density and touch events.
Usage: layout_test.py ENGINE SITE-FOLDER NATIVE-TOOLS-FOLDER AXE.JS SCREENSHOT-FOLDER"""

import base64
import contextlib
import os
import sys

from selenium.webdriver.common.by import By

from browsers import (ABILITIES, browser, can, check, insert_text, painted, started, tap,
                      verdict)
from native_tools import form_description, worked_example
from page_test import LONGEST, check_results_fit
from site_server import FRAME, SiteServer

PHONES = [(320, 568, 2), (360, 640, 3), (412, 915, 2.625)]
# The design's own red on its own button face, kept as designed (3.5:1); nothing else.
ACCEPTED = {('color-contrast', '#Label6')}
# The hint's red, the design's own, needs a large text's contrast; every other text a
# small one's.
HINT_CONTRAST, TEXT_CONTRAST = 3, 4.5

RECTS = ("return Object.fromEntries([...document.querySelectorAll('.client > *')].map((e) => {"
         '  const r = e.getBoundingClientRect(), s = getComputedStyle(e);'
         '  return [e.id, {left: r.left, top: r.top, right: r.right, bottom: r.bottom,'
         '                 width: r.width, height: r.height, size: parseFloat(s.fontSize)}];'
         '}))')


@contextlib.contextmanager
def phone_page(engine, url, phone, scheme='light'):
    """A browser showing the page at the phone's width, and its driver inside it."""
    width, height, _ = phone
    if 'devtools' in ABILITIES[engine]:
        driver = browser(engine, scheme=scheme, phone=phone)
        driver.get(url)
    else:
        driver = browser(engine, size=(1024, 960), scheme=scheme)
        driver.get(f'{url[:-1]}{FRAME}{width}x{height}')
        driver.switch_to.frame(driver.find_element(By.TAG_NAME, 'iframe'))
    try:
        yield driver
    finally:
        driver.quit()


# The window's picture cut to the frame's box, by a canvas of the host page (WebKitGTK
# draws a frame's own screenshot with its scrolled-out part black).
CROP = """
const done = arguments[arguments.length - 1], box = document.querySelector('iframe');
const image = new Image();
image.onload = () => {
  const canvas = document.createElement('canvas');
  canvas.width = box.width; canvas.height = box.height;
  canvas.getContext('2d').drawImage(image, -box.offsetLeft, -box.offsetTop);
  done(canvas.toDataURL('image/png').split(',')[1]);
};
image.src = 'data:image/png;base64,' + arguments[0];
"""


def screenshot(driver, path):
    """What the phone's screen shows: the viewport, or the frame that stands for it."""
    if can(driver, 'devtools'):
        save(driver, path)
        return
    painted(driver)
    driver.switch_to.default_content()
    picture = driver.execute_async_script(CROP, driver.get_screenshot_as_base64())
    with open(path, 'wb') as file:
        file.write(base64.b64decode(picture))
    driver.switch_to.frame(driver.find_element(By.TAG_NAME, 'iframe'))


def test_phone(engine, url, form, example, phone, shots):
    width, height, density = phone
    what = f'at {width}x{height}'
    inputs, expected = example
    with phone_page(engine, url, phone) as driver:
        check(started(driver), f'{what} the form appears')
        zoom = driver.execute_script('return [visualViewport.scale, innerWidth]')
        check(zoom == [1, width], f'{what} the page opens unzoomed, as wide as the screen: {zoom}')
        viewport = driver.execute_script(
            "return document.querySelector('meta[name=viewport]').content")
        check('user-scalable' not in viewport and 'maximum-scale' not in viewport,
              f'{what} the page can be pinch-zoomed: {viewport}')
        rects = driver.execute_script(RECTS)
        order = sorted(rects, key=lambda name: rects[name]['top'])
        check(order == form['readingOrder'], f'{what} one column in reading order: {order}')
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

        for name, text in inputs.items():
            tap(driver, driver.find_element(By.ID, name))
            insert_text(driver, text)
        tap(driver, driver.find_element(By.ID, 'Button1'))
        results = driver.execute_script('return Object.fromEntries(arguments[0].map('
                                        '(id) => [id, document.getElementById(id).value]))',
                                        list(expected))
        check(results == expected, f'{what} the worked example, tapped in: {results}')
        screenshot(driver, os.path.join(shots, f'{engine}-phone-{width}x{height}.png'))

        check_results_fit(driver, what)
        driver.execute_script("arguments[0].value = '52'",
                              driver.find_element(By.ID, 'KnownCardsEdit'))
        tap(driver, driver.find_element(By.ID, 'Button1'))
        box = driver.execute_script("const d = document.querySelector('dialog[open]');"
                                    'if (!d) return null; const r = d.getBoundingClientRect();'
                                    'return [r.left, r.top, r.right, r.bottom]')
        check(box is not None and box[0] >= 0 and box[1] >= 0 and box[2] <= width
              and box[3] <= height, f'{what} the fault\'s dialog is inside the screen: {box}')
        screenshot(driver, os.path.join(shots, f'{engine}-phone-{width}x{height}-fault.png'))


PLACES = ("return ['.client', '.caption'].map((s) => {"
          '  const r = document.querySelector(s).getBoundingClientRect();'
          '  return [r.left, r.top, r.width, r.height]; })')


def chromium_places(url):
    driver = browser('chromium', size=(1280, 800))
    try:
        driver.get(url)
        started(driver)
        return driver.execute_script(PLACES)
    finally:
        driver.quit()


# In a tab: the title bar across the top of the form, the client under it, and every
# control at its designed place, the form in the middle of the page, and where Chromium
# has it in a tab of the same size.
def test_desktop(engine, url, form, shots):
    reference = chromium_places(url) if engine != 'chromium' else None
    driver = browser(engine, size=(1280, 800))
    try:
        driver.get(url)
        check(started(driver), 'on a desktop screen the form appears')
        client, caption = driver.execute_script(PLACES)
        if reference:
            off = max(abs(a - b) for a, b in zip(client + caption, sum(reference, [])))
            check(off <= 3, f'the form and its title bar {client} {caption} stand within 3 px'
                            f' of where Chromium has them {reference} ({off:.1f} px)')
        check(client[2:] == [form['clientWidth'], form['clientHeight']],
              f'the form is {client[2]:.0f}x{client[3]:.0f} px, as designed')
        check(caption[0] == client[0] and caption[2] == client[2] and 0 < caption[3] <= 40
              and caption[1] + caption[3] <= client[1] <= caption[1] + caption[3] + 1,
              f'the title bar {caption} spans the form, right above its client {client}')
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
        save(driver, os.path.join(shots, f'{engine}-desktop-1280x800.png'))
    finally:
        driver.quit()


def luminance(rgb):
    linear = [c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
              for c in (channel / 255 for channel in rgb)]
    return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]


def contrast(a, b):
    high, low = sorted([luminance(a), luminance(b)], reverse=True)
    return (high + 0.05) / (low + 0.05)


# Each text's colour and its ground's as the engine computed and would draw them: every
# colour resolved by a canvas (so system colours, color-mix() and any notation come out
# as the same bytes), a translucent one laid on what is behind it, up to the first
# opaque ground.
COLOURS = """
const canvas = document.createElement('canvas').getContext('2d', {willReadFrequently: true});
const bytes = (colour) => {
  canvas.clearRect(0, 0, 1, 1); canvas.fillStyle = colour; canvas.fillRect(0, 0, 1, 1);
  const d = canvas.getImageData(0, 0, 1, 1).data; return [d[0], d[1], d[2], d[3] / 255];
};
const over = (top, below) => below.map((c, i) => top[i] * top[3] + c * (1 - top[3]));
const ground = (e) => {
  const layers = [];
  for (let n = e; n; n = n.parentElement) {
    const b = bytes(getComputedStyle(n).backgroundColor);
    if (b[3] > 0) layers.push(b);
    if (b[3] >= 1) break;
  }
  return layers.reverse().reduce((below, top) => over(top, below), [255, 255, 255]);
};
return Object.fromEntries(Object.entries(arguments[0]).map(([what, selector]) => {
  const e = document.querySelector(selector);
  if (!e) return [what, null];
  const g = ground(e);
  return [what, [over(bytes(getComputedStyle(e).color), g).map(Math.round),
                 g.map(Math.round)]];
}));
"""
DIALOG = {'dialog title': 'dialog[open] h1', 'dialog text': 'dialog[open] p',
          'dialog button': 'dialog[open] button'}


def texts(form):
    """Every text of the form by what it is, as the description has it: the title, each
    caption, the hint (the red one), each field and result, and the button."""
    def kind(c):
        if c['class'] == 'Label':
            return 'hint' if c['red'] else 'caption'
        return {'Edit': 'result' if c['readOnly'] else 'field', 'Button': 'button'}[c['class']]
    return {'title': '.caption',
            **{f"{kind(c)} {c['name']}": '#' + c['name'] for c in form['controls']}}


def schemes(engine):
    return ['light', 'dark'] + (['forced'] if 'forced' in ABILITIES[engine] else [])


# Light, dark as the browser is, or in the user's forced palette; on the desktop and on
# a phone: every text readable on its ground, the form's own texts and the fault's dialog,
# and the hint red (but where a forced palette replaces it).
def test_colours(engine, url, form, example, shots):
    for scheme in schemes(engine):
        for place in ['desktop', 'phone']:
            name = f'{scheme} {place}'
            with (phone_page(engine, url, PHONES[0], scheme) if place == 'phone'
                  else desktop_page(engine, url, scheme)) as driver:
                started(driver)
                for field, text in example[0].items():
                    driver.execute_script('document.getElementById(arguments[0]).value ='
                                          ' arguments[1]', field, text)
                driver.execute_script("document.getElementById('Button1').click()")
                colours = driver.execute_script(COLOURS, texts(form))
                if place == 'phone' or scheme != 'forced':
                    shot = f'{engine}-{scheme}' + ('-phone' if place == 'phone' else '')
                    (screenshot if place == 'phone' else save)(
                        driver, os.path.join(shots, shot + '.png'))
                driver.execute_script("document.getElementById('KnownCardsEdit').value = '52';"
                                      "document.getElementById('Button1').click()")
                colours.update(driver.execute_script(COLOURS, DIALOG))
            check_colours(name, scheme, colours)


def check_colours(name, scheme, colours):
    def grounds(kind):
        return [pair[1] for what, pair in colours.items() if pair and what.startswith(kind)]
    if scheme == 'dark':
        dark = grounds('caption') + grounds('field')
        check(all(luminance(g) < 0.1 for g in dark),
              f'{name}: the form and its fields are dark ({dark})')
    for what, pair in colours.items():
        if pair is None:
            check(False, f'{name}: there is a {what}')
            continue
        hint = what.startswith('hint')
        if hint and scheme != 'forced':
            check(pair[0] == [255, 0, 0], f'{name}: the {what} stays red ({pair[0]})')
        least = HINT_CONTRAST if hint else TEXT_CONTRAST
        ratio = contrast(*pair)
        check(ratio >= least, f'{name}: the {what}, {pair[0]} on {pair[1]}, at {ratio:.1f}:1'
                              f' (at least {least}:1)')


@contextlib.contextmanager
def desktop_page(engine, url, scheme='light'):
    driver = browser(engine, size=(1280, 800), scheme=scheme)
    try:
        driver.get(url)
        yield driver
    finally:
        driver.quit()


def save(driver, path):
    painted(driver)
    driver.save_screenshot(path)


# What an iPhone's home screen and Safari take from the page, which iOS alone can show and
# which is read here from the page as served: the name under the icon, a status bar that
# follows the light or dark scheme, controls inside a notched screen's safe area, and a
# button that presses at the tap. Read in the engines that know the tap highlight, as
# Safari's WebKit does (Chromium and WebKitGTK).
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


def test_iphone(engine, url):
    with phone_page(engine, url, PHONES[0]) as driver:
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
                 'viewport-fit=cover' in page['viewport']
                 and ' '.join(page['padding'].split()) == inset),
                ('a tap presses the button at once, with no grey flash',
                 page['touch'] == 'manipulation' and page['flash'] == 'rgba(0, 0, 0, 0)')]:
            check(holds, f'iPhone: {what}: {page}')


def test_axe(engine, url, axe):
    with open(axe) as source:
        script = source.read()
    for name, place, scheme in [('desktop', desktop_page, 'light'),
                                ('phone', lambda e, u, s: phone_page(e, u, PHONES[0], s),
                                 'light'),
                                ('dark', desktop_page, 'dark')]:
        with place(engine, url, scheme) as driver:
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


def run(engine, site, tools, axe, shots):
    os.makedirs(shots, exist_ok=True)
    form, example = form_description(tools), worked_example(tools)
    server = SiteServer(site).start()
    try:
        for phone in PHONES:
            test_phone(engine, server.url, form, example, phone, shots)
        test_desktop(engine, server.url, form, shots)
        test_colours(engine, server.url, form, example, shots)
        if 'tap highlight' in ABILITIES[engine]:
            test_iphone(engine, server.url)
        test_axe(engine, server.url, axe)
    finally:
        server.stop()


def main():
    run(*sys.argv[1:6])
    return verdict()


if __name__ == '__main__':
    sys.exit(main())
