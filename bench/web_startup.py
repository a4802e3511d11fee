#!/usr/bin/python3
"""The page's speed in headless Chromium on a local server: time to first contentful
paint and to interactive (the form shown and working) on a first visit, in a new
browser each run, and the time of one click of the button (the four fields read, both
results computed and written), over many clicks. Prints each run and the medians.
Usage: bench/web_startup.py SITE-FOLDER [RUNS]   (scripts/package-web.sh builds the site)"""

import statistics
import sys

sys.path.insert(0, __file__.rsplit('/', 2)[0] + '/tests/web')
from browsers import browser, wait_for  # noqa: E402
from site_server import SiteServer  # noqa: E402

CLICKS = 2000


# A new browser, warmed up on a page of the same server so that neither the browser's nor
# its page process's start is counted, then the page with nothing cached: as a first
# visit in a running browser.
def first_visit(url):
    driver = browser()
    try:
        driver.get(url + 'manifest.webmanifest')
        driver.execute_cdp_cmd('Network.enable', {})
        driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
        driver.get(url)
        wait_for(driver, "return performance.getEntriesByName('vorn-interactive').length > 0")
        wait_for(driver, "return performance.getEntriesByName('first-contentful-paint').length > 0")
        return driver.execute_script(
            "return [performance.getEntriesByName('first-contentful-paint')[0].startTime,"
            "        performance.getEntriesByName('vorn-interactive')[0].startTime]")
    finally:
        driver.quit()


def click_time(url):
    driver = browser()
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


def main():
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 7
    server = SiteServer(sys.argv[1]).start()
    try:
        visits = []
        for run in range(runs):
            paint, interactive = first_visit(server.url)
            visits.append((paint, interactive))
            print(f'run {run + 1}: first contentful paint {paint:.0f} ms, interactive {interactive:.0f} ms')
        clicks = [click_time(server.url) for _ in range(3)]
    finally:
        server.stop()
    print(f'median first contentful paint {statistics.median(v[0] for v in visits):.0f} ms, '
          f'interactive {statistics.median(v[1] for v in visits):.0f} ms')
    print(f'one click: {statistics.median(clicks) * 1000:.1f} µs (median of 3 runs of {CLICKS})')


if __name__ == '__main__':
    main()
