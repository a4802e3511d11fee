#!/usr/bin/python3
"""A returning visitor across two releases, in one engine with one profile: release
A visited until its worker controls the page, then the host's files replaced by release B
on a host that lets browsers keep files for ten minutes, as common static hosts do. By
the second visit after that the page runs B; every visit runs one release's script with
the same release's WebAssembly; offline it runs the last complete release.
Usage: update_test.py ENGINE SITE-A SITE-B NATIVE-TOOLS-FOLDER"""

import os
import re
import shutil
import sys
import tempfile

from selenium.webdriver.common.by import By

from browsers import browser, check, started, verdict, wait_for
from native_tools import worked_example
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
    inputs, results = example
    for name, text in inputs.items():
        driver.find_element(By.ID, name).send_keys(text)
    driver.find_element(By.ID, 'Button1').click()
    computed = all(driver.find_element(By.ID, name).get_attribute('value') == text
                   for name, text in results.items())
    return sorted({name for name in loaded if PROGRAM.fullmatch(name)}), computed


def worker_holds(driver, cache):
    return wait_for(driver, f"return caches.keys().then((names) => names.join() == '{cache}')", 20)


def run(engine, a, b, tools):
    example = worked_example(tools)
    (program_a, cache_a), (program_b, cache_b) = release(a), release(b)
    check(program_a != program_b and cache_a != cache_b,
          f'the two releases differ: {program_a} {cache_a}, {program_b} {cache_b}')
    host = tempfile.mkdtemp()
    publish(a, host)
    server = SiteServer(host, max_age=600).start()
    driver = browser(engine, size=(1280, 800))
    try:
        visit(driver, server.url, example)
        check(worker_holds(driver, cache_a), 'release A\'s worker holds release A')
        ran = visit(driver, server.url, example)
        check(ran == (program_a, True), f'a visit runs release A whole: {ran}')

        publish(b, host)
        first = visit(driver, server.url, example)
        check(first[0] in (program_a, program_b) and first[1],
              f'the first visit after the release runs one whole release: {first}')
        check(worker_holds(driver, cache_b), 'release B\'s worker replaces release A\'s')
        ran = visit(driver, server.url, example)
        check(ran == (program_b, True), f'the second visit runs release B whole: {ran}')

        server.stop()
        ran = visit(driver, server.url, example)
        check(ran == (program_b, True), f'offline, the visit runs release B whole: {ran}')
    finally:
        driver.quit()
        server.stop()
        shutil.rmtree(host, ignore_errors=True)


def main():
    run(*sys.argv[1:5])
    return verdict()


if __name__ == '__main__':
    sys.exit(main())
