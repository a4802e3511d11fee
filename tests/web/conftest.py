"""What the browser tests share: the engine, one of browsers.ENGINES, as a parameter of
every test (CTest runs one engine's tests with -k ENGINE); the built site and a later
release of it, served; the facts the expected values come from, printed as JSON by native
tools built from the program's own sources (form_description_json: the form as the
program describes it; behaviours_json: the window's behaviours and the worked example,
read by the parser the Qt and Win32 runners use); axe-core; and the screenshots' folder.
Each is an option, or else the environment's VORN_WEB_<OPTION> (--next-site:
VORN_WEB_NEXT_SITE)."""

import functools
import json
import os
import subprocess

import pytest

from browsers import DESKTOP, ENGINES, browser, phone_browser
from site_server import SiteServer

OPTIONS = {'site': 'a built site', 'next-site': 'a later release of that site',
           'tools': 'the folder with form_description_json and behaviours_json',
           'axe': "axe-core's axe.min.js", 'shots': 'where the screenshots go'}


def pytest_addoption(parser):
    for name, what in OPTIONS.items():
        parser.addoption(f'--{name}', help=what,
                         default=os.environ.get('VORN_WEB_' + name.upper().replace('-', '_')))


def option(config, name):
    value = config.getoption(name.replace('-', '_'))
    if not value:
        raise pytest.UsageError(f'--{name} ({OPTIONS[name]}) is needed')
    return value


@functools.cache
def printed(tools, name):
    return json.loads(subprocess.run([os.path.join(tools, name)], check=True,
                                     capture_output=True, text=True).stdout)


# Each behaviour of the suite is a test of its own, named after it.
def pytest_generate_tests(metafunc):
    if 'behaviour' in metafunc.fixturenames:
        behaviours = printed(option(metafunc.config, 'tools'), 'behaviours_json')['behaviours']
        metafunc.parametrize('behaviour', behaviours, ids=[b['name'] for b in behaviours])


@pytest.fixture(scope='session', params=ENGINES)
def engine(request):
    return request.param


@pytest.fixture(scope='session')
def site(pytestconfig):
    return option(pytestconfig, 'site')


@pytest.fixture(scope='session')
def next_site(pytestconfig):
    return option(pytestconfig, 'next-site')


@pytest.fixture(scope='session')
def axe(pytestconfig):
    with open(option(pytestconfig, 'axe')) as source:
        return source.read()


@pytest.fixture(scope='session')
def shots(pytestconfig):
    folder = option(pytestconfig, 'shots')
    os.makedirs(folder, exist_ok=True)
    return folder


@pytest.fixture(scope='session')
def form(pytestconfig):
    return printed(option(pytestconfig, 'tools'), 'form_description_json')


@pytest.fixture(scope='session')
def suite(pytestconfig):
    """{'workedExample': {'inputs', 'results'}, 'behaviours': [{'name', 'steps'}]}, each
    step with its line, verb, args, their texts expanded and, where one is a count, the
    count as fixed + perEnd * (the text's length)."""
    return printed(option(pytestconfig, 'tools'), 'behaviours_json')


@pytest.fixture(scope='session')
def example(suite):
    """The worked example's inputs and results, each a dict from field name to text, and
    every shape of text a result can take."""
    return (suite['workedExample']['inputs'], suite['workedExample']['results'],
            suite['resultShapes'])


@pytest.fixture(scope='session')
def url(site):
    server = SiteServer(site).start()
    yield server.url
    server.stop()


@pytest.fixture
def browsers(engine):
    """Opens browsers of the engine, as browsers.browser() does (or phone_browser(), given
    a phone), and quits them after."""
    opened = []

    def open_browser(phone=None, of=engine, **settings):
        opened.append(phone_browser(of, phone, **settings) if phone
                      else browser(of, **{'size': DESKTOP, **settings}))
        return opened[-1]
    yield open_browser
    for driver in opened:
        driver.quit()


@pytest.fixture(scope='session')
def desktop(engine):
    """One browser of the engine on a desktop screen, for the tests that each visit the
    page afresh in it."""
    driver = browser(engine, size=DESKTOP)
    yield driver
    driver.quit()
