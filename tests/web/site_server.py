"""Serves the built site on a free loopback port, in a process of its own that a test can
stop to take the page offline; and the tests' polling."""

import contextlib
import http.server
import multiprocessing
import socket
import functools
import time


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'  # connections kept open, as any real server does
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json'}

    def log_message(self, *args):
        pass


def _serve(folder, port):
    handler = functools.partial(_QuietHandler, directory=folder)
    http.server.ThreadingHTTPServer(('127.0.0.1', port), handler).serve_forever()


def poll(condition, seconds):
    """Whether condition() comes true within the time, asked every 50 ms."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(0.05)
    return False


def free_port():
    with contextlib.closing(socket.socket()) as probe:
        probe.bind(('127.0.0.1', 0))
        return probe.getsockname()[1]


class SiteServer:
    def __init__(self, folder):
        self.port = free_port()
        self.url = f'http://127.0.0.1:{self.port}/'
        self._process = multiprocessing.Process(target=_serve, args=(folder, self.port),
                                                daemon=True)

    def start(self):
        self._process.start()
        for _ in range(100):
            with contextlib.suppress(OSError), socket.create_connection(('127.0.0.1', self.port)):
                return self
            self._process.join(0.05)
        raise RuntimeError('the site server did not start')

    def stop(self):
        self._process.terminate()
        self._process.join()
