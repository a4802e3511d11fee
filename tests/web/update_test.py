"""A returning visitor across two releases, in one engine with one profile: release
A visited until its worker controls the page, then the host's files replaced by release B
on a host that lets browsers keep files for ten minutes, as common static hosts do. By
the second visit after that the page runs B; every visit runs one release's script with
the same release's WebAssembly; offline it runs the last complete release."""

import os
import re
import shutil

from selenium.webdriver.common.by import By

from browsers import started, wait_for
from site_server import SiteServer

PROGRAM = re.compile(r'vorn-ev-calculator\.[0-9a-f]+\.(?:js|wasm)')


def release(site):
    """The names of the release's script and WebAssembly, which its page loads, and its
    worker's cache."""
    with open(os.path.join(site, 'index.html')) as page:
        program = sorted(set(PROGRAM.findall(page.read())))
    with open(os.path.join(site, 'service-worker.js')) as worker:
        cache = re.search(r"cacheName = '([^']+)'", worker.read()).group(1)
    return program, cache


# Each file dated by its upload, as a host has it: a build's own dates say nothing of
# which release came later.
def publish(site, host):
    for name in os.listdir(host):
        os.remove(os.path.join(host, name))
    shutil.copytree(site, host, dirs_exist_ok=True, copy_function=shutil.copy)


def visit(driver, url, example):
    """What the visit ran: the names of the script and WebAssembly that it loaded, and
    whether it computed the worked example."""
    driver.get(url)
    if not started(driver):
        return None, False
    loaded = driver.execute_script("return performance.getEntriesByType('resource')"
                                   '.map((r) => r.name.split("/").pop())')
    inputs, results = example[:2]
    for name, text in inputs.items():
        driver.find_element(By.ID, name).send_keys(text)
    driver.find_element(By.ID, 'Button1').click()
    computed = all(driver.find_element(By.ID, name).get_attribute('value') == text
                   for name, text in results.items())
    return sorted({name for name in loaded if PROGRAM.fullmatch(name)}), computed


def worker_holds(driver, cache):
    return wait_for(driver, f"return caches.keys().then((names) => names.join() == '{cache}')", 20)


def test_a_returning_visitor_gets_each_release_whole(browsers, site, next_site, example,
                                                     tmp_path):
    (program_a, cache_a), (program_b, cache_b) = release(site), release(next_site)
    assert program_a != program_b and cache_a != cache_b, 'the two releases differ'
    host = str(tmp_path)
    publish(site, host)
    server = SiteServer(host, max_age=600).start()
    try:
        driver = browsers()
        visit(driver, server.url, example)
        assert worker_holds(driver, cache_a), 'release A\'s worker holds release A'
        assert visit(driver, server.url, example) == (program_a, True), 'a visit runs A whole'

        publish(next_site, host)
        first = visit(driver, server.url, example)
        assert first[0] in (program_a, program_b) and first[1], \
            'the first visit after the release runs one whole release'
        assert worker_holds(driver, cache_b), 'release B\'s worker replaces release A\'s'
        assert visit(driver, server.url, example) == (program_b, True), \
            'the second visit runs release B whole'
    finally:
        server.stop()
    assert visit(driver, server.url, example) == (program_b, True), \
        'offline, the visit runs release B whole'
