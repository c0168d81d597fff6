#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The browser page as an inspector meets it: unpacked from the zip for a static host, served on loopback and
driven in Debian's Chromium (headless, by Selenium) at a phone's viewport and a desktop's.

Usage: test_site.py ZIP ANGULON_CHART WEBNATIVE SHOTS"""
import functools, http.server, os, subprocess, sys, tempfile, threading, unittest, zipfile
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select, WebDriverWait

ZIP, CHART, NATIVE, SHOTS = sys.argv[1:5]
SITE = {'index.html', 'style.css', 'app.js', 'core.js', 'chart.js', 'sw.js', 'manifest.webmanifest', 'angulon.wasm', 'icon-192.png', 'icon-512.png'}


def native(command, texts):
    """The response of the page's function run natively to the texts."""
    return [t.decode() for t in subprocess.run([NATIVE, command], input=b'\xff'.join(t.encode() for t in texts), capture_output=True, check=True).stdout.split(b'\xff')]


PHONE = {'deviceMetrics': {'width': 390, 'height': 844, 'pixelRatio': 2}, 'userAgent': 'Mozilla/5.0 (Linux; Android 14) Mobile'}


def describe():
    """The core's description of the page, read as web/exports.h writes it."""
    texts = iter(native('angulon_description', [])[1:])
    text, many = lambda: next(texts), lambda read: [read() for _ in range(int(next(texts)))]
    return text(), text(), many(text), many(lambda: {'name': text(), 'title': text(), 'tab': text().strip(), 'commands': [[text(), text(), text()] for _ in 'cc'],
                                                     'units': [[text(), text()] for _ in 'im'], 'fields': many(lambda: [text(), text(), text(), text(), text() == '1'])})


_, TITLE, ANGLES, PANELS = describe()
LOCATE = 3

# name, panel, inches chosen, the texts typed or chosen in its fields in order (a text that long is pasted), what is
# pressed: Return in a field (its index), a held Return in the first, CALCULATE or CLEAR clicked, the other unit chosen;
# then field texts written out by index. Every field then shows what the native core answers to the same texts, or
# its prompt and the fields as they were; the panel shows the drawing it answers, if any.
PANEL_ROWS = [
    ('1 in at 70', 0, True, ['1'], [0], {2: '2.924 in', 3: '5.848 in'}), ('20 mm at 70', 0, False, ['20'], ['calculate'], {2: '58.480 mm', 3: '116.959 mm'}),
    ('fraction at 60', 0, True, ['1 1/2"', '60'], [1], {2: '3.000 in'}), ('CLEAR keeps the angle', 0, True, ['1', '45'], [0, 'clear'], {0: '', 1: '45'}),
    ('held Return', 0, True, ['1'], ['held'], {2: ''}), ('not a number', 0, True, ['abc'], [0], {}), ('unit mismatch', 0, False, ['0.5 in'], [0], {}),
    ('too large', 0, True, ['1E308'], ['calculate'], {}), ('300,000 digits pasted', 0, True, ['1' * 300000], ['calculate'], {}),
    ('surface in at 70', 1, True, ['2.924'], [0], {2: '2.747 in'}), ('surface mm at 45', 1, False, ['58.480', '45'], ['calculate'], {}),
    ('depth in', 2, True, ['1', '2.924', '2'], [2], {3: '0.684 in'}), ('depth mm past B', 2, False, ['20', '58.480', '70'], ['calculate'], {}),
    ('depth CLEAR', 2, True, ['1', '2', '1'], ['calculate', 'clear'], {}), ('depth missing', 2, True, [], [0], {}),
    ('pipe reached', LOCATE, False, ['200', '20', '45', '35'], ['calculate'], {4: '2'}),
    ('pipe missed', LOCATE, False, ['100', '20', '45', '35'], [3], {4: '1'}), ('plate at 68.5', LOCATE, True, ['', '1', '68.5', '2'], [2], {0: ''}),
    ('drawing replaced', LOCATE, False, ['200', '20', '70', '35'], [0, 'calculate'], {}), ('wall too thick', LOCATE, False, ['100', '60', '45', '35'], [1], {}),
    ('refused unit keeps all', LOCATE, False, ['200 mm', '20', '45', '35'], ['calculate', 'units', 'calculate'], {0: '200 mm', 4: '2'}),
    ('locate CLEAR', LOCATE, True, ['8', '1', '45', '3'], ['calculate', 'clear'], {2: '45', 4: ''}), ('angle missing', LOCATE, True, ['8', '1', '', '3'], [3], {}),
]
GERMAN_ROWS = [('comma', 0, True, ['1,5'], [0], {2: '4,386 in'}), ('point under comma', 0, True, ['1.5'], [0], {}),
               ('locate comma', LOCATE, False, ['200', '20', '44,5', '35,5'], [3], {})]
