"""The page on phones: one column in the form's reading order, nothing off-screen or
panning sideways, thumb-sized controls with text the browser does not zoom into, the
worked example tapped in, the longest results whole, the fault's dialog inside the
screen, and what an iPhone takes from the page. Expected values come from the form
description; screenshots go into the folder given, named after the engine.
Chromium emulates each phone (metrics, density, touch, the viewport meta). Firefox's and
WebKitGTK's windows do none of that, and WebKitGTK's will not narrow below about 450 px:
there the page stands in a same-origin frame of the phone's size and is driven inside it,
with clicks for taps. What that leaves untested in them: the viewport meta's effect
(zoom, the layout viewport), the screen's density and touch events."""

import base64
import os

import pytest
from selenium.webdriver.common.by import By

import behaviour_test
from browsers import (can, emulate, insert_text, need, open_phone, painted, phone_browser,
                      started, tap)

PHONES = [(320, 568, 2), (360, 640, 3), (412, 915, 2.625)]
RECTS = ("return Object.fromEntries([...document.querySelectorAll('.client > *')].map((e) => {"
         '  const r = e.getBoundingClientRect(), s = getComputedStyle(e);'
         '  return [e.id, {left: r.left, top: r.top, right: r.right, bottom: r.bottom,'
         '                 width: r.width, height: r.height, size: parseFloat(s.fontSize)}];'
         '}))')


@pytest.fixture(scope='module', params=PHONES, ids=lambda phone: f'{phone[0]}x{phone[1]}')
def phone(engine, request):
    driver = phone_browser(engine, request.param)
    driver.phone = request.param
    yield driver
    driver.quit()


@pytest.fixture
def visit(phone, url):
    """The page, afresh, on the phone."""
    def visit_page():
        open_phone(phone, url, phone.phone)
        assert started(phone), 'the form appears'
    visit_page()
    return visit_page


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
    painted(driver)
    if can(driver.engine, 'devtools'):
        driver.save_screenshot(path)
        return
    driver.switch_to.default_content()
    picture = driver.execute_async_script(CROP, driver.get_screenshot_as_base64())
    with open(path, 'wb') as file:
        file.write(base64.b64decode(picture))
    driver.switch_to.frame(driver.find_element(By.TAG_NAME, 'iframe'))


def test_opens_unzoomed_and_can_be_pinch_zoomed(phone, visit):
    assert phone.execute_script('return [visualViewport.scale, innerWidth]') == [1, phone.phone[0]]
    viewport = phone.execute_script("return document.querySelector('meta[name=viewport]').content")
    assert 'user-scalable' not in viewport and 'maximum-scale' not in viewport


def test_one_column_in_reading_order_inside_the_screen(phone, visit, form):
    width = phone.phone[0]
    rects = phone.execute_script(RECTS)
    order = sorted(rects, key=lambda name: rects[name]['top'])
    assert order == form['readingOrder']
    assert all(rects[a]['bottom'] <= rects[b]['top'] for a, b in zip(order, order[1:])), \
        'no control overlaps the next'
    assert [n for n, r in rects.items() if r['left'] < 0 or r['right'] > width] == []
    assert phone.execute_script('return document.documentElement.scrollWidth') <= width, \
        'no sideways panning'


def test_controls_are_thumb_sized_with_unzoomed_text(phone, visit, form):
    rects = phone.execute_script(RECTS)
    small = {c['name']: rects[c['name']] for c in form['controls'] if c['class'] != 'Label'
             and (rects[c['name']]['height'] < 44 or rects[c['name']]['size'] < 16)}
    assert small == {}, 'each at least 44 px tall, its text at least 16 px'


def test_worked_example_tapped_in(engine, phone, visit, example, shots):
    inputs, expected = example[:2]
    for name, text in inputs.items():
        tap(phone, phone.find_element(By.ID, name))
        insert_text(phone, text)
    tap(phone, phone.find_element(By.ID, 'Button1'))
    results = phone.execute_script('return Object.fromEntries(arguments[0].map('
                                   '(id) => [id, document.getElementById(id).value]))',
                                   list(expected))
    assert results == expected
    screenshot(phone, os.path.join(shots, f'{engine}-phone-{phone.phone[0]}x{phone.phone[1]}.png'))


