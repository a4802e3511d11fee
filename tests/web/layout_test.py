"""The page's layout and colours. On a desktop screen: every control at its designed place,
as the form description has it. Light, dark and forced colours, on the desktop and on a
phone, with the worked example in and with the fault's dialog open: axe-core's WCAG 2.x A
and AA rules, its colour contrast among them measuring every text on its ground. The one
exception is the hint, whose red is the design's own: it needs the 3:1 of large text
where every other text needs 4.5:1. Screenshots of each go into the folder given."""

import os

import pytest

from browsers import DESKTOP, need, open_phone, painted, started
from phone_test import PHONES, RECTS, screenshot

HINT = '#Label6'
# axe-core's WCAG 2 A and AA rules, each finding as [rule, target], and for each text its
# colour contrast as axe-core measured it, with the ground's luminance by its colour tools.
# A caption's line is a little lower than its face's glyphs, which axe-core takes for
# text that its ground does not cover: for the run each caption has its face's own line
# height, its colours as they are.
AXE = """
const done = arguments[arguments.length - 1];
const captions = [...document.querySelectorAll('.client > .label')];
captions.forEach((c) => { c.style.lineHeight = 'normal'; });
const luminance = (hex) => { const c = new axe.commons.color.Color(); c.parseString(hex);
                             return c.getRelativeLuminance(); };
axe.run(arguments[0], {runOnly: {type: 'tag', values: ['wcag2a', 'wcag2aa', 'wcag21a',
                                                       'wcag21aa', 'wcag22aa']}})
  .then((r) => ({
    found: r.violations.flatMap((v) => v.nodes.map((n) => [v.id, n.target.join(' ')])),
    contrast: Object.fromEntries(['passes', 'violations', 'incomplete'].flatMap((kind) =>
      r[kind].filter((v) => v.id == 'color-contrast').flatMap((v) => v.nodes.map((n) => {
        const d = n.any[0].data || {};
        const dark = !!d.bgColor && luminance(d.bgColor) < 0.1;
        return [n.target.join(' '), {kind, ratio: d.contrastRatio, text: d.fgColor,
                                     ground: d.bgColor, dark}];
      }))))}))
  .catch((e) => ({found: [['error', String(e)]], contrast: {}}))
  .then((report) => { captions.forEach((c) => { c.style.lineHeight = ''; }); done(report); });
"""
# The hint's text on its own ground, by axe-core's colour tools. Its line may wrap on a
# phone, leaving its trailing space outside its box, where axe-core's rule gives up.
HINT_CONTRAST = """
const color = axe.commons.color, hint = document.querySelector(arguments[0]);
axe.setup();
const ground = color.getOwnBackgroundColor(getComputedStyle(hint));
const text = color.getForegroundColor(hint, false, ground);
axe.teardown();
return {ratio: color.getContrast(ground, text), text: text.toHexString(),
        opaque: ground.alpha == 1};
"""


PLACES = ("return ['.client', '.caption'].map((s) => {"
          '  const r = document.querySelector(s).getBoundingClientRect();'
          '  return [r.left, r.top, r.width, r.height]; })')


def places(driver, url):
    driver.get(url)
    assert started(driver), 'on a desktop screen the form appears'
    return driver.execute_script(PLACES)


