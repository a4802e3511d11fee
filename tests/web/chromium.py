"""Headless Chromium as the browser tests drive it, and what they share: the verdicts, the
form's start, the faces drawn, a tap on a touch screen, and the form description they take
their expected values from."""

import json
import subprocess

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
from selenium.webdriver.chrome.service import Service

from site_server import poll

failures = []


def check(condition, what):
    print(('ok   ' if condition else 'FAIL ') + what)
    if not condition:
        failures.append(what)


def verdict():
    print(f'{len(failures)} failed' if failures else 'all passed')
    return 1 if failures else 0


# A desktop window of that size, or with phone set to (width, height, density) a phone
# of those metrics with a touch screen. Unless told to wait for none, a visit waits for
# everything the page loads.
def browser(scale=None, size=(600, 500), phone=None, wait_for_load=True):
    options = Options()
    if not wait_for_load:
        options.page_load_strategy = 'none'

    if scale:
        options.add_argument(f'--force-device-scale-factor={scale}')
    for argument in ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-quic',
                     '--no-first-run', '--disable-background-networking',
                     '--disable-component-update', '--disable-sync',
                     f'--window-size={size[0]},{size[1]}']:
        options.add_argument(argument)
    if phone:
        width, height, density = phone
        options.add_experimental_option('mobileEmulation', {'deviceMetrics': {
            'width': width, 'height': height, 'pixelRatio': density, 'touch': True,
            'mobile': True}})
    options.binary_location = '/usr/bin/chromium'
    options.set_capability('goog:loggingPrefs', {'browser': 'ALL'})
    return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)


def wait_for(driver, script, seconds=10):
    return poll(lambda: driver.execute_script(script), seconds)


# The form is in the page from the start; it works once the program has adopted it, and
# has its widths once no face is still loading.
STARTED = ("return performance.getEntriesByName('vorn-interactive').length > 0"
           " && document.fonts.status == 'loaded'")


def started(driver):
    """Whether the form works, in the page's own faces, within the time."""
    return wait_for(driver, STARTED)


def drawn_faces(driver, element_id):
    """The families of the faces the browser really drew the element's text with."""
    driver.execute_cdp_cmd('DOM.enable', {})
    driver.execute_cdp_cmd('CSS.enable', {})
    root = driver.execute_cdp_cmd('DOM.getDocument', {'depth': -1, 'pierce': True})['root']
    node = driver.execute_cdp_cmd('DOM.querySelector',
                                  {'nodeId': root['nodeId'], 'selector': '#' + element_id})
    fonts = driver.execute_cdp_cmd('CSS.getPlatformFontsForNode', {'nodeId': node['nodeId']})
    return {font['familyName'] for font in fonts['fonts']}


def emulate(driver, **features):
    """Media features as the page sees them, such as prefers_color_scheme='dark'."""
    driver.execute_cdp_cmd('Emulation.setEmulatedMedia', {'features': [
        {'name': name.replace('_', '-'), 'value': value} for name, value in features.items()]})


def tap(driver, element):
    """A finger's tap on the element's middle, brought into view first as a user scrolls."""
    driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", element)
    x, y = driver.execute_script('const r = arguments[0].getBoundingClientRect();'
                                 'return [r.left + r.width / 2, r.top + r.height / 2]', element)
    driver.execute_cdp_cmd('Input.dispatchTouchEvent',
                           {'type': 'touchStart', 'touchPoints': [{'x': x, 'y': y}]})
    driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})


def form_description(tool):
    """The form as the program describes it, printed by tests/web/form_description_json."""
    return json.loads(subprocess.run([tool], check=True, capture_output=True, text=True).stdout)
