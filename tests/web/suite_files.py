"""The behaviour suite (tests/behaviours/window.txt) and the worked example
(tests/behaviours/worked_example.txt), read as the C++ runner reads them, for the browser tests."""

import os
import re

TESTS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def _lines(path):
    """Each non-blank line that is not a comment, with its number."""
    with open(path) as text:
        for number, line in enumerate(text, 1):
            if line.strip() and not line.lstrip().startswith('#'):
                yield number, line.rstrip('\n')


def worked_example():
    """The inputs and the results, each a dict from field name to text, in the file's
    order."""
    example = {'input': {}, 'result': {}}
    for _, line in _lines(os.path.join(TESTS, 'behaviours', 'worked_example.txt')):
        kind, name, text = line.split()
        example[kind][name] = text
    return example['input'], example['result']


def behaviours():
    """(name, [(line, verb, args)]) for each behaviour, in the file's order."""
    suite = []
    for number, line in _lines(os.path.join(TESTS, 'behaviours', 'window.txt')):
        words = line.split()
        if not line.startswith(' '):
            suite.append((words[1], []))
        else:
            suite[-1][1].append((number, words[0], words[1:]))
    return suite


def expand_text(written):
    """A text as a step writes it, with C{N} standing for N times the character C."""
    return re.sub(r'(.)\{(\d+)\}', lambda m: m.group(1) * int(m.group(2)), written)


def expand_count(written, limit, end=0):
    """A number, "limit", "limit+N" or "end"."""
    if written == 'end':
        return end
    if written.startswith('limit'):
        return limit + int(written[5:] or 0)
    return int(written)
