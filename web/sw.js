// SPDX-License-Identifier: MIT
// Keeps the page usable without a network: the first visit stores every
// file of this version in a cache of its own; later visits are answered
// from it. The build names the cache after what the files hold, so a new
// version fills a new cache and the old one is deleted once it takes over.
const cacheName = '@CACHE@';
const files = [@FILES@];

self.addEventListener('install', (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
            .then(() => self.clients.claim())
    );
});

self.addEventListener('fetch', (event) => {
    if (event.request.method !== 'GET') return;
    event.respondWith(
        caches
            .open(cacheName)
            .then((cache) => cache.match(event.request, { ignoreSearch: true }))
            .then((stored) => stored || fetch(event.request))
    );
});
