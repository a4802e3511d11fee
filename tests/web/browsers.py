"""The three engines the page is tested in, each as one selenium WebDriver, and the ways
round what an engine lacks.

- chromium: Debian's Chromium, headless, through chromedriver.
- firefox: Firefox ESR, headless. Debian has no geckodriver, so selenium's commands go
  straight to Firefox's own remote protocol (Marionette), which names the same commands.
- webkit: WebKitGTK's MiniBrowser through WebKitWebDriver, on the display xvfb-run gives.

What only Chromium's DevTools protocol can do (emulated phones and media, the faces drawn,
touch) is marked "Chromium only"; a test that needs it asks need() first."""

import glob
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time

import pytest
from selenium import webdriver
from selenium.common.exceptions import NoSuchFrameException
from selenium.webdriver.chrome.options import Options as ChromeOptions
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.common.by import By
from selenium.webdriver.common.options import ArgOptions
from selenium.webdriver.remote.command import Command
from selenium.webdriver.webkitgtk.options import Options as WebKitOptions

from site_server import FRAME, free_port, poll

ENGINES = ('chromium', 'firefox', 'webkit')
# Wide enough for the form as designed even at twice the density.
DESKTOP = (1280, 800)
# WebKitGTK's own browser, in the library's folder for the machine's architecture.
MINI_BROWSER = (glob.glob('/usr/lib/*/webkit2gtk-4.1/MiniBrowser') or ['MiniBrowser'])[0]

# What each engine can be made to do from a test, or has, by what it is.
ABILITIES = {'devtools': "Chromium's DevTools (touch, emulated phones and media, the faces"
                         " drawn, scripts before the page's own)",
             'console': 'console log', 'install': 'offer to install the page',
             'scale': 'device scale factor', 'forced': 'forced palette',
             'tap highlight': "WebKit's own style for a tap"}
CAN = {'chromium': set(ABILITIES), 'firefox': {'scale', 'forced'},
       'webkit': {'tap highlight'}}


def can(engine, ability):
    return ability in CAN[engine]


def need(engine, ability):
    """Skips the test in an engine that cannot do what it needs."""
    if not can(engine, ability):
        pytest.skip(f'{engine} here has no {ABILITIES[ability]}')


def browser(engine, size=(600, 500), scheme='light', scale=None, phone=None,
            wait_for_load=True):
    """A browser showing a viewport of that size in CSS px, light, dark or in a forced
    palette (scheme 'forced'), at a device scale; with phone set to (width, height,
    density), Chromium's emulated phone with a touch screen (Chromium only). Unless told
    to wait for none, a visit waits for everything the page loads."""
    driver = {'chromium': _chromium, 'firefox': _firefox, 'webkit': _webkit}[engine](
        size, scheme, scale, phone, 'normal' if wait_for_load else 'none')
    driver.engine = engine
    if engine == 'chromium' and scheme != 'light':
        emulate(driver, **({'prefers_color_scheme': 'dark'} if scheme == 'dark'
                           else {'forced_colors': 'active'}))
    if not phone:
        _fit_viewport(driver, size)
    return driver


def phone_browser(engine, phone, scheme='light'):
    """A browser for open_phone(): Chromium's emulated phone, elsewhere a window that the
    phone's frame fits in."""
    if can(engine, 'devtools'):
        return browser(engine, scheme=scheme, phone=phone)
    return browser(engine, size=(1024, 960), scheme=scheme)


def open_phone(driver, url, phone):
    """The page at the phone's width: Chromium's emulated phone shows it as it is; the
    other engines, whose windows do none of that, in a same-origin frame of the phone's
    size, with the driver inside it."""
    if can(driver.engine, 'devtools'):
        driver.get(url)
        return
    driver.get(f'{url[:-1]}{FRAME}{phone[0]}x{phone[1]}')
    driver.switch_to.frame(driver.find_element(By.TAG_NAME, 'iframe'))


def _chromium(size, scheme, scale, phone, load):
    options = ChromeOptions()
    options.page_load_strategy = load
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
    return webdriver.Chrome(service=ChromeService('/usr/bin/chromedriver'), options=options)


# Headless windows have no frame, but the browser's own bars (drawn or not) may take some
# of the size asked for: the window grows until the page itself has it.
def _fit_viewport(driver, size):
    driver.set_window_rect(0, 0, *size)
    inner = driver.execute_script('return [innerWidth, innerHeight]')
    driver.set_window_rect(0, 0, 2 * size[0] - inner[0], 2 * size[1] - inner[1])


