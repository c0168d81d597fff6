// SPDX-License-Identifier: MIT
// Angulon in the browser: builds the calculators' tabs and panels from the
// core's description of them and binds the page's controls to the core
// compiled to WebAssembly. It only moves texts: every number is read,
// computed, rounded and written by the core, as in the window, and every
// caption, tooltip and name comes from it.

import { loadCore } from './core.js';

const byId = (id) => document.getElementById(id);
let core;
// The decimal separator of the browser's language, as its own number
// format writes it; the core decides what it accepts.
let decimal;
// A tab chosen with a mouse or a pen focuses its first field. On a touch
// screen that would raise the keyboard over the panel just chosen.
const touchScreen = matchMedia('(pointer: coarse)');

// Calls an exported command with the texts given: answers its kind
// ("fields", "prompt", ...) and its texts.
export function call(command, texts) {
    return core(command, texts);
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

const isResult = (field) => field.role === 'result' || field.role === 'lines';
const tabId = (panel) => `tab-${panel.tab.toLowerCase().replaceAll(' ', '-')}`;

// A field typed in takes fractions, inch marks and units ("1 1/2", 3/8", "0.5 in"),
// which a phone's number pad cannot type: it gets the full keyboard.
const typing = { autocomplete: 'off', autocapitalize: 'off', spellcheck: 'false', enterkeyhint: 'go' };

// An angle is chosen from the table's; a measured angle is typed, a plain
// decimal, with the table's offered; a result of several lines gets a box.
function controlElements(name, role, tooltip) {
    if (role === 'angle') return [element('select', { id: name, class: 'angle', title: tooltip })];
    if (role === 'measured') {
        const list = `${name}-angles`;
        return [element('input', { id: name, list, ...typing, inputmode: 'decimal', title: tooltip }),
            element('datalist', { id: list, class: 'angle' })];
    }
    if (role === 'lines') return [element('textarea', { id: name, readonly: true, rows: 1, title: tooltip })];
    return [element('input', role === 'result' ? { id: name, readonly: true, title: tooltip }
        : { id: name, ...typing, title: tooltip })];
}

function fieldElement({ name, role, caption, tooltip, underlined }) {
    const label = element('label', { for: name }, underlined ? element('u', {}, caption) : caption);
    return element('div', { class: isResult({ role }) ? 'field result' : 'field' }, label, ...controlElements(name, role, tooltip));
}

// A panel's section in the window's order: what is typed or chosen, the
// unit buttons, the commands, the sketch, the results.
function panelElement(panel, index) {
    const unit = ({ name, caption }, checked) => {
        const radio = element('input', { type: 'radio', name: `unit${index + 1}`, id: name, checked });
        return element('label', {}, radio, ` ${caption}`);
    };
    const button = ({ name, caption, tooltip }) => element('button', { id: name, title: tooltip }, caption);
    const fields = (results) => panel.fields.filter((field) => isResult(field) === results).map(fieldElement);
    return element(
        'section',
        { id: panel.name, class: 'panel', role: 'tabpanel', 'aria-labelledby': tabId(panel), hidden: index > 0 },
        element('h2', {}, panel.title),
        ...fields(false),
        element('fieldset', { class: 'units' }, element('legend', {}, 'Results in'), unit(panel.inch, true),
            unit(panel.millimetre, false)),
        element('div', { class: 'commands' }, button(panel.calculate), button(panel.clear)),
        byId(`sketch-${panel.name}`).content.cloneNode(true),
        // Read out when CALCULATE writes them: the results' captions and texts in one line.
        element('div', { class: 'results', 'aria-live': 'polite' }, element('p', { class: 'spoken' }), ...fields(true)),
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
        if (kind === 'prompt') return showPrompt(answer[0]);
        controls.forEach((control, index) => (control.value = answer[index]));
        // Locate's CALCULATE answers its drawing after the fields; its CLEAR has none.
        if (drawing) drawing.innerHTML = answer[controls.length] ?? '';
        const results = panel.fields.filter((field) => isResult(field) && byId(field.name).value);
        section.querySelector('.spoken').textContent =
            results.map((field) => `${field.caption} ${byId(field.name).value}`).join('; ');
        // With a phone's keyboard up the results may sit under it.
        section.querySelector('.results').scrollIntoView({ block: 'nearest' });
    };
    const section = byId(panel.name);
    const drawing = section.querySelector('.drawing');
    const calculate = byId(panel.calculate.name);
    calculate.addEventListener('click', () => run(panel.calculate.name));
    byId(panel.clear.name).addEventListener('click', () => run(panel.clear.name));
    // Return in a field or an angle box calculates, once however long it is held.
    section.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || !event.target.matches('input, select')) return;
        event.preventDefault();
        if (!event.repeat) calculate.click();
    });
}

// The tab strip: a click or the arrow keys show a panel.
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
        else if (!touchScreen.matches) byId(shown.getAttribute('aria-controls')).querySelector('input, select').focus();
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
    const [page, make, save, note] = ['chart-page', 'chart-make', 'chart-save', 'chart-note'].map(byId);
    let maker;
    make.addEventListener('click', () => {
        const chosen = [...box.querySelectorAll('input:checked')].map((input) => input.value);
        const typed = ['chart-from', 'chart-to', 'chart-step'].map((id) => byId(id).value);
        maker ??= new Worker('chart.js', { type: 'module' });
        maker.postMessage([decimal, byId('chart-inch').checked ? '1' : '0', ...typed, ...chosen]);
        make.disabled = true;
        note.textContent = 'Making the chart…';
        maker.onmessage = ({ data: { kind, shown, whole, file, rows } }) => {
            const made = kind === 'chart';
            make.disabled = false;
            note.textContent = whole
                ? ''
                : `The first ${rows} rows of each angle are shown. To print the whole chart, SAVE it and open the file.`;
            byId('chart-problem').textContent = made ? '' : shown;
            // What is shown of a long chart is not the chart: only the whole is printed.
            byId('chart-print').disabled = !made || !whole;
            page.hidden = save.hidden = !made;
            URL.revokeObjectURL(save.href);
            if (!made) return save.removeAttribute('href');
            save.href = URL.createObjectURL(file);
            page.srcdoc = shown;
        };
    });
    // Return in the range's fields makes the chart, once however long it is held.
    byId('chart').addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || !event.target.matches('.field input')) return;
        event.preventDefault();
        if (!event.repeat) make.click();
    });
    // The page is as tall as the chart, so only the page itself scrolls; measured
    // from nothing, as the last chart's height would hold a shorter one open.
    page.addEventListener('load', () => {
        page.style.height = '0';
        page.style.height = `${page.contentDocument.documentElement.scrollHeight}px`;
        page.scrollIntoView({ block: 'nearest' });
    });
    byId('chart-print').addEventListener('click', () => page.contentWindow.print());
}

async function start() {
    // The language's number format takes a while to load: it does, while the core arrives.
    const loading = loadCore();
    decimal = new Intl.NumberFormat(navigator.language).formatToParts(0.5).find((part) => part.type === 'decimal').value;
    core = await loading;
    const description = readDescription(call('angulon_description', []).slice(1));
    byId('tab-chart').before(...description.panels.map(tabElement));
    byId('chart').before(...description.panels.map(panelElement));
    byId('prompt-title').textContent = description.promptTitle;
    for (const list of document.querySelectorAll('select.angle, datalist.angle'))
        list.append(...description.angles.map((angle) => new Option(angle, angle)));
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
    byId('status').textContent =
        `The calculator could not be loaded (${error.message}). Angulon's page must be opened from a web server: see below.`;
    byId('needs-server').hidden = false;
    throw error;
});
