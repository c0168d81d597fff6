// SPDX-License-Identifier: MIT
// Angulon in the browser: builds the calculators' tabs and panels from the
// core's description of them and binds the page's controls to the core
// compiled to WebAssembly. It only moves texts: every number is read,
// computed, rounded and written by the core, as in the window, and every
// caption, tooltip and name comes from it.

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

// Reads the core's description of the page (web/exports.h): the version,
// the prompts' title, the angles and each calculator panel with its
// commands, unit buttons and fields.
function readDescription(texts) {
    let at = 0;
    const next = () => texts[at++];
    const list = (read) => Array.from({ length: Number(next()) }, read);
    const command = () => ({ name: next(), caption: next(), tooltip: next() });
    const unit = () => ({ name: next(), caption: next() });
    const field = () => ({ name: next(), role: next(), caption: next(), tooltip: next(), underlined: next() === '1' });
    return {
        version: next(),
        promptTitle: next(),
        angles: list(next),
        panels: list(() => ({ name: next(), title: next(), tab: next().trim(), calculate: command(), clear: command(),
            inch: unit(), millimetre: unit(), fields: list(field) })),
    };
}

// An element with its attributes (true: present without a value; false:
// absent) and its children, texts among them.
function element(tag, attributes, ...children) {
    const made = document.createElement(tag);
    for (const [name, value] of Object.entries(attributes))
        if (value !== false) made.setAttribute(name, value === true ? '' : value);
    made.append(...children);
    return made;
}

const tabId = (panel) => `tab-${panel.tab.toLowerCase().replaceAll(' ', '-')}`;

function fieldElement({ name, role, caption, tooltip, underlined }) {
    const control =
        role === 'angle'
            ? element('select', { id: name, class: 'angle', title: tooltip })
            : element('input', role === 'result' ? { id: name, readonly: true, title: tooltip }
                : { id: name, inputmode: 'decimal', autocomplete: 'off', spellcheck: 'false', title: tooltip });
    const label = element('label', { for: name }, underlined ? element('u', {}, caption) : caption);
    return element('div', { class: role === 'result' ? 'field result' : 'field' }, label, control);
}

// A panel's section in the window's order: what is typed or chosen, the
// unit buttons, the commands, the sketch, the results.
function panelElement(panel, index) {
    const unit = ({ name, caption }, checked) => {
        const radio = element('input', { type: 'radio', name: `unit${index + 1}`, id: name, checked });
        return element('label', {}, radio, ` ${caption}`);
    };
    const button = ({ name, caption, tooltip }) => element('button', { id: name, title: tooltip }, caption);
    const fields = (results) => panel.fields.filter((field) => (field.role === 'result') === results).map(fieldElement);
    return element(
        'section',
        { id: panel.name, class: 'panel', role: 'tabpanel', 'aria-labelledby': tabId(panel), hidden: index > 0 },
        element('h2', {}, panel.title),
        ...fields(false),
        element('fieldset', { class: 'units' }, element('legend', {}, 'Results in'), unit(panel.inch, true),
            unit(panel.millimetre, false)),
        element('div', { class: 'commands' }, button(panel.calculate), button(panel.clear)),
        byId(`sketch-${panel.name}`).content.cloneNode(true),
        ...fields(true),
    );
}

function tabElement(panel, index) {
    const selected = { 'aria-selected': String(index === 0), tabindex: index > 0 && '-1' };
    return element('button', { role: 'tab', id: tabId(panel), 'aria-controls': panel.name, ...selected }, panel.tab);
}

function bindPanel(panel) {
    const controls = panel.fields.map((field) => byId(field.name));
    const run = (command) => {
        const inch = byId(panel.inch.name).checked ? '1' : '0';
        const texts = controls.map((control) => control.value);
        const [kind, ...answer] = call('angulon_panel_command', [decimal, inch, command, ...texts]);
        if (kind === 'prompt') showPrompt(answer[0]);
        else controls.forEach((control, index) => (control.value = answer[index]));
    };
    const calculate = byId(panel.calculate.name);
    calculate.addEventListener('click', () => run(panel.calculate.name));
    byId(panel.clear.name).addEventListener('click', () => run(panel.clear.name));
    // Return in a field or an angle box calculates, once however long it is held.
    byId(panel.name).addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || !event.target.matches('input, select')) return;
        event.preventDefault();
        if (!event.repeat) calculate.click();
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
    const description = readDescription(call('angulon_description', []).slice(1));
    byId('tab-chart').before(...description.panels.map(tabElement));
    byId('chart').before(...description.panels.map(panelElement));
    byId('prompt-title').textContent = description.promptTitle;
    for (const select of document.querySelectorAll('select.angle'))
        select.append(...description.angles.map((angle) => new Option(angle, angle)));
    description.panels.forEach(bindPanel);
    bindTabs();
    bindChart(description.angles);
    byId('status').textContent = `Version ${description.version}`;
    document.body.classList.add('ready');
    performance.mark('ready');
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
}

// Resolves once the page can be used, for whoever waits on it.
export const ready = start().catch((error) => {
    byId('status').textContent = `The calculator could not start: ${error.message}`;
    throw error;
});
