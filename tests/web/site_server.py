"""Serves the built site on a free loopback port, in a process of its own that a test can
stop to take the page offline, optionally with a cache lifetime as common static hosts
give, and writing down each path asked for; also the page in a frame of a phone's size;
and the tests' polling."""

import contextlib
import http.server
import multiprocessing
import socket
import functools
import io
import sys
import time

# A path the site has not: the page in a frame of WIDTHxHEIGHT px, as in /phone-frame/320x568.
FRAME = '/phone-frame/'


class _QuietHandler(http.server.SimpleHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'  # connections kept open, as any real server does
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json'}

    max_age = None
    requests = None
    wasm_delay = 0

    def send_head(self):
        if self.path.endswith('.wasm'):
            time.sleep(self.wasm_delay)
        if self.path.startswith(FRAME):
            return self._frame()
        return super().send_head()

    # The page in a frame of a phone's width, on the same origin: an engine whose window
    # will not narrow that far lays the page out at that width in it.
    def _frame(self):
        width, height = self.path[len(FRAME):].split('x')
        body = (f'<!DOCTYPE html><body style="margin:0"><iframe src="/" width="{int(width)}"'
                f' height="{int(height)}" style="border:0;display:block"></iframe>').encode()
        self.send_response(200)
        self.send_header('Content-Type', 'text/html')
        self.send_header('Content-Length', str(len(body)))
        self.end_headers()
        return io.BytesIO(body)

    def end_headers(self):
        if self.max_age is not None:
            self.send_header('Cache-Control', f'max-age={self.max_age}')
        super().end_headers()

    def log_message(self, *args):
        pass

    def log_request(self, code='-', size='-'):
        if self.requests:
            with open(self.requests, 'a') as log:
                # What asked: the page or its worker ('empty', 'script'...), or the
                # browser for an icon of its own ('image').
                dest = self.headers.get('Sec-Fetch-Dest', '-')
                log.write(f'{self.path} {int(code)} {dest}\n')


class _Server(http.server.ThreadingHTTPServer):
    # A browser that quits drops its open connections; that is no fault of the page's.
    def handle_error(self, request, client_address):
        if not isinstance(sys.exc_info()[1], ConnectionError):
            super().handle_error(request, client_address)


def _serve(folder, port, settings):
    handler = functools.partial(type('Handler', (_QuietHandler,), settings), directory=folder)
    _Server(('127.0.0.1', port), handler).serve_forever()


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
    def __init__(self, folder, max_age=None, requests=None, wasm_delay=0):
        """max_age: the seconds a browser may keep a file; requests: a file to which each
        request's path and status are added, a line each; wasm_delay: the seconds the
        WebAssembly takes to come, as on a slow network."""
        self.port = free_port()
        self.url = f'http://127.0.0.1:{self.port}/'
        settings = {'max_age': max_age, 'requests': requests, 'wasm_delay': wasm_delay}
        self._process = multiprocessing.Process(target=_serve, args=(folder, self.port, settings),
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
