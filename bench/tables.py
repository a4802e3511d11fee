#!/usr/bin/env python3
"""Rewrites the FIGURES.md benchmark tables from runs of text_to_double_bench and click_bench.

Usage: bench/tables.py FIGURES.md BUILD-DIR TABLE=BENCH-JSON...   (TABLE: text_to_double, click)

Between each named table's markers it writes a line saying when, at which commit, on which
machine and with which compiler the figures were measured, then the table. For reading:
for each kind of text, the best of the repetitions of ours, from_chars and strtod in
nanoseconds per text, and the two ratios. For clicks: the best processor time of one click
in each case. The rows keep the document's own wording; the numbers are new.
(scripts/bench-tables.sh builds and runs the benchmarks, then calls this.)"""

import datetime
import json
import pathlib
import re
import subprocess
import sys
import textwrap

MARKERS = "<!-- bench:{} begin -->", "<!-- bench:{} end -->"
# The benchmark's kinds of text, in the order of the table's rows.
KINDS = ["amounts", "small_integers", "17_digits", "exponent_forms", "short_decimals",
         "leading_zeros", "19_or_more_digits", "mix"]
OURS, FROM_CHARS, STRTOD = "BM_TextViewToDouble", "BM_FromChars", "BM_Strtod"
# The click benchmark's cases, in the order of the table's rows.
CLICKS = ["BM_Click", "BM_ClickLongFields"]


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


def best_click_us(benchmarks):
    """{case: least processor microseconds per click over the repetitions}."""
    scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}
    best = {}
    for run in benchmarks:
        if run.get("run_type") != "iteration" or "error_occurred" in run:
            continue
        us = run["cpu_time"] * scale[run["time_unit"]]
        best[run["name"]] = min(us, best.get(run["name"], us))
    return best


def command(*args):
    return subprocess.run(args, check=True, capture_output=True, text=True).stdout.strip()


def commit():
    # It rewrites the documents, so their own changes do not make the figures suspect.
    short = command("git", "rev-parse", "--short", "HEAD")
    dirty = command("git", "status", "--porcelain", "--", ".", ":!*.md")
    return short + (" + changes" if dirty else "")


def machine():
    """The processor and its cores, and the load of the last 15 minutes, most of a run: other
    work beside a run makes its figures worse, so a table says how much there was."""
    cpuinfo = pathlib.Path("/proc/cpuinfo").read_text()
    models = re.findall(r"^model name\s*:\s*(.*)$", cpuinfo, re.M)
    cores = len(re.findall(r"^processor\s*:", cpuinfo, re.M))
    load = pathlib.Path("/proc/loadavg").read_text().split()[2]
    return f"{models[0] if models else 'unknown processor'}, {cores} cores, at a load of {load}"


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


def measured(repetitions, build_dir):
    today = datetime.datetime.now(datetime.timezone.utc).date().isoformat()
    said = (f"Measured on {today} at {commit()}, on {machine()}; {compiler(build_dir)}; "
            + (f"best of {repetitions} repetitions." if repetitions > 1 else "one run."))
    return textwrap.fill(said, width=90)


def rows_of(body, heading):
    """The first cell of each of a table's rows, its heading and rule left out."""
    return [cells.split("|")[1].strip() for cells in body.splitlines()
            if cells.startswith("|") and not re.match(rf"\|\s*({heading}|-)", cells)]


def reading_section(old_rows, best, repetitions, build_dir):
    if len(old_rows) != len(KINDS):
        sys.exit(f"the reading table has {len(old_rows)} rows, the benchmark {len(KINDS)} kinds")
    lines = [measured(repetitions, build_dir), "",
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


def click_section(old_rows, best, repetitions, build_dir):
    if len(old_rows) != len(CLICKS):
        sys.exit(f"the click table has {len(old_rows)} rows, the benchmark {len(CLICKS)} cases")
    lines = [measured(repetitions, build_dir), "", "| click | µs |", "| --- | ---: |"]
    for row, case in zip(old_rows, CLICKS):
        if case not in best:
            sys.exit(f"the benchmark's output lacks {case}")
        lines.append(f"| {row} | {best[case]:.{1 if best[case] < 100 else 0}f} |")
    return "\n".join(lines)


def runs(json_path):
    run = json.loads(pathlib.Path(json_path).read_text())
    repetitions = run["benchmarks"][0].get("repetitions", 1) if run["benchmarks"] else 0
    return run["benchmarks"], repetitions


def rewrite(document, table, make):
    begin, end = (marker.format(table) for marker in MARKERS)
    match = re.search(re.escape(begin) + r"\n(.*?)\n" + re.escape(end), document, re.S)
    if not match:
        sys.exit(f"the document has no {begin} ... {end}")
    new = make(match.group(1))
    print(new)
    return document[:match.start(1)] + new + document[match.end(1):]


# Each table: the first word of its heading row, and how its rows are made from a run.
TABLES = {
    "text_to_double": ("texts", lambda rows, run, reps, build:
                       reading_section(rows, best_ns_per_text(run), reps, build)),
    "click": ("click", lambda rows, run, reps, build:
              click_section(rows, best_click_us(run), reps, build)),
}


def main():
    tables = [argument.partition("=") for argument in sys.argv[3:]]
    if (len(sys.argv) < 4 or sys.argv[1].startswith("-")
            or any(table not in TABLES or not path for table, _, path in tables)):
        print(__doc__.splitlines()[2], file=sys.stderr)
        sys.exit(2)
    document_path, build_dir = sys.argv[1:3]
    document = pathlib.Path(document_path).read_text()
    for table, _, json_path in tables:
        heading, make = TABLES[table]
        run, repetitions = runs(json_path)
        document = rewrite(document, table, lambda body: make(rows_of(body, heading), run,
                                                          repetitions, build_dir))
    pathlib.Path(document_path).write_text(document)


if __name__ == "__main__":
    main()
