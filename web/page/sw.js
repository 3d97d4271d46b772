// Keeps the page for use without a network: everything on the first visit,
// from the cache ever after; a new build brings a new cache.
"use strict";
const Cache = "zenbelts-field-@VERSION@";
const Files = @FILES@;
self.addEventListener("install", (event) => {
  event.waitUntil(caches.open(Cache).then((cache) => cache.addAll(Files)).then(() => self.skipWaiting()));
});
self.addEventListener("activate", (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((k) => k.startsWith("zenbelts-field-") && k !== Cache).map((k) => caches.delete(k))))
    .then(() => self.clients.claim()));
});
self.addEventListener("fetch", (event) => {
  if (event.request.method !== "GET") return;
  event.respondWith(caches.match(event.request, { ignoreSearch: true })
    .then((hit) => hit || fetch(event.request)));
});