# In a tab: the title bar across the top of the form, the client under it, every control
# at its designed place, the form in the middle of the page, and where Chromium has it in
# a tab of the same size. The screenshot shows the longest results of window.txt.
def test_desktop_places_every_control_as_designed(engine, browsers, url, form, shots):
    driver = browsers()
    client, caption = places(driver, url)
    if engine != 'chromium':
        reference = places(browsers(of='chromium'), url)
        off = max(abs(a - b) for a, b in zip(client + caption, sum(reference, [])))
        assert off <= 3, f'the form and its title bar within 3 px of Chromium\'s {reference}'
    assert client[2:] == [form['clientWidth'], form['clientHeight']], 'the form\'s size'
    assert (caption[0] == client[0] and caption[2] == client[2] and 0 < caption[3] <= 40
            and caption[1] + caption[3] <= client[1] <= caption[1] + caption[3] + 1), \
        'the title bar spans the form, right above its client'
    rects = driver.execute_script(RECTS)
    for c in form['controls']:
        r = rects[c['name']]
        placed = [r['left'] - client[0], r['top'] - client[1], r['width'], r['height']]
        designed = [c['left'], c['top'], c['width'], c['height']]
        # A caption grows to its text where the face needs more room, and only then.
        grown = c['class'] == 'Label' and placed[:2] == designed[:2] and all(
            p >= d for p, d in zip(placed[2:], designed[2:]))
        assert placed == designed or grown, c['name']
    assert abs(client[0] + client[2] / 2 - DESKTOP[0] / 2) <= 1, 'the form in the middle'
    driver.execute_script("document.getElementById('CallEvEdit').value = '-1.91489361702128E-301';"
                          "document.getElementById('FoldEvEdit').value = '-0.0000808510638297872'")
    painted(driver)
    driver.save_screenshot(os.path.join(shots, f'{engine}-desktop-1280x800.png'))


def check_axe(driver, context, kind):
    report = driver.execute_async_script(AXE, context)
    assert report['found'] == [], f'axe-core\'s WCAG A and AA findings ({kind})'
    assert {t: c for t, c in report['contrast'].items() if c['kind'] != 'passes'} == {}, \
        f'every text readable on its ground ({kind})'
    return report['contrast']


# Light, dark as the browser is, or in the user's forced palette; on the desktop and on
# a phone: the form with the worked example in, then the fault's dialog over it. The hint
# stays red, but where a forced palette replaces it; dark, the form and its fields are.
@pytest.mark.parametrize('place', ['desktop', 'phone'])
@pytest.mark.parametrize('scheme', ['light', 'dark', 'forced'])
def test_colours_and_wcag(engine, browsers, url, form, example, axe, shots, scheme, place):
    if scheme == 'forced':
        need(engine, 'forced')
    phone = PHONES[0] if place == 'phone' else None
    driver = browsers(phone=phone, scheme=scheme)
    open_phone(driver, url, phone) if phone else driver.get(url)
    assert started(driver), 'the form appears'
    for field, text in example[0].items():
        driver.execute_script('document.getElementById(arguments[0]).value = arguments[1]',
                              field, text)
    driver.execute_script("document.getElementById('Button1').click()")
    shot = os.path.join(shots, f'{engine}-{scheme}' + ('-phone' if phone else '') + '.png')
    if phone:
        screenshot(driver, shot)
    else:
        painted(driver)
        driver.save_screenshot(shot)
    driver.execute_script(axe)
    texts = check_axe(driver, {'include': ['html'], 'exclude': [HINT]}, 'the form')
    hint = driver.execute_script(HINT_CONTRAST, HINT)
    print(f"{engine}, {scheme}, {place}: the hint at {hint['ratio']:.1f}:1")  # pytest -rP
    assert hint['opaque'] and hint['ratio'] >= 3, f'the hint at 3:1 or more on its ground: {hint}'
    assert scheme == 'forced' or hint['text'] == '#ff0000', f'the hint stays red: {hint}'
    assert {f"#{c['name']}" for c in form['controls']} - {HINT} <= set(texts), \
        'every text of the form is measured'
    if scheme == 'dark':
        grounds = {name: texts[name] for name in (
            f"#{c['name']}" for c in form['controls'] if c['class'] == 'Label' and not c['red']
            or c['class'] == 'Edit' and not c['readOnly']) if not texts[name]['dark']}
        assert grounds == {}, 'the form and its fields are dark'
    driver.execute_script("document.getElementById('KnownCardsEdit').value = '52';"
                          "document.getElementById('Button1').click()")
    texts = check_axe(driver, 'dialog[open]', 'the fault\'s dialog')
    assert len(texts) >= 3, 'the dialog\'s title, text and button are measured'