def test_longest_results_whole(phone, visit, form, example, suite):
    for behaviour in suite['behaviours']:
        if behaviour['name'].endswith('Whole'):
            behaviour_test.run(phone, visit, form, example, behaviour)


def test_fault_dialog_inside_the_screen(engine, phone, visit, shots):
    phone.execute_script("document.getElementById('KnownCardsEdit').value = '52'")
    tap(phone, phone.find_element(By.ID, 'Button1'))
    box = phone.execute_script("const d = document.querySelector('dialog[open]');"
                               'if (!d) return null; const r = d.getBoundingClientRect();'
                               'return [r.left, r.top, r.right, r.bottom]')
    width, height, _ = phone.phone
    assert box and box[0] >= 0 and box[1] >= 0 and box[2] <= width and box[3] <= height
    screenshot(phone, os.path.join(shots, f'{engine}-phone-{width}x{height}-fault.png'))


# What an iPhone's home screen and Safari take from the page, as the README promises it;
# iOS cannot run here, so it is read in the engines that know the tap highlight, as
# Safari's WebKit does (Chromium and WebKitGTK). The status bar has the page's own ground
# in the scheme the phone is in (light, and dark where Chromium emulates it).
SHORT_NAME = 'EV calculator'
IPHONE = """
const meta = (name) => [...document.querySelectorAll(`meta[name=${name}]`)];
const canvas = document.createElement('canvas').getContext('2d', {willReadFrequently: true});
const bytes = (colour) => {
  canvas.clearRect(0, 0, 1, 1); canvas.fillStyle = colour; canvas.fillRect(0, 0, 1, 1);
  return [...canvas.getImageData(0, 0, 1, 1).data];
};
const button = getComputedStyle(document.getElementById('Button1'));
return fetch('manifest.webmanifest').then((r) => r.json()).then((m) => ({
  names: [meta('apple-mobile-web-app-title')[0].content, m.short_name],
  bar: meta('apple-mobile-web-app-status-bar-style').map((b) => b.content),
  theme: bytes(meta('theme-color').find((t) => matchMedia(t.media).matches).content),
  ground: bytes(getComputedStyle(document.documentElement).backgroundColor),
  viewport: meta('viewport')[0].content,
  tap: [button.touchAction, button.webkitTapHighlightColor]}))
"""


def test_iphone_takes_its_name_status_bar_and_tap(engine, phone, visit):
    need(engine, 'tap highlight')
    page = phone.execute_script(IPHONE)
    assert page['names'] == [SHORT_NAME] * 2, 'the home screen names it by its short name'
    assert page['bar'] == ['default'], 'the status bar keeps the page below it'
    assert page['theme'] == page['ground'], 'the status bar has the page\'s colour'
    assert 'viewport-fit=cover' in page['viewport'], 'the page draws to a notched screen\'s edges'
    assert page['tap'] == ['manipulation', 'rgba(0, 0, 0, 0)'], 'a tap presses, with no flash'
    if can(engine, 'devtools'):
        emulate(phone, prefers_color_scheme='dark')
        dark = phone.execute_script(IPHONE)
        emulate(phone, prefers_color_scheme='light')
        assert dark['theme'] == dark['ground'], 'dark, the status bar has the page\'s colour'


# A notched screen's safe area, as Chromium emulates one: every control inside it.
def test_controls_inside_a_notched_screens_safe_area(engine, phone, visit):
    need(engine, 'devtools')
    insets = {'top': 47, 'right': 30, 'bottom': 34, 'left': 30}
    phone.execute_cdp_cmd('Emulation.setSafeAreaInsetsOverride', {'insets': insets})
    try:
        rects = phone.execute_script(RECTS)
        bottom = phone.execute_script('return document.documentElement.scrollHeight')
    finally:
        phone.execute_cdp_cmd('Emulation.setSafeAreaInsetsOverride',
                              {'insets': dict.fromkeys(insets, 0)})
    right = phone.phone[0] - insets['right']
    assert [n for n, r in rects.items() if r['left'] < insets['left'] or r['right'] > right
            or r['top'] < insets['top'] or r['bottom'] > bottom - insets['bottom']] == []
