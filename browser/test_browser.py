#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""KARVEL's browser edition used as a user uses it, in headless Chromium.

    browser/test_browser.py FOLDER             the tests below
    browser/test_browser.py --measure FOLDER   what the page loads, gzipped,
                                               and the time to its first window

FOLDER is the one that make web writes (dist/karvel-VERSION-web), served
here on 127.0.0.1 as any static web server serves it. The fields are read
where a screen reader reads them: in the elements that Qt's accessibility
puts into the page. Mouse clicks, taps and keys go to the windows as a
user's would.
"""

import functools
import gzip
import http.server
import pathlib
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.options import Options
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


def png_size(path):
    header = path.read_bytes()[16:24]
    return int.from_bytes(header[:4], 'big'), int.from_bytes(header[4:], 'big')


class Server:
    """The folder on 127.0.0.1, which can be cut and brought back on the same port."""

    def __init__(self, folder):
        class Quiet(http.server.SimpleHTTPRequestHandler):
            def log_message(self, *arguments):
                pass
        self.handler = functools.partial(Quiet, directory=str(folder))
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


class Page:
    def __init__(self, server, phone=False, profile=None):
        options = Options()
        for argument in ('--headless=new', '--no-sandbox', '--disable-gpu', '--window-size=1000,800',
                         '--force-device-scale-factor=2', '--no-first-run', '--lang=en-US'):
            options.add_argument(argument)
        if profile:
            options.add_argument(f'--user-data-dir={profile}')
        if phone:
            options.add_experimental_option('mobileEmulation', {
                'deviceMetrics': {'width': 390, 'height': 844, 'pixelRatio': 3, 'touch': True, 'mobile': True}})
        self.driver = webdriver.Chrome(options=options)
        self.server = server
        self.pointer = PointerInput('touch' if phone else 'mouse', 'pointer')

    def open(self):
        self.driver.get(self.server.address)
        self.wait_for(self.first_window, 'the main window')
        # Qt builds the elements that a screen reader reads once asked to.
        self.run(f"{SHADOW}.querySelector('.hidden-visually-read-by-screen-reader').click()")
        self.wait_for(lambda: self.element('Form1', 'Text3'), "the main window's fields")

    def first_window(self):
        return self.run("const root = document.querySelector('#qt-shadow-container');"
                        "return root && root.shadowRoot && root.shadowRoot.querySelector('.qt-window canvas');")

    def run(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

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

    def element(self, window, name):
        return self.run(f"return {SHADOW}.getElementById('HostRuntime::Application.{window}.{name}')")

    def text(self, window, name):
        return self.run('return arguments[0].textContent', self.element(window, name))

    def press(self, window, name):
        """A click (or on a phone a tap) in the middle of the control."""
        x, y = self.run("""const r = arguments[0].getBoundingClientRect();
                           return [r.left + r.width / 2, r.top + r.height / 2];""", self.element(window, name))
        self.pointer_at(x, y)

    def pointer_at(self, x, y):
        actions = ActionBuilder(self.driver, mouse=self.pointer)
        actions.pointer_action.move_to_location(int(x), int(y))
        actions.pointer_action.click()
        actions.perform()
        time.sleep(0.3)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()
        time.sleep(0.3)

    def type_frequency(self, text):
        self.press('Form1', 'Text3')
        ActionChains(self.driver).key_down(Keys.CONTROL).send_keys('a').key_up(Keys.CONTROL).perform()
        self.keys(text)

    def results(self):
        return [self.text('Form1', box) for box in RESULT_BOXES]

    def message_box(self):
        """The text of the message box shown, if one is."""
        return self.run(f"""
            for (const window of {SHADOW}.querySelectorAll('.qt-window'))
                if (window.style.display !== 'none' && window.querySelector('[id$="QMessageBox"], [id*="QMessageBox."]'))
                    return window.querySelector('.qt-window-a11y-container').textContent;
            return null;""")

    def close(self):
        self.driver.quit()


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


def check(failures, what, got, expected):
    if got == expected:
        print(f'ok: {what}')
    else:
        failures.append(f'{what}: got {got!r}, expected {expected!r}')
        print(f'FAIL: {failures[-1]}')


def windows_at_desktop_size(page, failures):
    page.press('Form1', 'Command5')
    page.wait_for(lambda: page.window('Fold'), 'GAMMA DETAILS window')
    page.press('Form1', 'Command3')
    page.wait_for(lambda: page.window('web'), 'WEBSITE window')
    for name, picture in WINDOWS.items():
        shown = page.window(name)
        width, height = png_size(DOCS / picture)
        check(failures, f'{name} at the desktop size', shown['css'], [width, height])
        check(failures, f'{name} sharp at twice the density', shown['pixels'], [2 * width, 2 * height])


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
    page.open()
    check(failures, 'it starts again', bool(page.window('Form1')), True)


def offline(page, failures):
    page.wait_for(lambda: page.run('return navigator.serviceWorker.controller !== null'), 'service worker')
    page.server.cut()
    try:
        page.driver.refresh()
        page.open()
        page.type_frequency('14.2')
        page.press('Form1', BUTTONS['CM'])
        check(failures, 'offline: CM', page.results(), RESULTS['CM'])
    finally:
        page.server.start()


def phone(page, failures):
    shown = page.run(f"""
        const r = {SHADOW}.querySelector('.qt-window').getBoundingClientRect();
        return [r.left >= 0, r.top >= 0, r.right <= window.innerWidth, r.bottom <= window.innerHeight];""")
    check(failures, 'phone: the whole main window on the screen', shown, [True] * 4)
    page.driver.save_screenshot(str(pathlib.Path(tempfile.gettempdir()) / 'karvel-phone.png'))
    page.type_frequency('14.2')
    page.press('Form1', BUTTONS['INCH'])
    check(failures, 'phone: INCH by touch', page.results(), RESULTS['INCH'])


# Each on a page of its own: (name, phone, steps).
CASES = [
    ('desktop', False, [calculations, windows_at_desktop_size, link, not_a_number, exit_and_start_again]),
    ('offline', False, [offline]),
    ('phone', True, [phone]),
]


def test(folder):
    server = Server(folder)
    failures = []
    for name, on_phone, steps in CASES:
        with tempfile.TemporaryDirectory() as profile:
            page = Page(server, phone=on_phone, profile=profile)
            try:
                page.open()
                for step in steps:
                    step(page, failures)
            except Exception as error:  # a step that cannot go on fails its case, not the others
                failures.append(f'{name}: {error}')
                print(f'FAIL: {failures[-1]}')
            finally:
                page.close()
    print(f'{len(failures)} failed' if failures else 'all passed')
    return 1 if failures else 0


def measure(folder, runs=5):
    """The page's weight and its start, not checked against anything."""
    server = Server(folder)
    loaded = ['index.html', 'karvel.js', 'qtloader.js', 'karvel.wasm', 'manifest.webmanifest', 'karvel.svg',
              'service-worker.js']
    sizes = {name: len(gzip.compress((pathlib.Path(folder) / name).read_bytes(), 9)) for name in loaded}
    print(f'gzipped, what the page loads: {sum(sizes.values())} bytes', sizes)
    times = []
    for _ in range(runs):
        with tempfile.TemporaryDirectory() as profile:
            page = Page(server, profile=profile)
            try:
                page.driver.get(server.address)
                page.wait_for(page.first_window, 'the main window', seconds=60)
                # Since the navigation began, as the page counts it.
                times.append(page.run('return performance.now()') / 1000)
            finally:
                page.close()
    times.sort()
    print(f'main window shown after navigation: median {times[len(times) // 2]:.2f} s '
          f'(of {runs}: {", ".join(f"{t:.2f}" for t in times)})')


if __name__ == '__main__':
    if len(sys.argv) == 3 and sys.argv[1] == '--measure':
        measure(sys.argv[2])
    elif len(sys.argv) == 2:
        sys.exit(test(sys.argv[1]))
    else:
        sys.exit(__doc__)
