// Keeps the site's own files, so that after one visit the page works with
// no network, and brings a new build in whole. The build names the cache
// and lists the files: the entry page, and everything else under
// v/<build>/, named by its build so no load mixes two builds.
const Cache = "__CACHE__";
const Site = __SITE__;
const Ours = "zarvel-";
const scoped = (file) => new URL(file, self.registration.scope).href;
const entry = scoped("./");
const builds = scoped("v/");

// All the files before this build takes over; a failed file leaves the old
// build running. The entry page comes straight from the host, past any
// HTTP cache; a file under v/<build>/ never changes, so a copy the browser
// already holds is as good.
self.addEventListener("install", (event) => {
    const fresh = (file) => new Request(scoped(file), { cache: file === "./" ? "reload" : "default" });
    event.waitUntil(
        caches
            .open(Cache)
            .then((cache) => cache.addAll(Site.map(fresh)))
            .then(
                () => self.skipWaiting(),
                (error) =>
                    caches.delete(Cache).then(() => {
                        throw error;
                    }),
            ),
    );
});

// The build before stays one update longer: a page still running it may
// yet ask for a picture it has not shown.
self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) => names.filter((name) => name.startsWith(Ours) && name !== Cache).slice(0, -1))
            .then((old) => Promise.all(old.map((name) => caches.delete(name))))
            .then(() => self.clients.claim()),
    );
});

// Only the site's own files; every other request goes to the network
// untouched.
self.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method !== "GET") return;
    const page = request.url.split(/[?#]/)[0];
    if (request.mode === "navigate" && (page === entry || page === `${entry}index.html`)) {
        event.respondWith(
            caches
                .open(Cache)
                .then((cache) => cache.match(entry))
                .then((kept) => kept ?? fetch(request)),
        );
    } else if (request.url.startsWith(builds) && page === request.url) {
        event.respondWith(caches.match(request).then((kept) => kept ?? fetch(request)));
    }
});
