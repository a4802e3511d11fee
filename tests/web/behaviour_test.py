"""The window's behaviours (tests/behaviours/window.txt), the same suite the Qt and Win32
programs run, on the page: each behaviour a test, on a fresh visit, driven by keys, clicks
and pastes as a user does. The steps, their texts and counts are the C++ parser's, printed
by behaviours_json. A paste is the browser's own insertion of the text at the selection
(browsers.insert_text), to which the field's length limit applies as to a real paste; no
clipboard is involved. Error reports are the open dialogs, which Enter closes. Expected
values come from the form description and the worked example. run() runs a behaviour on a
page of another size or scale, for the tests of the page's own layouts."""

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from browsers import insert_text, painted, started, wait_for
from site_server import poll

KEYS = {'Tab': Keys.TAB, 'Space': Keys.SPACE, 'Enter': Keys.ENTER, 'Left': Keys.ARROW_LEFT,
        'Right': Keys.ARROW_RIGHT, 'Up': Keys.ARROW_UP, 'Down': Keys.ARROW_DOWN,
        'End': Keys.END}
HELD = {'Shift': Keys.SHIFT, 'Ctrl': Keys.CONTROL, 'Alt': Keys.ALT, 'Meta': Keys.META}
VIEW = ('const e = document.getElementById(arguments[0]);'
        'return [e.scrollLeft == 0, e.scrollLeft + e.clientWidth >= e.scrollWidth]')


class Page:
    """The driver: the form's controls on the page, by name."""

    def __init__(self, driver):
        self.driver = driver

    def script(self, source, *args):
        return self.driver.execute_script(source, *args)

    def keys(self, text):
        ActionChains(self.driver).send_keys(text).perform()

    def focus(self, name):
        self.script('document.getElementById(arguments[0]).focus()', name)

    # Tab past the last stop leaves the page for the browser's own controls, as it leaves
    # any page, where the desktop's window wraps; the next Tab comes back in at the first
    # stop. The browser's controls count as no stop here. Headless Firefox then leaves
    # its window's focus with its own controls, where keys still move the page's focus
    # but press no button; a user's window has it back, so the driver gives it back.
    def press(self, written):
        *held, key = written.split('+')
        actions = ActionChains(self.driver)
        for name in held:
            actions.key_down(HELD[name])
        actions.send_keys(KEYS[key])
        for name in reversed(held):
            actions.key_up(HELD[name])
        actions.perform()
        if key == 'Tab' and not self.focused():
            self.keys(KEYS[key])
            if not self.script('return document.hasFocus()'):
                self.driver.switch_to.window(self.driver.current_window_handle)

    def type(self, name, text):
        self.script('const e = document.getElementById(arguments[0]); e.focus(); e.select()', name)
        self.keys(text)

    def set_text(self, name, text):
        self.script('document.getElementById(arguments[0]).value = arguments[1]', name, text)

    def paste(self, name, text):
        self.script('const e = document.getElementById(arguments[0]); e.focus(); e.select()', name)
        insert_text(self.driver, text)

    # A drag's selection is on screen before the user's next key: Firefox scrolls a field
    # to a selection set from a script only at its next frame, so the step waits for it.
    def select(self, name, start, end):
        self.script('document.getElementById(arguments[0]).setSelectionRange(arguments[1],'
                    ' arguments[2])', name, start, end)
        painted(self.driver)

    def click(self, name):
        self.driver.find_element(By.ID, name).click()

    def focused(self):
        return self.script('return document.activeElement.id')

    def text(self, name):
        return self.script('return document.getElementById(arguments[0]).value', name)

    def selection(self, name):
        return self.script('const e = document.getElementById(arguments[0]);'
                           'return [e.selectionStart, e.selectionEnd]', name)

    def view(self, name):
        return self.script(VIEW, name)

    def take_reports(self):
        """The open dialogs, each then closed with Enter."""
        count = self.script("return document.querySelectorAll('dialog[open]').length")
        for _ in range(count):
            self.keys(Keys.ENTER)
        closed = wait_for(self.driver, "return !document.querySelector('dialog[open]')", 5)
        return count if closed else f'{count}, not closed by Enter'


