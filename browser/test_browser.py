#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""KARVEL's browser edition used as a user uses it, in Chromium and Firefox
ESR (headless) and in WebKitGTK, the engine of Safari (on the X display it
is given).

    browser/test_browser.py FOLDER [ENGINE...]  the tests below, in the
                                               engines named (chromium,
                                               webkitgtk, firefox; all by
                                               default)
    browser/test_browser.py --measure FOLDER   what the page loads, gzipped
                                               and with brotli, and the time
                                               to its first window

FOLDER is the one that make web writes (dist/karvel-VERSION-web), served
here on 127.0.0.1 as a careful host serves it: under a strict content
security policy. The fields are read where a screen reader reads them: in
the elements that Qt's accessibility puts into the page. Mouse clicks, taps
and keys go to the windows as a user's would.
"""

import base64
import gzip
import hashlib
import http.server
import json
import os
import pathlib
import re
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

import websocket
from selenium import webdriver
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.keys import Keys

# The six results of 14.2 MHz, as the desktop gives them.
RESULTS = {
    'INCH': ['106.740048012421', '870.688710818996', '152.462018239513',
             '33.0209608516566', '60.5522909320051', '68.7867370889673'],
    'CM': ['271.119721951548', '2211.54932548025', '387.253526328363',
           '83.8732405632078', '153.802818967293', '174.718312205977'],
}
RESULT_BOXES = ['Text5', 'Text7', 'Text9', 'Text14', 'Text15', 'Text16']
BUTTONS = {'INCH': 'Command1', 'CM': 'Command2'}
# The desktop's windows, at their sizes in logical pixels (the README's
# pictures of them).
DOCS = pathlib.Path(__file__).resolve().parent.parent / 'docs'
WINDOWS = {'Form1': 'main-window.png', 'Fold': 'details-window.png', 'web': 'link-window.png'}
SHADOW = "document.querySelector('#qt-shadow-container').shadowRoot"
# What a host should send with every file (the README lists them).
HEADERS = {
    'Content-Security-Policy': "default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; "
                               "style-src 'self' 'unsafe-inline'; img-src 'self' data: blob:; object-src 'none'; "
                               "base-uri 'none'; frame-ancestors 'none'",
    'X-Content-Type-Options': 'nosniff',
}
AXE = (pathlib.Path(os.environ.get('XDG_CACHE_HOME', pathlib.Path.home() / '.cache')) / 'karvel' / 'npm' / 'node_modules'
       / 'axe-core' / 'axe.min.js')


def png_size(path):
    header = path.read_bytes()[16:24]
    return int.from_bytes(header[:4], 'big'), int.from_bytes(header[4:], 'big')


class Server:
    """A folder on 127.0.0.1, which can be cut, brought back on the same port,
    or replaced by another release; its files carry the caching it is told."""

    def __init__(self, folder, caching='no-cache'):
        self.folder, self.caching = folder, caching
        server = self

        class Handler(http.server.SimpleHTTPRequestHandler):
            extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                              '.js': 'text/javascript', '.wasm': 'application/wasm',
                              '.webmanifest': 'application/manifest+json'}

            def __init__(self, *arguments, **keywords):
                super().__init__(*arguments, directory=str(server.folder), **keywords)

            def end_headers(self):
                for name, value in {**HEADERS, 'Cache-Control': server.caching}.items():
                    self.send_header(name, value)
                super().end_headers()

            def log_message(self, *arguments):
                pass
        self.handler = Handler
        self.port = 0
        self.start()

    def start(self):
        self.server = http.server.ThreadingHTTPServer(('127.0.0.1', self.port), self.handler)
        self.port = self.server.server_port
        threading.Thread(target=self.server.serve_forever, daemon=True).start()

    def cut(self):
        self.server.shutdown()
        self.server.server_close()

    @property
    def address(self):
        return f'http://127.0.0.1:{self.port}/'


class Selenium:
    """A browser through its WebDriver: Chromium's, or WebKitGTK's driver
    with its MiniBrowser. Another engine is another class with these methods."""

    WEBKIT_BROWSER = next(iter(pathlib.Path('/usr/lib').glob('*/webkit2gtk-4.1/MiniBrowser')), None)

    def __init__(self, engine, profile, phone):
        self.engine = engine
        self.pointer = PointerInput('touch' if phone else 'mouse', 'pointer')
        if engine == 'chromium':
            options = webdriver.ChromeOptions()
            for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1000,800',
                             '--force-device-scale-factor=2', '--no-first-run', '--lang=en-US',
                             f'--user-data-dir={profile}'):
                options.add_argument(argument)
            if phone:
                options.add_experimental_option('mobileEmulation', {
                    'deviceMetrics': {'width': 390, 'height': 844, 'pixelRatio': 3, 'touch': True,
                                      'mobile': True}})
            self.driver = webdriver.Chrome(options=options)
        else:
            options = webdriver.WebKitGTKOptions()
            options.binary_location = str(self.WEBKIT_BROWSER)
            options.add_argument('--automation')
            self.driver = webdriver.WebKitGTK(options=options)
            self.driver.set_window_size(1000, 800)

    def get(self, address):
        self.driver.get(address)

    def refresh(self):
        self.driver.refresh()

    def run(self, script):
        return self.driver.execute_script(script)

    def click(self, x, y):
        actions = ActionBuilder(self.driver, mouse=self.pointer)
        actions.pointer_action.move_to_location(int(x), int(y))
        actions.pointer_action.click()
        actions.perform()

    def keys(self, *keys, control=False):
        chain = ActionChains(self.driver)
        if control:
            chain.key_down(Keys.CONTROL)
        chain.send_keys(*keys)
        if control:
            chain.key_up(Keys.CONTROL)
        chain.perform()

    def clear_cache(self):
        # WebKit's driver cannot empty its HTTP cache; the offline case's
        # server forbids it to store anything (no-store).
        if self.engine == 'chromium':
            self.driver.execute_cdp_cmd('Network.clearBrowserCache', {})

    def screenshot(self, path):
        self.driver.save_screenshot(str(path))

    def quit(self):
        self.driver.quit()


class Firefox:
    """Firefox ESR through its own WebDriver BiDi (Debian has no geckodriver):
    the same methods as Selenium's."""

    def __init__(self, engine, profile, phone):
        del engine, phone
        with socket.socket() as free:
            free.bind(('127.0.0.1', 0))
            port = free.getsockname()[1]
        pathlib.Path(profile, 'user.js').write_text(
            'user_pref("browser.shell.checkDefaultBrowser", false);\n'
            'user_pref("datareporting.policy.dataSubmissionEnabled", false);\n', encoding='utf-8')
        self.process = subprocess.Popen(['firefox-esr', '--headless', '--no-remote', '--profile', profile,
                                         f'--remote-debugging-port={port}', 'about:blank'],
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        for line in self.process.stdout:
            if 'WebDriver BiDi listening' in line:
                break
        else:
            raise RuntimeError('Firefox ended before it listened for WebDriver BiDi')
        threading.Thread(target=self.process.stdout.read, daemon=True).start()
        # Firefox refuses a connection that names an origin.
        self.socket = websocket.create_connection(f'ws://127.0.0.1:{port}/session', timeout=120,
                                                  suppress_origin=True)
        self.last = 0
        self.command('session.new', capabilities={})
        self.context = self.command('browsingContext.getTree')['contexts'][0]['context']
        self.command('browsingContext.setViewport', context=self.context,
                     viewport={'width': 1000, 'height': 800}, devicePixelRatio=2)

    def command(self, method, **parameters):
        self.last += 1
        self.socket.send(json.dumps({'id': self.last, 'method': method, 'params': parameters}))
        while True:
            answer = json.loads(self.socket.recv())
            if answer.get('id') == self.last:
                if answer['type'] != 'success':
                    raise RuntimeError(f"{method}: {answer.get('error')}: {answer.get('message')}")
                return answer['result']

    @staticmethod
    def value(remote):
        kind, value = remote['type'], remote.get('value')
        if kind in ('array', 'set'):
            return [Firefox.value(item) for item in value]
        if kind == 'object':
            return {key: Firefox.value(item) for key, item in value}
        if kind == 'number' and isinstance(value, float) and value.is_integer():
            return int(value)
        return None if kind in ('null', 'undefined') else value

    def get(self, address):
        self.command('browsingContext.navigate', context=self.context, url=address, wait='complete')

    def refresh(self):
        self.command('browsingContext.reload', context=self.context, wait='complete')

    def run(self, script):
        result = self.command('script.callFunction', functionDeclaration=f'async function() {{ {script} }}',
                              awaitPromise=True, target={'context': self.context})
        if result['type'] == 'exception':
            raise RuntimeError(result['exceptionDetails']['text'])
        return self.value(result['result'])

    def perform(self, *sources):
        self.command('input.performActions', context=self.context, actions=list(sources))

    def click(self, x, y):
        self.perform({'type': 'pointer', 'id': 'mouse', 'parameters': {'pointerType': 'mouse'},
                      'actions': [{'type': 'pointerMove', 'x': int(x), 'y': int(y)},
                                  {'type': 'pointerDown', 'button': 0}, {'type': 'pointerUp', 'button': 0}]})

    def keys(self, *keys, control=False):
        typed = [action for key in ''.join(keys)
                 for action in ({'type': 'keyDown', 'value': key}, {'type': 'keyUp', 'value': key})]
        if control:
            typed = [{'type': 'keyDown', 'value': Keys.CONTROL}, *typed, {'type': 'keyUp', 'value': Keys.CONTROL}]
        self.perform({'type': 'key', 'id': 'keyboard', 'actions': typed})

    def clear_cache(self):
        # No WebDriver empties Firefox's HTTP cache; the offline case's
        # server forbids it to store anything (no-store).
        pass

    def screenshot(self, path):
        data = self.command('browsingContext.captureScreenshot', context=self.context)['data']
        pathlib.Path(path).write_bytes(base64.b64decode(data))

    def quit(self):
        try:
            self.command('browser.close')
        except Exception:  # it may close the connection before it answers
            pass
        self.socket.close()
        try:
            self.process.wait(timeout=30)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


ENGINES = {'chromium': Selenium, 'webkitgtk': Selenium, 'firefox': Firefox}


class Page:
    def __init__(self, engine, server, profile, phone=False):
        self.engine, self.server, self.profile, self.phone = engine, server, profile, phone
        self.browser = ENGINES[engine](engine, profile, phone)

    def reopen(self):
        """The browser closed and started again, as a user does, with the same profile."""
        self.browser.quit()
        self.browser = ENGINES[self.engine](self.engine, self.profile, self.phone)
        self.open()

    def open(self):
        self.browser.get(self.server.address)
        self.started()

    def reload(self):
        self.browser.refresh()
        self.started()

    def started(self):
        self.wait_for(self.first_window, 'the main window', seconds=60)
        # Qt builds the elements that a screen reader reads once asked to.
        self.run(f"{SHADOW}.querySelector('.hidden-visually-read-by-screen-reader').click()")
        self.wait_for(lambda: self.run(f'return !!{self.element("Form1", "Text3")}'), "the main window's fields")

    def first_window(self):
        return self.run("const root = document.querySelector('#qt-shadow-container');"
                        "return !!(root && root.shadowRoot && root.shadowRoot.querySelector('.qt-window canvas'));")

    def run(self, script):
        return self.browser.run(script)

    def wait_for(self, condition, what, seconds=20):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise AssertionError(f'no {what} after {seconds} s')

    def window(self, name):
        """The page's window of that description, shown, with its CSS size and canvas size."""
        return self.run(f"""
            const root = document.querySelector('#qt-shadow-container');
            for (const window of root && root.shadowRoot ? root.shadowRoot.querySelectorAll('.qt-window') : []) {{
                const a11y = window.querySelector('[id="HostRuntime::Application.{name}"]');
                const canvas = window.querySelector('canvas');
                if (a11y && window.style.display !== 'none')
                    return {{css: [canvas.clientWidth, canvas.clientHeight], pixels: [canvas.width, canvas.height]}};
            }}
            return null;""")

    @staticmethod
    def element(window, name):
        return f"{SHADOW}.getElementById('HostRuntime::Application.{window}.{name}')"

    def text(self, window, name):
        return self.run(f'return {self.element(window, name)}.textContent')

    def rectangle(self, window, name):
        return self.run(f"""const r = {self.element(window, name)}.getBoundingClientRect();
                            return [r.left, r.top, r.width, r.height];""")

    def press(self, window, name):
        """A click (or on a phone a tap) in the middle of the control."""
        left, top, width, height = self.rectangle(window, name)
        # On a magnified page (a phone's) the driver counts from the corner
        # of the part shown.
        shown_left, shown_top = self.run('return [visualViewport.offsetLeft, visualViewport.offsetTop];')
        self.browser.click(left + width / 2 - shown_left, top + height / 2 - shown_top)
        time.sleep(0.3)

    def keys(self, *keys):
        self.browser.keys(*keys)
        time.sleep(0.3)

    def type_frequency(self, text):
        self.press('Form1', 'Text3')
        self.browser.keys('a', control=True)
        self.keys(text)

    def results(self):
        return [self.text('Form1', box) for box in RESULT_BOXES]

    def calculate(self, unit):
        self.type_frequency('14.2')
        self.press('Form1', BUTTONS[unit])
        return self.results()

    def message_box(self):
        """The text of the message box shown, if one is."""
        return self.run(f"""
            for (const window of {SHADOW}.querySelectorAll('.qt-window'))
                if (window.style.display !== 'none' && window.querySelector('[id$="QMessageBox"], [id*="QMessageBox."]'))
                    return window.querySelector('.qt-window-a11y-container').textContent;
            return null;""")

    def notice(self, text, seconds=60):
        """Waits for the page's line about its offline copy to say that."""
        shown = "const n = document.getElementById('offline'); return n.hidden ? '' : n.textContent"
        try:
            return self.wait_for(lambda: text in (self.run(shown) or ''), f'notice "{text}"', seconds)
        except AssertionError as error:
            raise AssertionError(f'{error}; it says "{(self.run(shown) or "").strip()}"') from None

    def caches(self):
        return self.run('return caches.keys()')

    def close(self):
        self.browser.quit()


def check(failures, what, got, expected):
    if got == expected:
        print(f'ok: {what}')
    else:
        failures.append(f'{what}: got {got!r}, expected {expected!r}')
        print(f'FAIL: {failures[-1]}')


def calculations(page, failures):
    """14.2 MHz, each unit by each way of pressing its button."""
    for unit, how in (('INCH', 'mouse'), ('CM', 'mouse'), ('CM', 'keyboard'), ('INCH', 'keyboard')):
        page.type_frequency('14.2')
        if how == 'mouse':
            page.press('Form1', BUTTONS[unit])
        else:
            # The frequency box has the focus; INCH comes next, then CM.
            page.keys(*[Keys.TAB] * (1 if unit == 'INCH' else 2), Keys.SPACE)
        check(failures, f'{unit} by {how}', page.results(), RESULTS[unit])


def windows_at_desktop_size(page, failures):
    page.press('Form1', 'Command5')
    page.wait_for(lambda: page.window('Fold'), 'GAMMA DETAILS window')
    page.press('Form1', 'Command3')
    page.wait_for(lambda: page.window('web'), 'WEBSITE window')
    ratio = page.run('return window.devicePixelRatio')
    for name, picture in WINDOWS.items():
        shown = page.window(name)
        width, height = png_size(DOCS / picture)
        check(failures, f'{name} at the desktop size', shown['css'], [width, height])
        check(failures, f'{name} sharp at the screen\'s density', shown['pixels'],
              [round(ratio * width), round(ratio * height)])


def accessible_names(page, failures):
    """What a screen reader meets, with all three windows open: axe-core's
    critical and serious findings, and the frequency box's name."""
    check(failures, 'the frequency box is named as on the desktop',
          page.run(f"return {page.element('Form1', 'Text3')}.getAttribute('aria-label')"), 'INPUT FREQUENCY IN MHZ')
    page.run(AXE.read_text(encoding='utf-8'))
    found = page.run("""
        const results = await axe.run(document, {resultTypes: ['violations']});
        return results.violations.filter(v => v.impact === 'critical' || v.impact === 'serious')
                                 .flatMap(v => v.nodes.map(n => `${v.id} (${v.impact}): ${n.html.match(/id="([^"]*)"/)?.[1] ?? n.html}`));""")
    check(failures, 'axe-core: no critical or serious violation', found, [])


def link(page, failures):
    # What the page asks of the browser, without leaving the machine.
    page.run("window.opened = []; window.open = (address, target) => { window.opened.push([address, target]); return null; };")
    page.press('web', 'lblWebPage')
    check(failures, 'the link opens the page in a new tab', page.run('return window.opened'),
          [['https://example.net/quad/', '_blank']])


def not_a_number(page, failures):
    page.type_frequency('abc')
    page.press('Form1', BUTTONS['CM'])
    report = page.wait_for(page.message_box, 'message box for "abc"')
    check(failures, 'the report for "abc"', '"abc" is not a number' in report, True)
    page.keys(Keys.ENTER)
    check(failures, 'the report goes, what was typed stays',
          [page.message_box(), page.text('Form1', 'Text3')], [None, 'abc'])


def exit_and_start_again(page, failures):
    page.press('Form1', 'Command4')
    ended = page.wait_for(lambda: page.run(
        "const e = document.getElementById('ended'); return e.style.display === 'flex' && e.textContent"),
        'end of the program')
    check(failures, 'EXIT ends the program in the page',
          [' '.join(ended.split()), page.window('Form1')], ['KARVEL has ended. Start KARVEL again', None])
    page.run("document.getElementById('start-again').click()")
    page.started()
    check(failures, 'it starts again', bool(page.window('Form1')), True)


def offline(page, failures):
    """Days later at the antenna: the browser's own cache has gone, and the
    server cannot be reached."""
    page.notice('ready to work without a network')
    page.browser.clear_cache()
    page.server.cut()
    try:
        page.reload()
        check(failures, 'offline: CM', page.calculate('CM'), RESULTS['CM'])
    finally:
        page.server.start()


def release(folder, name, corrupt=None):
    """A copy of the release in FOLDER whose page says NAME in its title, its
    worker's list made anew; with CORRUPT, that file then spoilt."""
    copy = pathlib.Path(tempfile.mkdtemp(prefix=f'karvel-{name}-'))
    shutil.copytree(folder, copy, dirs_exist_ok=True)
    page = copy / 'index.html'
    page.write_text(page.read_text(encoding='utf-8').replace('<title>', f'<title>{name} '), encoding='utf-8')
    digest = hashlib.sha256(page.read_bytes()).hexdigest()
    worker = copy / 'service-worker.js'
    text = re.sub(r"('(?:\./|index\.html)': ')[0-9a-f]{64}'", rf"\g<1>{digest}'", worker.read_text(encoding='utf-8'))
    text = re.sub(r"(const cacheName = '[^']*)'", rf"\1-{name}'", text)
    worker.write_text(text, encoding='utf-8')
    if corrupt:
        spoilt = copy / corrupt
        data = bytearray(spoilt.read_bytes())
        data[len(data) // 2] ^= 0xFF
        spoilt.write_bytes(bytes(data))
    return copy, re.search(r"const cacheName = '([^']*)'", text).group(1)


def updates(page, failures):
    """A release B reaches every user, even where the host lets browsers
    keep files for ten minutes; a broken release C takes nothing away."""
    first = page.server.folder
    page.notice('ready to work without a network')
    try:
        page.server.folder, b_cache = release(first, 'B')
        page.reload()
        page.notice('A new version of KARVEL is ready')
        page.reopen()
        if page.engine == 'firefox':
            # Firefox serves the first page after its start from its own
            # cache, before the worker: B comes with the next start.
            page.reload()
        check(failures, 'update: B runs after the browser is opened again', page.run('return document.title'),
              f'B KARVEL {VERSION}')
        check(failures, "update: only B's copy is kept", page.caches(), [b_cache])
        page.server.folder, _ = release(first, 'C', corrupt='karvel.wasm')
        page.reload()
        # Time for its worker to try, and fail, to keep C.
        time.sleep(5)
        check(failures, 'broken release: B still runs', [page.run('return document.title'), page.calculate('INCH')],
              [f'B KARVEL {VERSION}', RESULTS['INCH']])
        check(failures, "broken release: B's copy is kept", page.caches(), [b_cache])
    finally:
        page.server.folder = first


def phone(page, failures):
    """As the page first opens on a phone: the calculator column readable and
    tapped without zooming, the rest of the window a scroll or a pinch away."""
    column = ['Text3', 'Command1', 'Command2'] + RESULT_BOXES

    def view():
        return page.run(f"""
            const v = visualViewport, view = {{scale: v.scale, at: [v.offsetLeft, v.offsetTop]}};
            for (const name of {json.dumps(column)}) {{
                const r = {SHADOW}.getElementById('HostRuntime::Application.Form1.' + name).getBoundingClientRect();
                view[name] = {{shown: r.left >= v.offsetLeft && r.right <= v.offsetLeft + v.width
                                      && r.top >= v.offsetTop && r.bottom <= v.offsetTop + v.height,
                               height: r.height * v.scale}};
            }}
            const w = {SHADOW}.querySelector('.qt-window').getBoundingClientRect();
            view.reachable = w.left + scrollX >= 0 && w.top + scrollY >= 0
                && w.right + scrollX <= document.documentElement.scrollWidth
                && w.bottom + scrollY <= document.documentElement.scrollHeight
                && !/user-scalable *= *(no|0)|maximum-scale/.test(document.querySelector('meta[name=viewport]').content);
            return view;""")
    first = view()
    page.browser.screenshot(pathlib.Path(tempfile.gettempdir()) / 'karvel-phone.png')
    check(failures, 'phone: the calculator column shown as the page opens',
          [name for name in column if not first[name]['shown']], [])
    # The windows' smallest text is 8.25 points: 11 CSS pixels unmagnified.
    check(failures, 'phone: text at least 12 CSS pixels as shown', 11 * first['scale'] >= 12, True)
    check(failures, 'phone: INCH and CM at least 44 CSS pixels tall as shown',
          [name for name in BUTTONS.values() if first[name]['height'] < 44], [])
    check(failures, 'phone: the whole window reached by scrolling or pinching out', first['reachable'], True)
    page.type_frequency('14.2')
    check(failures, 'phone: the frequency box asks for a decimal keypad',
          page.run("return document.querySelector('body > input').getAttribute('inputmode')"), 'decimal')
    page.press('Form1', BUTTONS['INCH'])
    check(failures, 'phone: INCH by touch', page.results(), RESULTS['INCH'])
    check(failures, 'phone: the view stays on the column while typing', view()['at'], first['at'])


# Each on a page of its own: (name, phone, caching by the server, steps,
# engines). WebKit's automation keeps nothing once the browser is closed,
# and only Chromium emulates a phone.
CASES = [
    ('desktop', False, 'no-cache',
     [calculations, windows_at_desktop_size, accessible_names, link, not_a_number, exit_and_start_again],
     set(ENGINES)),
    ('offline', False, 'no-store', [offline], set(ENGINES)),
    ('updates', False, 'max-age=600', [updates], {'chromium', 'firefox'}),
    ('phone', True, 'no-cache', [phone], {'chromium'}),
]


def test(folder, engines):
    server = Server(folder)
    failures = []
    for engine in engines:
        for name, on_phone, caching, steps, case_engines in CASES:
            if engine not in case_engines:
                continue
            print(f'::: {engine}: {name}')
            server.caching = caching
            with tempfile.TemporaryDirectory() as profile:
                page = None
                try:
                    page = Page(engine, server, profile, phone=on_phone)
                    page.open()
                    for step in steps:
                        step(page, failures)
                except Exception as error:  # a step that cannot go on fails its case, not the others
                    failures.append(f'{engine} {name}: {type(error).__name__}: {error}')
                    print(f'FAIL: {failures[-1]}')
                finally:
                    if page:
                        page.close()
    print(f'{len(failures)} failed' if failures else 'all passed')
    return 1 if failures else 0


def measure(folder, runs=5):
    """The page's weight and its start, not checked against anything."""
    server = Server(folder)
    loaded = ['index.html', 'karvel-page.js', 'karvel.js', 'qtloader.js', 'karvel.wasm', 'manifest.webmanifest',
              'karvel.svg', 'service-worker.js']
    data = {name: (pathlib.Path(folder) / name).read_bytes() for name in loaded}
    sizes = {'as served': {name: len(body) for name, body in data.items()},
             'gzip -9': {name: len(gzip.compress(body, 9)) for name, body in data.items()},
             'brotli -q 11': {name: len(subprocess.run(['brotli', '-c', '-q', '11'], input=body, check=True,
                                                       capture_output=True).stdout) for name, body in data.items()}}
    for how, size in sizes.items():
        print(f'what the page loads, {how}: {sum(size.values())} bytes', size)
    times = []
    for _ in range(runs):
        with tempfile.TemporaryDirectory() as profile:
            page = Page('chromium', server, profile)
            try:
                page.browser.get(server.address)
                page.wait_for(page.first_window, 'the main window', seconds=60)
                # Since the navigation began, as the page counts it.
                times.append(page.run('return performance.now()') / 1000)
            finally:
                page.close()
    times.sort()
    print(f'main window shown after navigation: median {times[len(times) // 2]:.2f} s '
          f'(of {runs}: {", ".join(f"{t:.2f}" for t in times)})')


VERSION = ''

if __name__ == '__main__':
    if len(sys.argv) == 3 and sys.argv[1] == '--measure':
        measure(sys.argv[2])
    elif len(sys.argv) >= 2 and not sys.argv[1].startswith('-') and set(sys.argv[2:]) <= set(ENGINES):
        VERSION = re.search(r'<title>KARVEL ([^<]*)</title>',
                            (pathlib.Path(sys.argv[1]) / 'index.html').read_text(encoding='utf-8')).group(1)
        sys.exit(test(pathlib.Path(sys.argv[1]), sys.argv[2:] or list(ENGINES)))
    else:
        sys.exit(__doc__)
