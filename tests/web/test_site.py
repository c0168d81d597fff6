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
SITE = {'index.html', 'style.css', 'app.js', 'sw.js', 'manifest.webmanifest', 'angulon.wasm', 'icon-192.png', 'icon-512.png'}


def native(command, texts):
    """The response of the page's function run natively to the texts."""
    response = subprocess.run([NATIVE, command], input=b'\xff'.join(t.encode() for t in texts), capture_output=True, check=True).stdout
    return [text.decode() for text in response.split(b'\xff')]


PHONE = {'deviceMetrics': {'width': 390, 'height': 844, 'pixelRatio': 2}, 'userAgent': 'Mozilla/5.0 (Linux; Android 14) Mobile'}

# name, tab, what is typed or chosen (a unit button's id with None clicks it; 'paste:' pastes), the controls Return is pressed in or
# that are clicked ('held:' sends Return as a key held down), then the fields after it or the prompt's text.
PANEL_ROWS = [
    ('1 in at 70', 'tab-sound-path', {'T': '1'}, ['T'], {'A_B': '2.924 in', 'A_B_C': '5.848 in'}),
    ('20 mm at 70', 'tab-sound-path', {'opt_MILLI': None, 'T': '20'}, ['Command1'], {'A_B': '58.480 mm', 'A_B_C': '116.959 mm'}),
    ('fraction at 60', 'tab-sound-path', {'T': '1 1/2"', 'ANGLE_BOX': '60'}, ['ANGLE_BOX'], {'A_B': '3.000 in', 'A_B_C': '6.000 in'}),
    ('CLEAR keeps the angle', 'tab-sound-path', {'T': '1', 'ANGLE_BOX': '45'}, ['T', 'Command3'], {'T': '', 'ANGLE_BOX': '45', 'A_B': ''}),
    ('held Return', 'tab-sound-path', {'T': '1'}, ['held:T'], {'A_B': ''}),
    ('not a number', 'tab-sound-path', {'T': 'abc'}, ['T'], 'Please Enter the Material Thickness as a Number'),
    ('unit mismatch', 'tab-sound-path', {'opt_MILLI': None, 'T': '0.5 in'}, ['T'], 'The Material Thickness Is in Inches but Millimeter Is Selected'),
    ('too large', 'tab-sound-path', {'T': '1E308'}, ['Command1'], 'The Result is Too Large to Display'),
    ('surface in at 70', 'tab-surface-travel', {'SP_TEXT': '2.924'}, ['SP_TEXT'], {'SURFACE_TRAVEL': '2.747 in'}),
    ('surface mm at 45', 'tab-surface-travel', {'Option1': None, 'SP_TEXT': '58.480', 'ANGLE_BOX_2': '45'}, ['Command2'], {'SURFACE_TRAVEL': '41.351 mm'}),
    ('depth in', 'tab-indication-depth', {'MAT_T': '1', 'A_B_SND_PATH': '2.924', 'IND_SP': '2'}, ['IND_SP'], {'DEPTH': '0.684 in'}),
    ('depth mm past B', 'tab-indication-depth', {'Option3': None, 'MAT_T': '20', 'A_B_SND_PATH': '58.480', 'IND_SP': '70'}, ['Command4'], {'DEPTH': '16.060 mm'}),
    ('depth CLEAR', 'tab-indication-depth', {'MAT_T': '1', 'A_B_SND_PATH': '2', 'IND_SP': '1'}, ['Command4', 'Command6'], {'MAT_T': '', 'IND_SP': '', 'DEPTH': ''}),
    ('depth missing', 'tab-indication-depth', {}, ['MAT_T'], 'Please Enter the Material Thickness,\nthe A-B Sound Path and the Indication Sound Path'),
    # Pasted text large enough to grow the core's memory gets the window's answer, whatever the native core says.
    ('300,000 digits pasted', 'tab-sound-path', {'paste:T': '1' * 300000}, ['Command1'],
     native('angulon_sound_path_calculate', ['.', '1', '1' * 300000, '70', '', ''])[1]),
]
GERMAN_ROWS = [
    ('comma', 'tab-sound-path', {'T': '1,5'}, ['T'], {'A_B': '4,386 in', 'A_B_C': '8,772 in'}),
    ('point under comma', 'tab-sound-path', {'T': '1.5'}, ['T'], 'Please Enter the Material Thickness as a Number\n(decimal separator: ,)'),
]
# The same texts into the core compiled to WebAssembly and into the native core.
CORE_ROWS = [
    ['angulon_sound_path_calculate', '.', '1', '1 1/2"', '70', 'x', ''], ['angulon_sound_path_calculate', ',', '0', '1,5 mm', '060', '', ''],
    ['angulon_sound_path_calculate', '.', '1', '1', '7E1', '', ''], ['angulon_sound_path_calculate', '.', '1', '1', '50', '', ''],
    ['angulon_sound_path_calculate', '.', '1', '−1 ü', '70', '', ''], ['angulon_sound_path_clear', '.', '0', '1', '45', '2', '3'],
    ['angulon_surface_travel_calculate', '.', '0', '146.199 mm', '60', ''], ['angulon_surface_travel_calculate', '.', '1', '3/8', '45', ''],
    ['angulon_surface_travel_clear', ',', '1', '1', '70', '9'], ['angulon_indication_depth_calculate', '.', '1', '1', '0', '2', ''],
    ['angulon_indication_depth_calculate', ',', '0', '25,4', '74,26', '200', ''], ['angulon_indication_depth_clear', '.', '1', '1', '2', '3', '4'],
    ['angulon_chart_html', '.', '0', '6', '60', '2', '45', '70'], ['angulon_chart_html', ',', '1', '1/4', '2', '1/16', '60'],
    ['angulon_chart_html', '.', '1', '1', '0.5', '0.1', '70'], ['angulon_sound_path_calculate', '.'], ['angulon_angles'], ['angulon_version'],
]
# from, to, step, angles, inch, decimal
CHARTS = [('6', '60', '2', ['70', '60', '45'], False, '.'), ('1/4', '2', '1/16', ['45'], True, '.'), ('0,1', '0,3', '0,1', ['70', '60'], True, ',')]