# The same texts into the core compiled to WebAssembly and into the native core: a panel's CALCULATE (0) or CLEAR (1)
# with the decimal separator, the inch flag and the field texts; the chart refused; the description; requests too short.
CORE_ROWS = [['angulon_panel_command', decimal, inch, PANELS[panel]['commands'][command][0], *texts] for panel, command, decimal, inch, *texts in [
    (0, 0, '.', '1', '1 1/2"', '70', 'x', ''), (0, 0, ',', '0', '1,5 mm', '060', '', ''), (0, 0, '.', '1', '1', '7E1', '', ''), (0, 0, '.', '1', '−1 ü', '50', '', ''),
    (1, 1, ',', '1', '1', '70', '9'), (2, 0, '.', '1', '1', '0', '2', ''), (2, 0, ',', '0', '25,4', '74,26', '200', ''), (2, 0, '.', '1', '1'),
    (3, 0, '.', '0', '200', '20', '45', '35', '', '', '', ''), (3, 0, ',', '1', '', '1 1/2"', '60,5', '9', '', '', '', ''), (3, 1, '.', '1', '8', '1', '45', '3', '2', '1', '1', 'x'),
    (3, 0, '.', '0', '100', '50', '45', '35', '', '', '', '')]] + [
    ['angulon_chart_html', '.', '1', '1', '0.5', '0.1', '70'], ['angulon_chart_html', '.', '1', '1', '2'], ['angulon_description'],
    ['angulon_panel_command', '.', '1', 'CALCULATE', '1', '70', '', ''], ['angulon_panel_command', '.', '1']]
# The kind of each answer, by its first letter: fields, prompt, chart, description.
CORE_KINDS = 'fffp fpfp fffp pp d pp'
# Each panel's fields by role (input, angle, result), upper case where the caption is underlined.
ROLES = ['iarr', 'iar', 'iiIr', 'iimIrrrl']
# from, to, step, angles, inch, decimal, made by Return in STEP (or MAKE CHART), rows in the frame (a long chart: the first 120 of each angle)
CHARTS = [('6', '60', '2', ['70', '60', '45'], False, '.', False, 84), ('6', '10', '2', ['70', '60', '45'], False, '.', True, 9), ('1/4', '2', '1/16', ['45'], True, '.', True, 29),
          ('1', '1000', '0.1', ['70', '60', '45'], False, '.', False, 360), ('0,1', '0,3', '0,1', ['70', '60'], True, ',', False, 6)]
# Browser's text size, phone; column of each part (1 left, 2 right), the results in view before and after Return on Sound Path, focused after
# a tab's click, font px of CALCULATE, Inch and a sketch letter.
LAYOUTS = [(16, False, {'h2': 1, '.field': 1, '.commands': 1, '.sketch': 2, '.results': 2}, [True, True], 'field', [16, 16, 13]),
           (32, True, {'h2': 1, '.field': 1, '.commands': 1, '.sketch': 1, '.results': 1}, [False, True], 'tab', [32, 32, 26])]


http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None


def ready(driver):
    WebDriverWait(driver, 20).until(lambda d: d.execute_script("return document.body.classList.contains('ready')"))
    return driver


# Counts the chart frame's loads and records every task over 50 ms from now on.
MEASURE = """if (!window.tasks) { [window.tasks, window.loads] = [[], 0]; document.getElementById('chart-page').addEventListener('load', () => ++window.loads);
    new PerformanceObserver((list) => window.tasks.push(...list.getEntries().map((e) => e.duration))).observe({ type: 'longtask' }); } return window.loads;"""


def held_return(driver):
    """Return as a key held down sends it: a trusted press flagged as repeated."""
    driver.execute_cdp_cmd('Input.dispatchKeyEvent', {'type': 'keyDown', 'key': 'Enter', 'code': 'Enter', 'text': '\r', 'windowsVirtualKeyCode': 13, 'autoRepeat': True})


