#!/usr/bin/python3
"""The page's speed in each engine (Chromium, Firefox ESR, WebKitGTK) on a local server,
from the navigation's start: to the first paint of the form (the page's first contentful
paint, which is the form: it arrives in the page) and to the first computed click (the
four fields filled and the button pressed as soon as the page has them, until the result
is written), on a first visit, in a new browser each run, and offline once the worker is
in; and the time of one click of the button, over many clicks. Prints each run, then a
Markdown table of the medians, one row an engine with its version.
Usage: bench/web_startup.py SITE-FOLDER [RUNS [ENGINE...]]
       (scripts/package-web.sh builds the site; ENGINE: chromium, firefox, webkit)"""

import statistics
import sys

sys.path.insert(0, __file__.rsplit('/', 2)[0] + '/tests/web')
from browsers import ENGINES, browser, version, wait_for  # noqa: E402
from site_server import SiteServer, poll  # noqa: E402

CLICKS = 2000
# The worked example's call result, which the click below computes.
EXPECTED = '5.74468085106383'

# Run as soon as the button is there: the first write of a result is timed where it
# happens, by the field's own value setter, so that no polling adds to it.
FIRST_CLICK = '''
const done = arguments[arguments.length - 1], expected = arguments[0];
const result = document.getElementById('CallEvEdit');
const {get, set} = Object.getOwnPropertyDescriptor(HTMLInputElement.prototype, 'value');
Object.defineProperty(result, 'value', {
  configurable: true,
  get: () => get.call(result),
  set(text) {
    const at = performance.now();
    set.call(result, text);
    if (text !== expected) return;
    delete result.value;
    const paint = () => performance.getEntriesByName('first-contentful-paint');
    const finish = () => done([paint()[0].startTime, at]);
    paint().length ? finish() : new PerformanceObserver(finish).observe({type: 'paint'});
  },
});
const texts = {MoneyToCallEdit: '10', WinningsEdit: '30', KnownCardsEdit: '5', OutsEdit: '9'};
for (const id in texts) document.getElementById(id).value = texts[id];
document.getElementById('Button1').click();
'''


def timed_visit(driver, url):
    """(first paint of the form, first computed click), in ms from the navigation."""
    driver.get(url)
    poll(lambda: driver.execute_script("return !!document.getElementById('Button1')"), 10)
    return driver.execute_async_script(FIRST_CLICK, EXPECTED)


# A new browser, warmed up on a page of the same server so that neither the browser's nor
# its page process's start is counted, then the page with nothing cached: as a first
# visit in a running browser; then the same browser offline, from the worker's copies.
def visits(engine, site):
    server = SiteServer(site).start()
    driver = browser(engine, wait_for_load=False)
    try:
        driver.set_script_timeout(30)
        driver.get(server.url + 'manifest.webmanifest')
        first = timed_visit(driver, server.url)
        wait_for(driver, 'return !!navigator.serviceWorker.controller')
        wait_for(driver, "return caches.keys().then((names) => names.length > 0)")
        server.stop()
        driver.get('about:blank')
        offline = timed_visit(driver, server.url)
        return version(driver), first, offline
    finally:
        driver.quit()
        server.stop()


def click_time(engine, url):
    driver = browser(engine)
    try:
        driver.get(url)
        wait_for(driver, "return performance.getEntriesByName('vorn-interactive').length > 0")
        return driver.execute_script(f'''
            const texts = {{MoneyToCallEdit: '10', WinningsEdit: '30', KnownCardsEdit: '5',
                            OutsEdit: '9'}};
            for (const id in texts) document.getElementById(id).value = texts[id];
            const button = document.getElementById('Button1');
            for (let i = 0; i < 100; ++i) button.click();
            const start = performance.now();
            for (let i = 0; i < {CLICKS}; ++i) button.click();
            return (performance.now() - start) / {CLICKS};''')
    finally:
        driver.quit()


def ms(values):
    return f'{statistics.median(values):.0f} ms'


def main():
    if len(sys.argv) < 2 or any(e not in ENGINES for e in sys.argv[3:]):
        sys.exit(__doc__)
    site = sys.argv[1]
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    rows = []
    for engine in sys.argv[3:] or ENGINES:
        first, offline = [], []
        for run in range(runs):
            name, a, b = visits(engine, site)
            first.append(a)
            offline.append(b)
            print(f'{name} run {run + 1}: first visit: form painted {a[0]:.0f} ms, first click'
                  f' computed {a[1]:.0f} ms; offline: {b[0]:.0f} ms, {b[1]:.0f} ms', flush=True)
        server = SiteServer(site).start()
        try:
            clicks = [click_time(engine, server.url) for _ in range(3)]
        finally:
            server.stop()
        rows.append(f'| {name} | {ms(v[0] for v in first)} | {ms(v[1] for v in first)} '
                    f'| {ms(v[0] for v in offline)} | {ms(v[1] for v in offline)} '
                    f'| {statistics.median(clicks) * 1000:.0f} µs |')
    print(f'\nMedians of {runs} runs; one click: median of 3 runs of {CLICKS}.\n')
    print('| engine | first visit: form painted | first visit: first click computed '
          '| offline: form painted | offline: first click computed | one click |')
    print('| --- | ---: | ---: | ---: | ---: | ---: |')
    print('\n'.join(rows))


if __name__ == '__main__':
    main()