# WebKitGTK's dark scheme is GTK's: the dark variant of its theme, which the driver's
# browser takes from the environment.
def _webkit(size, scheme, scale, phone, load):
    options = WebKitOptions()
    options.binary_location = MINI_BROWSER
    options.add_argument('--automation')
    options.page_load_strategy = load
    os.environ.update(GTK_THEME='Adwaita:dark' if scheme == 'dark' else 'Adwaita',
                      NO_AT_BRIDGE='1')
    return webdriver.WebKitGTK(executable_path='/usr/bin/WebKitWebDriver', options=options)


# Firefox's prefs for each scheme: its own dark look and the page's, or the user's colours
# over the page's (as a high-contrast theme forces them).
SCHEMES = {'light': {'ui.systemUsesDarkTheme': 0,
                     'layout.css.prefers-color-scheme.content-override': 1},
           'dark': {'ui.systemUsesDarkTheme': 1,
                    'layout.css.prefers-color-scheme.content-override': 0},
           'forced': {'browser.display.document_color_use': 2,
                      'ui.systemUsesDarkTheme': 0}}


def _firefox(size, scheme, scale, phone, load):
    prefs = {**SCHEMES[scheme], 'app.update.enabled': False,
             'browser.shell.checkDefaultBrowser': False,
             'datareporting.policy.dataSubmissionEnabled': False,
             'toolkit.telemetry.enabled': False,
             'network.captive-portal-service.enabled': False,
             'browser.startup.homepage_override.mstone': 'ignore',
             'browser.startup.page': 0, 'browser.aboutwelcome.enabled': False}
    if scale:
        prefs['layout.css.devPixelsPerPx'] = str(scale)
    return Firefox(prefs, load)


class Firefox(webdriver.Remote):
    """Firefox ESR with a profile of its own, driven over Marionette."""

    def __init__(self, prefs, load):
        self.profile = tempfile.mkdtemp()
        port = free_port()
        with open(os.path.join(self.profile, 'user.js'), 'w') as file:
            for name, value in {**prefs, 'marionette.port': port}.items():
                file.write(f'user_pref("{name}", {json.dumps(value)});\n')
        self.process = subprocess.Popen(
            ['firefox-esr', '--marionette', '--headless', '--no-remote', '--profile',
             self.profile], env=dict(os.environ, MOZ_HEADLESS='1'),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        options = ArgOptions()
        options.set_capability('browserName', 'firefox')
        options.page_load_strategy = load
        try:
            super().__init__(command_executor=Marionette(port), options=options)
        except Exception:
            self._stop()
            raise

    def quit(self):
        try:
            super().quit()
        finally:
            self._stop()

    def _stop(self):
        self.process.terminate()
        self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)


ELEMENT = 'element-6066-11e4-a52e-4f735466cecf'

# Selenium's commands by Marionette's names for them.
MARIONETTE = {
    Command.NEW_SESSION: 'NewSession', Command.QUIT: 'DeleteSession',
    Command.GET: 'Navigate', Command.GET_TITLE: 'GetTitle',
    Command.W3C_EXECUTE_SCRIPT: 'ExecuteScript',
    Command.W3C_EXECUTE_SCRIPT_ASYNC: 'ExecuteAsyncScript',
    Command.FIND_ELEMENT: 'FindElement', Command.FIND_ELEMENTS: 'FindElements',
    Command.W3C_GET_ACTIVE_ELEMENT: 'GetActiveElement',
    Command.CLICK_ELEMENT: 'ElementClick', Command.CLEAR_ELEMENT: 'ElementClear',
    Command.SEND_KEYS_TO_ELEMENT: 'ElementSendKeys', Command.GET_ELEMENT_TEXT: 'GetElementText',
    Command.GET_ELEMENT_ATTRIBUTE: 'GetElementAttribute',
    Command.GET_ELEMENT_PROPERTY: 'GetElementProperty',
    Command.GET_ELEMENT_ARIA_LABEL: 'GetComputedLabel',
    Command.SCREENSHOT: 'TakeScreenshot',
    Command.W3C_ACTIONS: 'PerformActions', Command.W3C_CLEAR_ACTIONS: 'ReleaseActions',
    Command.SET_WINDOW_RECT: 'SetWindowRect', Command.GET_WINDOW_RECT: 'GetWindowRect',
    Command.SET_TIMEOUTS: 'SetTimeouts', Command.SWITCH_TO_FRAME: 'SwitchToFrame',
    Command.SWITCH_TO_PARENT_FRAME: 'SwitchToParentFrame',
    Command.W3C_GET_CURRENT_WINDOW_HANDLE: 'GetWindowHandle',
    Command.SWITCH_TO_WINDOW: 'SwitchToWindow',
}


