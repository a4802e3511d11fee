#!/usr/bin/python3
"""What window_probe.exe should print for the calculator at 96 dots per inch, from the form
description as tests/web/form_description_json prints it: the client area, then every
control in z-order, which is the tab order with each caption just above the control it
names (where a screen reader reads it first), then any caption that names no stop.
Usage: expected_window.py FORM.json"""

import json
import sys

WIN32_CLASS = {'Label': 'Static', 'Edit': 'Edit', 'Button': 'Button'}


def main():
    with open(sys.argv[1]) as text:
        form = json.load(text)
    controls = {c['name']: c for c in form['controls']}
    caption_of = {c['focusControl']: c for c in form['controls'] if c['focusControl']}
    order = []
    for stop in form['tabOrder']:
        if stop in caption_of:
            order.append(caption_of[stop])
        order.append(controls[stop])
    order += [c for c in form['controls'] if c not in order]
    print(f"frame 0,0 client {form['clientWidth']}x{form['clientHeight']} dpi 96")
    for c in order:
        # A field is named by its caption, a label and a button by their own.
        name = caption_of[c['name']]['caption'] if c['class'] == 'Edit' else c['caption']
        stop = 'tab' if c['name'] in form['tabOrder'] else '-'
        print(f"{WIN32_CLASS[c['class']]} {stop} \"{name}\"")


if __name__ == '__main__':
    main()