class Run:
    """One behaviour's steps on a page, each failure naming the step's line."""

    def __init__(self, page, form, example):
        self.page, self.form, self.example = page, form, example
        self.stops = form['tabOrder']

    def name(self, written):
        """A control's name, or its neighbouring stop's for next:NAME and previous:NAME."""
        direction, _, name = written.rpartition(':')
        if not direction:
            return name
        at = self.stops.index(name) + (1 if direction == 'next' else -1)
        return self.stops[at % len(self.stops)]

    def expect(self, what, got, expected):
        assert got == expected, f'{self.where}: {what}'

    def do(self, step):
        verb, args, texts, counts = step['verb'], step['args'], step['texts'], step['counts']
        self.where = f'window.txt:{step["line"]} {verb} {" ".join(a[:40] for a in args)}'
        n = [self.name(a) for a in args[:1]]
        page = self.page

        def count(at, end=0):
            return counts[at]['fixed'] + counts[at]['perEnd'] * end

        steps = {
            'focus': lambda: page.focus(n[0]),
            'key': lambda: page.press(args[0]),
            'type': lambda: page.type(n[0], texts[1]),
            'set-text': lambda: page.set_text(n[0], texts[1]),
            'paste': lambda: page.paste(n[0], '1' * count(1)),
            'select': lambda: page.select(n[0], count(1), count(2)),
            'click': lambda: page.click(n[0]),
            'type-worked-example': lambda: [page.type(k, v) for k, v in self.example[0].items()],
            'expect-worked-example': lambda: [self.expect(f'{k}\'s text', page.text(k), v)
                                              for k, v in self.example[1].items()],
            'expect-focus': lambda: self.expect('the focus', page.focused(), n[0]),
            'expect-text': lambda: self.expect(f'{n[0]}\'s text', page.text(n[0]),
                                               texts[1] if len(texts) > 1 else ''),
            'expect-selection': lambda: self.expect(
                f'the selection in {n[0]}', page.selection(n[0]),
                [count(at, len(page.text(n[0]))) for at in (1, 2)]),
            'expect-length': lambda: self.expect(f'{n[0]}\'s length', len(page.text(n[0])),
                                                 count(1)),
            'expect-reports': lambda: self.expect('the reports', page.take_reports(),
                                                  int(args[0])),
            'expect-every-result-whole': lambda: self.expect_every_result_whole(n[0]),
            'expect-start-shown': lambda: self.expect_view(n[0], [True], 0),
            'expect-start-hidden': lambda: self.expect_view(n[0], [False], 0),
            'expect-tab-cycle': self.expect_tab_cycle,
            'expect-editable-as-described': self.expect_editable_as_described,
        }
        steps[verb]()

    # The page scrolls a field in its next frame.
    def expect_view(self, name, expected, ends=slice(None)):
        if isinstance(ends, int):
            ends = slice(ends, ends + 1)
        poll(lambda: self.page.view(name)[ends] == expected, 2)
        self.expect(f'which ends of {name}\'s text are in view', self.page.view(name)[ends],
                    expected)

    # Each shape with the caret at its end: a text that fits its field cannot scroll.
    def expect_every_result_whole(self, name):
        cut = self.page.script(
            'const e = document.getElementById(arguments[0]); e.focus();'
            'return arguments[1].filter((text) => {'
            '  e.value = text; e.setSelectionRange(text.length, text.length);'
            '  return e.scrollWidth > e.clientWidth; })', name, self.example[2])
        self.expect(f'the texts {name} shows cut, its caret at the end: {cut[:5]}', cut, [])

    # From the focused control around the stops and back to it.
    def expect_tab_cycle(self):
        at = self.stops.index(self.page.focused())
        visited = []
        for _ in self.stops:
            self.page.press('Tab')
            visited.append(self.page.focused())
        self.expect('the stops Tab visits', visited, (self.stops[at + 1:] + self.stops[:at + 1]))

    def expect_editable_as_described(self):
        for c in self.form['controls']:
            if c['class'] == 'Edit':
                before = self.page.text(c['name'])
                self.page.type(c['name'], '7')
                self.expect(f"{c['name']}'s text after typing 7", self.page.text(c['name']),
                            before if c['readOnly'] else '7')


def run(driver, visit, form, example, behaviour):
    """The behaviour on a fresh page, which visit() opens."""
    visit()
    page = Run(Page(driver), form, example)
    for step in behaviour['steps']:
        page.do(step)


def visiting(driver, url):
    def visit():
        driver.get(url)
        assert started(driver), 'the form works'
    return visit


def test_behaviour(desktop, url, form, example, behaviour):
    run(desktop, visiting(desktop, url), form, example, behaviour)