class Marionette:
    """Selenium's command executor over Marionette: length-prefixed JSON on a socket."""

    def __init__(self, port):
        deadline = time.monotonic() + 60
        while True:
            try:
                self._socket = socket.create_connection(('127.0.0.1', port), timeout=120)
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.1)
        self._buffer = b''
        self._next_id = 0
        self._receive()  # the greeting

    def _receive(self):
        while b':' not in self._buffer:
            self._buffer += self._socket.recv(65536)
        length, _, rest = self._buffer.partition(b':')
        while len(rest) < int(length):
            rest += self._socket.recv(65536)
        self._buffer = rest[int(length):]
        return json.loads(rest[:int(length)])

    def close(self):
        self._socket.close()

    def execute(self, command, params):
        params = {k: v for k, v in (params or {}).items() if k != 'sessionId'}
        if command == Command.SWITCH_TO_FRAME and isinstance(params.get('id'), dict):
            params = {'element': params['id'][ELEMENT]}
        self._next_id += 1
        message = json.dumps([0, self._next_id, 'WebDriver:' + MARIONETTE[command],
                              params]).encode()
        self._socket.sendall(str(len(message)).encode() + b':' + message)
        _, _, error, result = self._receive()
        if error:
            return {'status': error['error'], 'message': error.get('message', ''),
                    'value': error}
        if isinstance(result, dict) and ('value' in result or 'sessionId' in result):
            return result
        return {'value': result}


def wait_for(driver, script, seconds=10):
    def ask():
        try:
            return driver.execute_script(script)
        except NoSuchFrameException:  # WebKitGTK, asked while the page is still replaced
            return False
    return poll(ask, seconds)


# The form is in the page from the start; it works once the program has adopted it, and
# has its widths once no face is still loading.
STARTED = ("return performance.getEntriesByName('vorn-interactive').length > 0"
           " && document.fonts.status == 'loaded'")


def started(driver):
    """Whether the form works, in the page's own faces, within the time."""
    return wait_for(driver, STARTED)


def painted(driver):
    """Once what the page has changed is on screen: two frames on, the second drawn after
    the first's changes. WebKitGTK's screenshots and Firefox's scrolling to a selection
    set from a script come only with a frame."""
    driver.execute_async_script('const done = arguments[arguments.length - 1];'
                                'requestAnimationFrame(() => requestAnimationFrame(done))')


def insert_text(driver, text):
    """Text put in where the focused field's selection is, as a paste or a phone's
    keyboard puts it: through the browser's editing, so that the field's length limit
    applies as it does to a real paste. Chromium's DevTools insert it as the keyboard
    does; elsewhere the editing command does the same."""
    if can(driver.engine, 'devtools'):
        driver.execute_cdp_cmd('Input.insertText', {'text': text})
    else:
        driver.execute_script("document.execCommand('insertText', false, arguments[0])", text)


def tap(driver, element):
    """A finger's tap on the element's middle, brought into view first as a user scrolls.
    Only Chromium has touch events here; elsewhere a click stands in, which leaves the
    page's touch handling (none of its own) and the tap's delay untested."""
    driver.execute_script("arguments[0].scrollIntoView({block: 'center'})", element)
    if not can(driver.engine, 'devtools'):
        element.click()
        return
    x, y = driver.execute_script('const r = arguments[0].getBoundingClientRect();'
                                 'return [r.left + r.width / 2, r.top + r.height / 2]', element)
    driver.execute_cdp_cmd('Input.dispatchTouchEvent',
                           {'type': 'touchStart', 'touchPoints': [{'x': x, 'y': y}]})
    driver.execute_cdp_cmd('Input.dispatchTouchEvent', {'type': 'touchEnd', 'touchPoints': []})


# Chromium only, from here on.

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
