#!/usr/bin/python3
"""Everything the browser tests check, in one engine: the window's behaviours, the page,
its layout and colours, and a returning visitor across two releases. One CTest test an
engine (label web); what an engine cannot be made to do is left out by the check that
needs it, which says so.
Usage: engine_test.py ENGINE SITE-FOLDER NEXT-SITE-FOLDER NATIVE-TOOLS-FOLDER AXE.JS
                      SCREENSHOT-FOLDER
       (ENGINE: chromium, firefox or webkit)"""

import os
import sys

import behaviour_test
import layout_test
import page_test
import update_test
from browsers import ENGINES, browser, verdict, version


def main():
    if len(sys.argv) != 7 or sys.argv[1] not in ENGINES:
        sys.exit(__doc__)
    engine, site, next_site, tools, axe, shots = sys.argv[1:]
    os.makedirs(shots, exist_ok=True)
    driver = browser(engine)
    print(f'in {version(driver)}', flush=True)
    driver.quit()
    behaviour_test.run(engine, site, tools)
    page_test.run(engine, site, tools, os.path.join(shots, f'{engine}-page.png'))
    layout_test.run(engine, site, tools, axe, shots)
    update_test.run(engine, site, next_site, tools)
    return verdict()


if __name__ == '__main__':
    sys.exit(main())