http.server.SimpleHTTPRequestHandler.log_message = lambda *args: None


def ready(driver):
    WebDriverWait(driver, 20).until(lambda d: d.execute_script("return document.body.classList.contains('ready')"))
    return driver


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

    def open(self, phone=True, language='en-US', url=None):
        options = webdriver.ChromeOptions()
        for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-sync',
                     '--disable-component-update', '--no-first-run', '--window-size=1280,800', f'--lang={language}'):
            options.add_argument(flag)
        options.add_experimental_option('prefs', {'intl.accept_languages': language})
        if phone:
            options.add_experimental_option('mobileEmulation', PHONE)
        driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        self.addCleanup(driver.quit)
        driver.get(url or self.url)
        return ready(driver)

    def run_rows(self, driver, rows, shots=''):
        find = lambda id: driver.find_element(By.ID, id)
        for name, tab, typed, presses, expected in rows:
            with self.subTest(name):
                ready(driver).refresh()
                ready(driver).find_element(By.ID, tab).click()
                for id, text in typed.items():
                    control = find(id.removeprefix('paste:'))
                    if text is None or id.startswith('paste:'):
                        control.click()
                    if id.startswith('paste:'):
                        driver.execute_cdp_cmd('Input.insertText', {'text': text})
                    elif text is not None:
                        Select(control).select_by_visible_text(text) if control.tag_name == 'select' else control.send_keys(text)
                for press in presses:
                    control = find(press.removeprefix('held:'))
                    control.click() if control.tag_name == 'button' or press != control.get_attribute('id') else control.send_keys(Keys.RETURN)
                    held_return(driver) if press.startswith('held:') else None
                if isinstance(expected, str):
                    self.assertEqual((find('prompt').is_displayed(), find('prompt-title').text, find('prompt-text').text), (True, 'Refrax', expected))
                    driver.save_screenshot(f'{SHOTS}/{shots}prompt.png')
                    # A held Return leaves the prompt up; a fresh press closes it, the focus back where it was.
                    held_return(driver)
                    self.assertTrue(find('prompt').is_displayed())
                    driver.switch_to.active_element.send_keys(Keys.RETURN)
                    self.assertEqual((find('prompt').is_displayed(), driver.switch_to.active_element.get_attribute('id')), (False, presses[-1]))
                else:
                    self.assertEqual({id: find(id).get_attribute('value') for id in expected}, expected)
                    driver.save_screenshot(f'{SHOTS}/{shots}{tab}.png')

    def test_panels_on_a_phone_and_a_desktop(self):
        for phone in (True, False):
            self.run_rows(self.open(phone), PANEL_ROWS, 'phone-' if phone else 'desktop-')
        self.run_rows(self.open(True, 'de-DE'), GERMAN_ROWS, 'german-')

    def test_core_as_native(self):
        driver = self.open(False)
        wasm = driver.execute_async_script("""const [rows, done] = arguments;
            import('./app.js').then(m => done(rows.map(([command, ...texts]) => m.call(command, texts))));""", CORE_ROWS)
        self.assertEqual(wasm, [native(command, texts) for command, *texts in CORE_ROWS])
        imports, exports = driver.execute_async_script("""const done = arguments[0];
            fetch('angulon.wasm').then(r => r.arrayBuffer()).then(b => WebAssembly.compile(b))
            .then(m => done([WebAssembly.Module.imports(m), WebAssembly.Module.exports(m).map(e => e.name)]));""")
        self.assertEqual((imports, sorted(exports)), ([], sorted({r[0] for r in CORE_ROWS} | {'angulon_surface_travel_clear',
                         'angulon_indication_depth_clear', 'angulon_request', 'angulon_response', '_initialize', 'memory'})))

    def test_chart_as_angulon_chart(self):
        drivers = {}
        for first, last, step, angles, inch, decimal in CHARTS:
            with self.subTest(first):
                driver = drivers.get(decimal) or drivers.setdefault(decimal, self.open(True, 'de-DE' if decimal == ',' else 'en-US'))
                find = lambda id: driver.find_element(By.ID, id)
                find('tab-chart').click()
                for id, text in (('chart-from', first), ('chart-to', last), ('chart-step', step)):
                    find(id).clear()
                    find(id).send_keys(text)
                for angle in ('70', '60', '45'):
                    find(f'chart-angle-{angle}').click() if find(f'chart-angle-{angle}').is_selected() != (angle in angles) else None
                find('chart-inch' if inch else 'chart-milli').click()
                find('chart-make').click()
                options = ['--from', first, '--to', last, '--step', step, '--angles', ','.join(angles), '--unit', 'in' if inch else 'mm', '--decimal', decimal]
                printed = lambda form: subprocess.run([CHART, *options, '--format', form], capture_output=True, check=True, text=True).stdout
                self.assertEqual(find('chart-page').get_attribute('srcdoc'), printed('html'))
                driver.switch_to.frame(find('chart-page'))
                cells = [td.text for td in driver.find_elements(By.CSS_SELECTOR, 'table.chart td')]
                driver.switch_to.default_content()
                records = [line.split(';' if decimal == ',' else ',') for line in printed('csv').splitlines()[1:]]
                self.assertEqual(sorted(cells[i:i + 6] for i in range(0, len(cells), 6)), sorted(records))
        driver.save_screenshot(f'{SHOTS}/phone-chart.png')
        find('chart-from').send_keys('x')
        find('chart-make').click()
        self.assertEqual((find('chart-problem').text, find('chart-page').is_displayed()), ('From: not a number the window reads', False))

    def test_made_for_a_phone(self):
        driver = self.open(True)
        for tab in ('tab-sound-path', 'tab-surface-travel', 'tab-indication-depth', 'tab-chart'):
            driver.find_element(By.ID, tab).click()
            faults = driver.execute_script("""const faults = [];
                if (document.documentElement.scrollWidth > innerWidth) faults.push('scrolls sideways');
                for (const c of document.querySelectorAll('main input, main select, main button, nav button')) {
                    if (!c.offsetParent) continue;
                    const box = (c.type === 'radio' || c.type === 'checkbox' ? c.closest('label') : c).getBoundingClientRect();
                    if (box.height < 44 || box.width < 44) faults.push(c.id + ' is small');
                    if (c.matches('input:not([type]):not([readonly])') && c.inputMode !== 'decimal') faults.push(c.id + ' keyboard');
                    if (c.tagName !== 'BUTTON' && !c.labels.length) faults.push(c.id + ' has no label');
                }
                return faults;""")
            self.assertEqual(faults, [], tab)
        driver.find_element(By.ID, 'tab-sound-path').click()
        driver.find_element(By.ID, 'T').click()
        order = [driver.switch_to.active_element.send_keys(Keys.TAB) or driver.switch_to.active_element.get_attribute('id') for _ in range(6)]
        self.assertEqual(order, ['ANGLE_BOX', 'opt_INCH', 'Command1', 'Command3', 'A_B', 'A_B_C'])

    def test_offline_and_from_a_file(self):
        server, url = self.serve()
        driver = self.open(True, url=url)
        WebDriverWait(driver, 20).until(lambda d: d.execute_script('return !!navigator.serviceWorker.controller'))
        server.shutdown()
        server.server_close()
        self.run_rows(driver, PANEL_ROWS[:1])
        driver.get(f'file://{self.folder}/index.html')
        self.assertTrue(driver.find_element(By.ID, 'needs-server').is_displayed())


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
