#!/usr/bin/python3
"""The calculator's page in headless Firefox ESR: the worked example and a fault. Debian
has no geckodriver, so this speaks Firefox's own remote protocol (Marionette) directly:
length-prefixed JSON commands on a local socket.
Usage: firefox_test.py SITE-FOLDER"""

import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

from site_server import SiteServer, free_port, poll
from suite_files import worked_example

INPUTS, RESULTS = worked_example()

ELEMENT = 'element-6066-11e4-a52e-4f735466cecf'
ENTER = '\ue007'
failures = []


def check(condition, what):
    print(('ok   ' if condition else 'FAIL ') + what)
    if not condition:
        failures.append(what)


class Marionette:
    def __init__(self, port):
        deadline = time.monotonic() + 60
        while True:
            try:
                self._socket = socket.create_connection(('127.0.0.1', port), timeout=60)
                break
            except OSError:
                if time.monotonic() > deadline:
                    raise
                time.sleep(0.2)
        self._buffer = b''
        self._next_id = 0
        self._receive()  # the server's greeting

    def _receive(self):
        while b':' not in self._buffer:
            self._buffer += self._socket.recv(65536)
        length, _, rest = self._buffer.partition(b':')
        while len(rest) < int(length):
            rest += self._socket.recv(65536)
        self._buffer = rest[int(length):]
        return json.loads(rest[:int(length)])

    def command(self, name, parameters=None):
        self._next_id += 1
        message = json.dumps([0, self._next_id, name, parameters or {}]).encode()
        self._socket.sendall(str(len(message)).encode() + b':' + message)
        _, _, error, result = self._receive()
        if error:
            raise RuntimeError(f'{name}: {error}')
        return result

    def script(self, source, *args):
        return self.command('WebDriver:ExecuteScript', {'script': source, 'args': list(args)})['value']

    def element(self, selector):
        found = self.command('WebDriver:FindElement', {'using': 'css selector', 'value': selector})
        return found['value'][ELEMENT]

    def type(self, selector, text):
        element = self.element(selector)
        self.command('WebDriver:ElementClear', {'id': element})
        self.command('WebDriver:ElementSendKeys', {'id': element, 'text': text})

    def wait_for(self, source, seconds=20):
        return poll(lambda: self.script(source), seconds)


def firefox(profile, port):
    with open(os.path.join(profile, 'user.js'), 'w') as prefs:
        for name, value in [('marionette.port', port), ('app.update.enabled', False),
                            ('browser.shell.checkDefaultBrowser', False),
                            ('datareporting.policy.dataSubmissionEnabled', False),
                            ('toolkit.telemetry.enabled', False),
                            ('network.captive-portal-service.enabled', False),
                            ('browser.startup.homepage_override.mstone', 'ignore')]:
            prefs.write(f'user_pref("{name}", {json.dumps(value)});\n')
    environment = dict(os.environ, MOZ_HEADLESS='1')
    return subprocess.Popen(['firefox-esr', '--marionette', '--headless', '--no-remote',
                             '--profile', profile], env=environment,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def fill(browser, texts):
    """Each field's text, by name."""
    for name, text in texts.items():
        browser.type('#' + name, text)


def results(browser):
    return browser.script('return Object.fromEntries(arguments[0].map('
                          '(id) => [id, document.getElementById(id).value]))', list(RESULTS))


# A field left for another control shows its start; left with the window (the page told
# it has lost the focus, which a headless window never does) it keeps its scroll.
def check_leaving_a_field(browser):
    for leave, kept in [("document.getElementById('WinningsEdit').focus()", False),
                        ('document.hasFocus = () => false; e.blur(); delete document.hasFocus',
                         True)]:
        browser.script("const e = document.getElementById('MoneyToCallEdit');"
                       "e.value = '-' + '8'.repeat(60); e.focus(); e.setSelectionRange(61, 61)")
        browser.wait_for("return document.getElementById('MoneyToCallEdit').scrollLeft > 0", 2)
        start, left = browser.script(
            "const e = document.getElementById('MoneyToCallEdit'); const start = e.scrollLeft;"
            + leave + '; return [start, e.scrollLeft]')
        what = 'with the window keeps its scroll' if kept else 'for another shows its start'
        check(start > 0 and left == (start if kept else 0),
              f'a field scrolled by {start} px and left {what} ({left} px)')


def main():
    server = SiteServer(sys.argv[1]).start()
    profile = tempfile.mkdtemp()
    port = free_port()
    process = firefox(profile, port)
    try:
        browser = Marionette(port)
        browser.command('WebDriver:NewSession', {'capabilities': {}})
        browser.command('WebDriver:Navigate', {'url': server.url})
        check(browser.wait_for("return performance.getEntriesByName('vorn-interactive').length"),
              'the form works')
        fill(browser, INPUTS)
        browser.command('WebDriver:ElementClick', {'id': browser.element('#Button1')})
        check(results(browser) == RESULTS, f'the worked example: {results(browser)}')
        fill(browser, {**INPUTS, 'KnownCardsEdit': '52'})
        browser.command('WebDriver:ElementClick', {'id': browser.element('#Button1')})
        dialogs = browser.script("return document.querySelectorAll('dialog[open]').length")
        check(dialogs == 1, f'a fault opens exactly one dialog ({dialogs})')
        message = browser.script("return document.querySelector('dialog[open]').innerText")
        check('Vorn EV calculator' in message, f'the dialog is titled: {message!r}')
        browser.command('WebDriver:ElementSendKeys',
                        {'id': browser.element('dialog[open] button'), 'text': ENTER})
        check(browser.wait_for("return !document.querySelector('dialog[open]')", 5),
              'Enter closes the dialog')
        check(results(browser) == RESULTS, 'the earlier results stay after the fault')
        check_leaving_a_field(browser)
        browser.command('WebDriver:DeleteSession')
    finally:
        process.terminate()
        process.wait()
        server.stop()
        shutil.rmtree(profile, ignore_errors=True)
    print(f'{len(failures)} failed' if failures else 'all passed')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main())
