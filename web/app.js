// SPDX-License-Identifier: MIT
// Angulon in the browser: binds the page's controls to the calculator core
// compiled to WebAssembly. It only moves texts: every number is read,
// computed, rounded and written by the core, as in the window.

// Each panel's controls in the order of the core's fields, its unit button
// for inches, and its commands.
const panels = [
    {
        fields: ['T', 'ANGLE_BOX', 'A_B', 'A_B_C'],
        inch: 'opt_INCH',
        calculate: ['Command1', 'angulon_sound_path_calculate'],
        clear: ['Command3', 'angulon_sound_path_clear'],
    },
    {
        fields: ['SP_TEXT', 'ANGLE_BOX_2', 'SURFACE_TRAVEL'],
        inch: 'opt_Inch2',
        calculate: ['Command2', 'angulon_surface_travel_calculate'],
        clear: ['Command5', 'angulon_surface_travel_clear'],
    },
    {
        fields: ['MAT_T', 'A_B_SND_PATH', 'IND_SP', 'DEPTH'],
        inch: 'opt_INCH3',
        calculate: ['Command4', 'angulon_indication_depth_calculate'],
        clear: ['Command6', 'angulon_indication_depth_clear'],
    },
];

const byId = (id) => document.getElementById(id);
const encoder = new TextEncoder();
const decoder = new TextDecoder();
// UTF-8 never uses this byte; the core splits texts at it.
const separator = 0xff;

let core;
// The decimal separator of the browser's language, as its own number
// format writes it; the core decides what it accepts.
let decimal;

// Calls an exported command with the texts given: answers its kind
// ("fields", "prompt", ...) and its texts.
export function call(command, texts) {
    const encoded = texts.map((text) => encoder.encode(text));
    const size = encoded.reduce((total, bytes) => total + bytes.length, Math.max(encoded.length - 1, 0));
    // The request may grow the memory, which detaches the buffer held before it.
    const at = core.angulon_request(size);
    const request = new Uint8Array(core.memory.buffer, at, size);
    let end = 0;
    encoded.forEach((bytes, index) => {
        if (index) request[end++] = separator;
        request.set(bytes, end);
        end += bytes.length;
    });
    const length = core[command]() >>> 0;
    const response = new Uint8Array(core.memory.buffer, core.angulon_response(), length);
    const answer = [];
    let start = 0;
    for (let i = 0; i <= length; ++i) {
        if (i === length || response[i] === separator) {
            answer.push(decoder.decode(response.subarray(start, i)));
            start = i + 1;
        }
    }
    return answer;
}

// The window's prompt: a modal box titled as the window's, with one OK; the
// browser puts the focus back where it was when it closes.
const prompt = byId('prompt');
function showPrompt(text) {
    byId('prompt-text').textContent = text;
    prompt.showModal();
}
// A held Return closes no prompt: only a fresh press does.
prompt.addEventListener('keydown', (event) => {
    if (event.repeat) event.preventDefault();
});

function runPanel(panel, command) {
    const controls = panel.fields.map(byId);
    const [kind, ...texts] = call(command, [decimal, byId(panel.inch).checked ? '1' : '0', ...controls.map((c) => c.value)]);
    if (kind === 'prompt') {
        showPrompt(texts[0]);
        return;
    }
    controls.forEach((control, index) => (control.value = texts[index]));
}

function bindPanel(panel) {
    const [calculateId, calculate] = panel.calculate;
    const [clearId, clear] = panel.clear;
    byId(calculateId).addEventListener('click', () => runPanel(panel, calculate));
    byId(clearId).addEventListener('click', () => runPanel(panel, clear));
    // Return in a field or an angle box calculates, once however long it is held.
    byId(calculateId)
        .closest('section')
        .addEventListener('keydown', (event) => {
            if (event.key !== 'Enter' || !event.target.matches('input, select')) return;
            event.preventDefault();
            if (!event.repeat) byId(calculateId).click();
        });
}

// The tab strip: a click or the arrow keys show a panel, its first field focused.
function bindTabs() {
    const tabs = [...byId('TabStrip1').querySelectorAll('[role=tab]')];
    const show = (shown, focusTab) => {
        tabs.forEach((tab) => {
            const selected = tab === shown;
            tab.setAttribute('aria-selected', String(selected));
            tab.tabIndex = selected ? 0 : -1;
            byId(tab.getAttribute('aria-controls')).hidden = !selected;
        });
        if (focusTab) shown.focus();
    };
    tabs.forEach((tab, index) => {
        tab.addEventListener('click', () => show(tab, false));
        tab.addEventListener('keydown', (event) => {
            const step = { ArrowRight: 1, ArrowLeft: tabs.length - 1 }[event.key];
            if (step) show(tabs[(index + step) % tabs.length], true);
        });
    });
}

function bindChart(angles) {
    const box = byId('chart-angles');
    for (const angle of angles) {
        const label = document.createElement('label');
        label.innerHTML = `<input type="checkbox" id="chart-angle-${angle}" value="${angle}" checked> ${angle}°`;
        box.append(label);
    }
    const page = byId('chart-page');
    byId('chart-make').addEventListener('click', () => {
        const chosen = [...box.querySelectorAll('input:checked')].map((input) => input.value);
        const typed = ['chart-from', 'chart-to', 'chart-step'].map((id) => byId(id).value);
        const [kind, text] = call('angulon_chart_html', [decimal, byId('chart-inch').checked ? '1' : '0', ...typed, ...chosen]);
        const made = kind === 'chart';
        byId('chart-problem').textContent = made ? '' : text;
        byId('chart-print').disabled = !made;
        page.hidden = !made;
        if (made) page.srcdoc = text;
    });
    // The page is as tall as the chart, so only the page itself scrolls.
    page.addEventListener('load', () => {
        page.style.height = `${page.contentDocument.documentElement.scrollHeight}px`;
    });
    byId('chart-print').addEventListener('click', () => page.contentWindow.print());
}

async function start() {
    // The language's number format takes a while to load: it does, while the core arrives.
    const download = fetch('angulon.wasm');
    decimal = new Intl.NumberFormat(navigator.language).formatToParts(0.5).find((part) => part.type === 'decimal').value;
    const { instance } = await WebAssembly.instantiate(await (await download).arrayBuffer(), {});
    core = instance.exports;
    core._initialize();
    const [, ...angles] = call('angulon_angles', []);
    for (const select of document.querySelectorAll('select.angle'))
        select.append(...angles.map((angle) => new Option(angle, angle)));
    panels.forEach(bindPanel);
    bindTabs();
    bindChart(angles);
    byId('status').textContent = `Version ${call('angulon_version', [])[1]}`;
    document.body.classList.add('ready');
    performance.mark('ready');
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

// Resolves once the page can be used, for whoever waits on it.
export const ready = start().catch((error) => {
    byId('status').textContent = `The calculator could not start: ${error.message}`;
    throw error;
});
