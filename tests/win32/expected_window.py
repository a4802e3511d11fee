#!/usr/bin/python3
"""What window_probe.exe should print for the calculator at 96 dots per inch, from the form
description as tests/web/form_description_json prints it: the client area, then each
control's class, whether it is a tab stop, and the name assistive technology gives it (a
field its caption's, a label and a button their own), sorted. The order of the stops is
the keyboard's to show, which window_test.sh walks.
Usage: expected_window.py FORM.json"""

import json
import sys

WIN32_CLASS = {'Label': 'Static', 'Edit': 'Edit', 'Button': 'Button'}


def main():
    with open(sys.argv[1]) as text:
        form = json.load(text)
    caption_of = {c['focusControl']: c['caption'] for c in form['controls'] if c['focusControl']}
    print(f"frame 0,0 client {form['clientWidth']}x{form['clientHeight']} dpi 96")
    lines = []
    for c in form['controls']:
        name = caption_of[c['name']] if c['class'] == 'Edit' else c['caption']
        stop = 'tab' if c['name'] in form['tabOrder'] else '-'
        lines.append(f"{WIN32_CLASS[c['class']]} {stop} \"{name}\"")
    print(*sorted(lines), sep='\n')


if __name__ == '__main__':
    main()