class Site(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp()
        with zipfile.ZipFile(ZIP) as archive:
            top = os.path.basename(ZIP)[:-len('.zip')]
            assert {n for n in archive.namelist() if not n.endswith('/')} == {f'{top}/{f}' for f in SITE}, archive.namelist()
            archive.extractall(cls.folder)
        cls.folder += f'/{top}'
        cls.server, cls.url = cls.serve()
        os.makedirs(SHOTS, exist_ok=True)

    @classmethod
    def serve(cls):
        server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(http.server.SimpleHTTPRequestHandler, directory=cls.folder))
        threading.Thread(target=server.serve_forever, daemon=True).start()
        return server, f'http://127.0.0.1:{server.server_address[1]}/'

    def open(self, phone=True, language='en-US', url=None, text=16):
        options = webdriver.ChromeOptions()
        for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-sync',
                     '--disable-component-update', '--no-first-run', '--window-size=1280,800', f'--lang={language}'):
            options.add_argument(flag)
        options.add_experimental_option('prefs', {'intl.accept_languages': language, 'webkit.webprefs.default_font_size': text})
        options.add_experimental_option('mobileEmulation', PHONE) if phone else None
        driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.addCleanup(driver.quit)
        driver.get(url or self.url)
        return ready(driver)

    def run_rows(self, driver, rows, shots='', decimal='.'):
        find = lambda id: driver.find_element(By.ID, id)
        paste = lambda control, text: control.click() or driver.execute_cdp_cmd('Input.insertText', {'text': text})
        for name, index, inch, typed, presses, written in rows:
            with self.subTest(name):
                panel, fields = PANELS[index], [field[0] for field in PANELS[index]['fields']]
                driver.refresh() or ready(driver).find_element(By.CSS_SELECTOR, f'[aria-controls={panel["name"]}]').click()
                find(panel['units'][not inch][0]).click()
                for control, text in zip(map(find, fields), typed):  # a text that long is pasted
                    Select(control).select_by_visible_text(text) if control.tag_name == 'select' else control.send_keys(text) if len(text) < 99 else paste(control, text)
                # What the native core answers to the same texts and commands; a held Return or a unit chosen runs none.
                texts, drawings, prompt = typed + [ANGLES[0] if field[1] == 'angle' else '' for field in panel['fields'][len(typed):]], [], None
                for press in presses:
                    command, inch = panel['commands'][press == 'clear'][0], inch != (press == 'units')
                    find(fields[0]).click() or held_return(driver) if press == 'held' else find(panel['units'][not inch][0]).click() if press == 'units' \
                        else find(command).click() if isinstance(press, str) else find(fields[press]).send_keys(Keys.RETURN)
                    kind, *answer = ['held'] if press in ('held', 'units') else native('angulon_panel_command', [decimal, str(int(inch)), command, *texts])
                    prompt, texts, drawings = (answer[0], texts, drawings) if kind == 'prompt' else (None, answer[:len(fields)], answer[len(fields):]) if answer else (prompt, texts, drawings)
                driver.save_screenshot(f'{SHOTS}/{shots}{name.replace(" ", "-")}.png')
                drawn = driver.execute_script("return [...document.querySelectorAll('.drawing svg')].map((svg) => svg.querySelectorAll('.reflector').length)")
                self.assertEqual(drawn, [svg.count('class="reflector"') for svg in drawings])
                if prompt:
                    self.assertEqual((find('prompt').is_displayed(), find('prompt-title').text, find('prompt-text').text), (True, TITLE, prompt))
                    # A held Return leaves the prompt up; a fresh press closes it, the focus back where it was.
                    self.assertTrue(held_return(driver) or find('prompt').is_displayed())
                    self.assertEqual((driver.switch_to.active_element.send_keys(Keys.RETURN) or find('prompt').is_displayed(), driver.switch_to.active_element.get_attribute('id')),
                                     (False, command if isinstance(presses[-1], str) else fields[presses[-1]]))
                shown = [find(id).get_attribute('value') for id in fields]
                self.assertEqual((shown, {i: shown[i] for i in written}), (texts, written))

    def test_panels_on_a_phone_and_a_desktop(self):
        for phone in (True, False):
            self.run_rows(self.open(phone), PANEL_ROWS, 'phone-' if phone else 'desktop-')
        self.run_rows(self.open(True, 'de-DE'), GERMAN_ROWS, 'german-', ',')

    def test_core_as_native(self):
        driver = self.open(False)
        wasm, imports, exports = driver.execute_async_script("""const [rows, done] = arguments;
            Promise.all([import('./app.js'), fetch('angulon.wasm').then(r => r.arrayBuffer()).then(b => WebAssembly.compile(b))]).then(([app, m]) =>
                done([rows.map(([command, ...texts]) => app.call(command, texts)), WebAssembly.Module.imports(m), WebAssembly.Module.exports(m).map(e => e.name)]));""", CORE_ROWS)
        self.assertEqual(wasm, [native(command, texts) for command, *texts in CORE_ROWS])
        self.assertEqual(''.join(answer[0][0] for answer in wasm), CORE_KINDS.replace(' ', ''))
        self.assertEqual([''.join(f[1][0].upper() if f[4] else f[1][0] for f in panel['fields']) for panel in PANELS], ROLES)
        self.assertEqual((imports, sorted(exports)), ([], sorted({r[0] for r in CORE_ROWS} | {'angulon_request', 'angulon_response', '_initialize', 'memory'})))

    def test_chart_as_angulon_chart(self):
        drivers = {}
        for first, last, step, angles, inch, decimal, by_return, rows in CHARTS:
            with self.subTest(last):
                driver = drivers.get(decimal) or drivers.setdefault(decimal, self.open(True, 'de-DE' if decimal == ',' else 'en-US'))
                find = lambda id: driver.find_element(By.ID, id)
                loads = find('tab-chart').click() or driver.execute_script(MEASURE)
                for id, text in (('chart-from', first), ('chart-to', last), ('chart-step', step)):
                    find(id).clear() or find(id).send_keys(text)
                [find(f'chart-angle-{a}').click() for a in ANGLES if find(f'chart-angle-{a}').is_selected() != (a in angles)]
                find('chart-inch' if inch else 'chart-milli').click() or (find('chart-step').send_keys(Keys.RETURN) if by_return else find('chart-make').click())
                options = ['--from', first, '--to', last, '--step', step, '--angles', ','.join(angles), '--unit', 'in' if inch else 'mm', '--decimal', decimal]
                printed = subprocess.run([CHART, *options, '--format', 'html'], capture_output=True, check=True, text=True).stdout
                WebDriverWait(driver, 120).until(lambda d: d.execute_script('return window.loads') > loads)
                # What is saved is angulon-chart's page, what is shown its first rows, printed only when whole; the frame as tall as what it shows, scrolled to its top or whole in view; no task over 200 ms.
                saved, whole, shown, height, in_view, longest = driver.execute_async_script("""fetch(document.getElementById('chart-save').href).then((r) => r.text()).then((saved, p = document.getElementById('chart-page')) =>
                    arguments[0]([saved, `${p.srcdoc === saved} ${!document.getElementById('chart-print').disabled}`, p.contentDocument.querySelectorAll('.chart tbody tr').length, p.clientHeight - p.contentDocument.documentElement.getBoundingClientRect().height, ((r) => Math.round(r.top) === 0 || (r.top >= 0 && r.bottom < innerHeight + 1))(p.getBoundingClientRect()), Math.max(0, ...window.tasks)]));""")
                self.assertEqual((saved == printed, whole, shown, abs(height) < 1, in_view, longest < 200), (True, 'true true' if rows < 120 else 'false false', rows, True, True, True), longest)
        driver.save_screenshot(f'{SHOTS}/phone-chart.png')
        find('chart-from').send_keys('x') or find('chart-make').click()
        WebDriverWait(driver, 20).until(lambda d: find('chart-problem').text)
        self.assertEqual((find('chart-problem').text, find('chart-page').is_displayed()), ('From: not a number, such as 6,5 or 1 1/4', False))

    def test_layout_and_text_size(self):
        for text, phone, columns, in_view, focus, sizes in LAYOUTS:
            driver = self.open(phone, text=text)
            for panel in PANELS:
                driver.find_element(By.CSS_SELECTOR, f'[aria-controls={panel["name"]}]').click()
                shown = driver.execute_script("""const [panel, parts] = [document.getElementById(arguments[0]), arguments[1]];
                    const middle = panel.getBoundingClientRect().left + panel.clientWidth / 2, focused = document.activeElement;
                    return [Object.fromEntries(parts.map((p) => [p, panel.querySelector(p).getBoundingClientRect().left < middle ? 1 : 2])),
                        focused.role === 'tab' ? 'tab' : focused === panel.querySelector('input') && 'field', panel.querySelector('.results').ariaLive,
                        ['.commands button', '.units label', '.sketch text'].map((s) => panel.querySelector(s) && parseFloat(getComputedStyle(panel.querySelector(s)).fontSize))];""", panel['name'], list(columns))
                # Locate's drawing has no letters.
                self.assertEqual(shown, [columns, focus, 'polite', sizes[:2] + [None] if panel is PANELS[LOCATE] else sizes], f'{text} px {panel["name"]}')
            view = 'return document.querySelector(".results").getBoundingClientRect().bottom < innerHeight + 1'
            before = driver.find_element(By.CSS_SELECTOR, '[role=tab]').click() or driver.execute_script(view)
            driver.find_element(By.ID, PANELS[0]['fields'][0][0]).send_keys('1', Keys.RETURN) or driver.save_screenshot(f'{SHOTS}/{text}px-{"phone" if phone else "desktop"}.png')
            self.assertEqual([before, driver.execute_script(view), driver.find_element(By.CLASS_NAME, 'spoken').get_attribute('textContent')], [*in_view, '= A-B 2.924 in; = A-B-C 5.848 in'])

    def test_made_for_a_phone(self):
        driver = self.open(True)
        self.assertEqual([s.get_attribute('id') for s in driver.find_elements(By.CSS_SELECTOR, 'main > section') if s.is_displayed()], [PANELS[0]['name']])
        for tab in driver.find_elements(By.CSS_SELECTOR, '[role=tab]'):
            tab.click()
            faults, *shown = driver.execute_script("""const [faults, shown, panel] = [[], [], document.getElementById(arguments[0])];
                if (document.documentElement.scrollWidth > innerWidth) faults.push('scrolls sideways');
                for (const c of document.querySelectorAll('main input, main select, main textarea, main button, nav button')) {
                    if (!c.offsetParent) continue;
                    const box = (c.type === 'radio' || c.type === 'checkbox' ? c.closest('label') : c).getBoundingClientRect();
                    if (box.height < 44 || box.width < 44) faults.push(c.id + ' is small');
                    if (c.tagName !== 'BUTTON' && !c.labels.length) faults.push(c.id + ' has no label');
                    const [label, kind] = [c.labels?.[0] || c, c.tagName === 'SELECT' ? 'angle' : c.tagName === 'TEXTAREA' && c.readOnly ? 'lines' : c.list?.options.length && c.inputMode === 'decimal' ? 'measured' : c.readOnly ? 'result' : c.type === 'text' && !c.inputMode && c.enterKeyHint === 'go' ? 'input' : c.type];
                    if (panel.contains(c)) shown.push([c.id, kind, label.textContent.trim(), c.title, !!label.querySelector('u')]);
                }
                return [faults, document.querySelector('[aria-selected=true]').textContent, panel.querySelector('h2').textContent, shown];""",
                tab.get_attribute('aria-controls'))
            self.assertEqual(faults, [], tab.text)
            # A calculator's panel as the core describes it, its controls in the window's order, which Tab follows.
            for panel in (p for p in PANELS if p['name'] == tab.get_attribute('aria-controls')):
                inputs, results = ([f for f in panel['fields'] if (f[1] in ('result', 'lines')) == r] for r in (False, True))
                units, commands = [[id, 'radio', caption, '', False] for id, caption in panel['units']], [[id, 'submit', *texts, False] for id, *texts in panel['commands']]
                self.assertEqual(shown, [panel['tab'], panel['title'], inputs + units + commands + results])
                driver.find_element(By.ID, inputs[0][0]).click()
                order = [driver.switch_to.active_element.send_keys(Keys.TAB) or driver.switch_to.active_element.get_attribute('id') for _ in shown[2][2:]]
                self.assertEqual(order, [c[0] for c in shown[2][1:] if c != units[1]], panel['name'])

    def test_offline_and_from_a_file(self):
        server, url = self.serve()
        driver = self.open(True, url=url)
        WebDriverWait(driver, 20).until(lambda d: d.execute_script('return !!navigator.serviceWorker.controller'))
        server.shutdown() or server.server_close()
        self.run_rows(driver, PANEL_ROWS[:1])
        self.assertEqual(driver.get(f'file://{self.folder}/index.html') or [driver.find_element(By.ID, 'status').text, driver.find_element(By.ID, 'needs-server').is_displayed()],
                         ["Angulon's page must be opened from a web server, not as a file.", True])


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
