// Keeps the whole site, so that after one visit the page works with no
// network. The build fills in the cache's name and the site's files.
const Cache = "__CACHE__";
const Site = __SITE__;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(Cache).then((cache) => cache.addAll(Site)).then(() => self.skipWaiting()));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(caches.keys()
        .then((names) => Promise.all(names.filter((name) => name !== Cache).map((name) => caches.delete(name))))
        .then(() => self.clients.claim()));
});

self.addEventListener("fetch", (event) => {
    const url = new URL(event.request.url);
    if (event.request.method !== "GET" || url.origin !== self.location.origin)
        return;
    event.respondWith(caches.open(Cache).then(async (cache) => {
        const kept = await cache.match(event.request, { ignoreSearch: true });
        if (kept)
            return kept;
        const response = await fetch(event.request);
        if (response.ok)
            cache.put(event.request, response.clone());
        return response;
    }));
});
