"""What the browser tests take their expected values from, printed as JSON by small native
tools built from the program's own sources: the form description (form_description_json)
and the window's behaviours with the worked example (behaviours_json), read by the same
parser the Qt and Win32 runners use."""

import json
import os
import subprocess


def _printed(tool):
    return json.loads(subprocess.run([tool], check=True, capture_output=True, text=True).stdout)


def form_description(tools):
    """The form as the program describes it."""
    return _printed(os.path.join(tools, 'form_description_json'))


def suite(tools):
    """{'workedExample': {'inputs', 'results'}, 'behaviours': [{'name', 'steps'}]}, each
    step with its line, verb, args, their texts expanded and, where one is a count, the
    count as fixed + perEnd * (the text's length)."""
    return _printed(os.path.join(tools, 'behaviours_json'))


def worked_example(tools):
    """The inputs and the results, each a dict from field name to text."""
    example = suite(tools)['workedExample']
    return example['inputs'], example['results']
