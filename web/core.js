// SPDX-License-Identifier: MIT
// The core compiled to WebAssembly, as the page and its chart worker load
// it: a function that calls an exported command with texts and answers its
// kind ("fields", "prompt", "chart", ...) and its texts.

const encoder = new TextEncoder();
const decoder = new TextDecoder();
// UTF-8 never uses this byte; the core splits texts at it.
const separator = 0xff;

export async function loadCore() {
    const { instance } = await WebAssembly.instantiate(await (await fetch('angulon.wasm')).arrayBuffer(), {});
    const core = instance.exports;
    core._initialize();
    return (command, texts) => {
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
    };
}
