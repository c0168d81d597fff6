#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""The browser page's size and speed, in Debian's headless Chromium: what a first visit transfers (each file as
served and gzipped), the time from navigation to the first panel usable (its CALCULATE bound to the core), on a
first visit and on one answered by the service worker, a CALCULATE through the page: the button clicked,
the core called, the fields written, and the longest chart (1 to 1000 by 0.1 mm at three angles): the time from
MAKE CHART to its first rows shown and the longest task meanwhile. Prints Markdown tables.

Usage: web.py SITE [RUNS]"""
import functools, gzip, http.server, os, statistics, sys, threading
from selenium import webdriver
from selenium.webdriver.chrome.service import Service

site, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 10


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(('127.0.0.1', 0), functools.partial(Quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
url = f'http://127.0.0.1:{server.server_address[1]}/'

print('| File | Bytes | Gzipped |\n| --- | ---: | ---: |')
total = [0, 0]
for name in sorted(os.listdir(site)):
    data = open(os.path.join(site, name), 'rb').read()
    packed = len(gzip.compress(data, 9))
    total = [total[0] + len(data), total[1] + packed]
    print(f'| {name} | {len(data):,} | {packed:,} |')
print(f'| everything | {total[0]:,} | {total[1]:,} |\n')


def browser(throttle):
    options = webdriver.ChromeOptions()
    for flag in ('--headless=new', '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-sync',
                 '--disable-component-update', '--no-first-run', '--window-size=1280,800'):
        options.add_argument(flag)
    driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
    driver.execute_cdp_cmd('Emulation.setCPUThrottlingRate', {'rate': throttle})
    return driver


def usable(driver):
    """Milliseconds from navigation start to the page's 'ready' mark."""
    for _ in range(200):
        mark = driver.execute_script("return performance.getEntriesByName('ready')[0]?.startTime")
        if mark is not None:
            return mark
    raise RuntimeError('the page did not become usable')


# The long-task observer reports only tasks over 50 ms.
longest_task = lambda ms: f'{ms:.0f} ms' if ms else 'none over 50 ms'

print('| Median of %d | CPU | First visit | Service worker | CALCULATE through the page | Longest chart shown | Longest task |' % runs)
print('| --- | --- | ---: | ---: | ---: | ---: | ---: |')
for throttle, cpu in ((1, 'this machine'), (4, 'four times slower (a phone)')):
    first, again, calculate, chart, task = [], [], [], [], []
    for _ in range(runs):
        driver = browser(throttle)
        # A run that fails must not leave its browser running: it would skew every later figure.
        try:
            driver.get(url)
            first.append(usable(driver))
            driver.execute_async_script('navigator.serviceWorker.ready.then(() => arguments[0]())')
            driver.get(url)
            again.append(usable(driver))
            calculate.append(driver.execute_script("""
                const field = document.getElementById('T'), button = document.getElementById('Command1');
                const start = performance.now();
                for (let i = 0; i < 1000; ++i) { field.value = String(1 + i % 9); button.click(); }
                if (!document.getElementById('A_B').value.endsWith(' in')) throw new Error('no result');
                return (performance.now() - start) / 1000;"""))
            shown, longest = driver.execute_async_script("""const done = arguments[0], tasks = [0], page = document.getElementById('chart-page');
                new PerformanceObserver((list) => tasks.push(...list.getEntries().map((e) => e.duration))).observe({ type: 'longtask' });
                [['chart-from', '1'], ['chart-to', '1000'], ['chart-step', '0.1']].forEach(([id, text]) => (document.getElementById(id).value = text));
                document.getElementById('chart-milli').checked = true;
                document.getElementById('tab-chart').click();
                const start = performance.now();
                // The observer reports a task after it ends: a moment's wait lets the last one in.
                page.addEventListener('load', () => {
                    const shown = performance.now() - start;
                    setTimeout(() => done([shown, Math.max(...tasks)]), 100);
                }, { once: true });
                document.getElementById('chart-make').click();""")
            chart.append(shown)
            task.append(longest)
        finally:
            driver.quit()
    print(f'| | {cpu} | {statistics.median(first):.0f} ms | {statistics.median(again):.0f} ms '
          f'| {statistics.median(calculate) * 1000:.0f} µs | {statistics.median(chart):.0f} ms | {longest_task(statistics.median(task))} |')
server.shutdown()
