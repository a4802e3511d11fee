#!/usr/bin/env python3
"""Measures the page with Lighthouse and rewrites the Lighthouse table of FIGURES.md.

Usage: bench/lighthouse.py FIGURES.md SITE-DIR LIGHTHOUSE CHROMIUM [RUNS]   (default 3 runs)

Serves the site on the loopback as a static host would (gzipped, max-age=600), runs
Lighthouse's performance audit RUNS times on its mobile and on its desktop settings, and
writes between the document's markers a line saying when, at which commit, on which machine
and with which versions it was measured, then the medians of each setting's runs.
(scripts/lighthouse.sh installs Lighthouse, builds the site, then calls this.)"""

import datetime
import functools
import gzip
import http.server
import io
import json
import pathlib
import re
import statistics
import subprocess
import sys
import tempfile
import textwrap
import threading

from tables import MARKERS, command, commit, machine, rewrite

# Headless Chromium as root in a container: no sandbox, no GPU, and nothing of its own on
# the network (updates, sync, QUIC probes) to fall into the page's timings.
CHROMIUM_FLAGS = ("--headless --no-sandbox --disable-gpu --disable-quic --no-first-run "
                  "--disable-background-networking --disable-component-update --disable-sync")
SETTINGS = {"mobile": [], "desktop": ["--preset=desktop"]}


class GzipHandler(http.server.SimpleHTTPRequestHandler):
    """Every file gzipped when the browser takes it so, with a ten-minute lifetime."""
    protocol_version = "HTTP/1.1"
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".webmanifest": "application/manifest+json"}

    def send_head(self):
        path = pathlib.Path(self.translate_path(self.path))
        if path.is_dir():
            path = path / "index.html"
        if not path.is_file():
            self.send_error(404)
            return None
        body = path.read_bytes()
        gzipped = "gzip" in self.headers.get("Accept-Encoding", "")
        if gzipped:
            body = gzip.compress(body, 9, mtime=0)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(str(path)))
        self.send_header("Content-Length", str(len(body)))
        self.send_header("Cache-Control", "max-age=600")
        if gzipped:
            self.send_header("Content-Encoding", "gzip")
        self.end_headers()
        return io.BytesIO(body)

    def log_message(self, *args):
        pass


def audit(lighthouse, chromium, url, options, out):
    subprocess.run([lighthouse, url, "--quiet", "--only-categories=performance",
                    "--output=json", f"--output-path={out}", f"--chrome-path={chromium}",
                    f"--chrome-flags={CHROMIUM_FLAGS}", *options], check=True)
    report = json.loads(pathlib.Path(out).read_text())
    if report.get("runtimeError"):
        sys.exit(f"Lighthouse could not measure the page: {report['runtimeError']}")
    value = {name: report["audits"][name]["numericValue"] for name in
             ("first-contentful-paint", "largest-contentful-paint", "total-blocking-time",
              "total-byte-weight")}
    value["performance"] = report["categories"]["performance"]["score"] * 100
    return value, report["lighthouseVersion"]


def main():
    if not 5 <= len(sys.argv) <= 6 or sys.argv[1].startswith("-") or (
            len(sys.argv) == 6 and not sys.argv[5].isdigit()):
        print(__doc__.splitlines()[2], file=sys.stderr)
        sys.exit(2)
    document_path, site, lighthouse, chromium = sys.argv[1:5]
    runs = int(sys.argv[5]) if len(sys.argv) == 6 else 3
    document = pathlib.Path(document_path).read_text()
    if MARKERS[0].format("lighthouse") not in document:
        sys.exit(f"{document_path} has no table to rewrite")

    handler = functools.partial(GzipHandler, directory=site)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/"
    medians = {}
    with tempfile.TemporaryDirectory() as work:
        for setting, options in SETTINGS.items():
            results = []
            for run in range(runs):
                value, version = audit(lighthouse, chromium, url, options,
                                              f"{work}/{setting}-{run}.json")
                results.append(value)
            medians[setting] = {name: statistics.median(r[name] for r in results)
                                for name in results[0]}
    server.shutdown()

    chromium_version = re.search(r"[\d.]+", command(chromium, "--version"))
    today = datetime.datetime.now(datetime.timezone.utc).date().isoformat()
    said = (f"Measured on {today} at {commit()}, on {machine()}; Lighthouse {version}, "
            f"Chromium {chromium_version.group(0) if chromium_version else 'unknown'}; "
            f"medians of {runs} runs.")
    lines = [textwrap.fill(said, width=90), "",
             "| settings | first contentful paint | largest contentful paint "
             "| total blocking time | performance | transferred |",
             "| --- | ---: | ---: | ---: | ---: | ---: |"]
    for setting, m in medians.items():
        lines.append(f"| {setting} | {m['first-contentful-paint'] / 1000:.2f} s "
                     f"| {m['largest-contentful-paint'] / 1000:.2f} s "
                     f"| {m['total-blocking-time']:.0f} ms | {m['performance']:.0f} "
                     f"| {m['total-byte-weight']:,.0f} bytes |")
    pathlib.Path(document_path).write_text(
        rewrite(document, "lighthouse", lambda body: "\n".join(lines)))


if __name__ == "__main__":
    main()
