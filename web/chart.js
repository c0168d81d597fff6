// SPDX-License-Identifier: MIT
// The page's chart maker: a worker with a core of its own, so that making
// the longest chart never holds up the page. Each message is the texts of
// angulon_chart_html; the answer is its kind, what of it the page shows,
// whether that is all of it, and the whole chart as a file.
import { loadCore } from './core.js';

// A table of thousands of rows takes a browser seconds to lay out: a chart
// longer than this many groups of three rows at an angle is shown cut after
// them, its footer kept. The file saved is always whole.
const shownGroups = 40;
const groupEnd = '</tbody>\n';

function firstRows(html) {
    const footer = html.lastIndexOf('<footer>');
    const [head, ...sections] = html.slice(0, footer).split('<section ');
    const cut = sections.map((section) => {
        let end = 0;
        for (let group = 0; group < shownGroups; ++group) {
            const at = section.indexOf(groupEnd, end);
            if (at < 0) return section;
            end = at + groupEnd.length;
        }
        return section.startsWith('<tbody>', end) ? `${section.slice(0, end)}</table>\n</section>\n` : section;
    });
    return [head, ...cut].join('<section ') + html.slice(footer);
}

const core = loadCore();
self.addEventListener('message', ({ data }) =>
    core
        .then(
            (call) => call('angulon_chart_html', data),
            (error) => ['failed', `The chart could not be made: ${error.message}`]
        )
        .then(([kind, text]) => {
            const shown = kind === 'chart' ? firstRows(text) : text;
            // The longest chart's text is megabytes: copied to the page and made
            // a file there, it would hold the page up; a file is passed by reference.
            const file = kind === 'chart' ? new Blob([text], { type: 'text/html' }) : null;
            self.postMessage({ kind, shown, whole: shown === text, file, rows: shownGroups * 3 });
        })
);
