#!/usr/bin/env python3
"""Rewrites the README's text_to_double table from a run of text_to_double_bench.

Usage: bench/tables.py README.md BENCH-JSON BUILD-DIR

Between the README's markers it writes a line saying when, at which commit, on which
machine and with which compiler the figures were measured, then the table: for each kind
of text, the best of the repetitions of ours, from_chars and strtod in nanoseconds per
text, and the two ratios. The rows keep the README's own wording; the numbers are new.
(scripts/bench-tables.sh builds and runs the benchmark, then calls this.)"""

import datetime
import json
import pathlib
import re
import subprocess
import sys
import textwrap

BEGIN = "<!-- bench:text_to_double begin -->"
END = "<!-- bench:text_to_double end -->"
# The benchmark's kinds of text, in the order of the README's rows.
KINDS = ["amounts", "small_integers", "17_digits", "exponent_forms", "short_decimals",
         "leading_zeros", "19_or_more_digits", "mix"]
OURS, FROM_CHARS, STRTOD = "BM_TextViewToDouble", "BM_FromChars", "BM_Strtod"


def best_ns_per_text(benchmarks):
    """{(family, kind): least nanoseconds per text over the repetitions}."""
    best = {}
    for run in benchmarks:
        if run.get("run_type") != "iteration" or "error_occurred" in run:
            continue
        family = run["name"].split("/")[0]
        ns = 1e9 / run["items_per_second"]
        key = (family, run["label"])
        best[key] = min(ns, best.get(key, ns))
    return best


def command(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.strip()


def commit():
    # The README is what this rewrites, so its own changes do not make the figures suspect.
    short = command("git", "rev-parse", "--short", "HEAD")
    dirty = command("git", "status", "--porcelain", "--", ".", ":!README.md")
    return short + (" + changes" if dirty else "")


def machine():
    cpuinfo = pathlib.Path("/proc/cpuinfo").read_text()
    models = re.findall(r"^model name\s*:\s*(.*)$", cpuinfo, re.M)
    cores = len(re.findall(r"^processor\s*:", cpuinfo, re.M))
    return f"{models[0] if models else 'unknown processor'}, {cores} cores"


def compiler(build_dir):
    build = pathlib.Path(build_dir)
    found = {}
    for config in build.glob("CMakeFiles/*/CMakeCXXCompiler.cmake"):
        found.update(re.findall(r'set\(CMAKE_CXX_COMPILER_(ID|VERSION) "([^"]*)"\)',
                                config.read_text()))
    cache = dict(re.findall(r"^(CMAKE_BUILD_TYPE|VORN_LTO):\w+=(.*)$",
                            (build / "CMakeCache.txt").read_text(), re.M))
    name = {"GNU": "GCC"}.get(found.get("ID", ""), found.get("ID", "unknown compiler"))
    lto = " with link-time optimisation" if cache.get("VORN_LTO") == "ON" else ""
    return f"{name} {found.get('VERSION', '')}".strip() + f", {cache.get('CMAKE_BUILD_TYPE')} build{lto}"


def section(old_rows, best, repetitions, build_dir):
    if len(old_rows) != len(KINDS):
        sys.exit(f"the README's table has {len(old_rows)} rows, the benchmark {len(KINDS)} kinds")
    today = datetime.datetime.now(datetime.timezone.utc).date().isoformat()
    said = (f"Measured on {today} at {commit()}, on {machine()}; {compiler(build_dir)}; "
            + (f"best of {repetitions} repetitions." if repetitions > 1 else "one run."))
    lines = [textwrap.fill(said, width=90), "",
             "| texts | ours | `from_chars` | `strtod` | ours / `from_chars` | ours / `strtod` |",
             "| --- | ---: | ---: | ---: | ---: | ---: |"]
    for row, kind in zip(old_rows, KINDS):
        try:
            ours, from_chars, strtod = (best[(f, kind)] for f in (OURS, FROM_CHARS, STRTOD))
        except KeyError as missing:
            sys.exit(f"the benchmark's output lacks {missing}")
        lines.append(f"| {row} | {ours:.1f} | {from_chars:.1f} | {strtod:.1f} | "
                     f"{ours / from_chars:.2f} | {ours / strtod:.2f} |")
    return "\n".join(lines)


def main():
    if len(sys.argv) != 4 or sys.argv[1].startswith("-"):
        print(__doc__.splitlines()[2], file=sys.stderr)
        sys.exit(2)
    readme_path, json_path, build_dir = sys.argv[1:]
    readme = pathlib.Path(readme_path).read_text()
    match = re.search(re.escape(BEGIN) + r"\n(.*?)\n" + re.escape(END), readme, re.S)
    if not match:
        sys.exit(f"{readme_path} has no {BEGIN} ... {END}")
    old_rows = [cells.split("|")[1].strip() for cells in match.group(1).splitlines()
                if cells.startswith("|") and not re.match(r"\|\s*(texts|-)", cells)]
    run = json.loads(pathlib.Path(json_path).read_text())
    repetitions = run["benchmarks"][0].get("repetitions", 1) if run["benchmarks"] else 0
    new = section(old_rows, best_ns_per_text(run["benchmarks"]), repetitions, build_dir)
    pathlib.Path(readme_path).write_text(readme[:match.start(1)] + new + readme[match.end(1):])
    print(new)


if __name__ == "__main__":
    main()
