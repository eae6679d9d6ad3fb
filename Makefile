# Set-up, build, run and test Zarvel on Debian 12 or 13. Every target first
# installs the Debian packages that are missing (scripts/install-deps).

BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 600
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

# Debian's ccache, where installed, for every build the tests make: one
# cache shared by all clones of the tree (paths taken relative to the
# clone), so a second clone or a second build folder compiles only what
# differs. The package's own build is left to the compiler alone.
CCACHE := $(shell command -v ccache)
ifneq ($(CCACHE),)
export CMAKE_CXX_COMPILER_LAUNCHER := $(CCACHE)
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
# Precompiled headers are cached only with these, as ccache's manual says.
export CCACHE_SLOPPINESS := pch_defines,time_macros
endif

.PHONY: all deps program run test test-asan test-fuzz test-deb test-windows bench fuzz fuzz-build install uninstall clean deb debian-qa dist news web web-site web-test windows pristine-check

all: program

deps:
	./scripts/install-deps

program: deps
	cmake --preset release -B $(BUILD) -DZARVEL_TESTS=ON -DZARVEL_BENCH=OFF
	cmake --build $(BUILD) -j$(JOBS)

run: program
	./$(BUILD)/zarvel

# Every test of the program; the core's tests once more under
# AddressSanitizer and UndefinedBehaviorSanitizer, side by side with the
# names file reader under libFuzzer for 30 seconds (which keeps one core
# busy) and the Windows edition under Wine, each one's output in one
# piece; then the web edition in Chromium, and the user's path in Firefox
# and WebKit, beside the Debian package's build and check (the browsers'
# tests away from the Wine tests' load).
test: program
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	$(MAKE) -j2 -Otarget test-asan test-fuzz test-windows
	$(MAKE) -j2 -Otarget web-test test-deb PATH_ONLY="firefox webkit" ORCA_PAGE=

test-asan: deps
	cmake --preset asan -B $(ASAN_BUILD)
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

test-fuzz:
	$(MAKE) fuzz-build FUZZ_SECONDS=30
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure

# `make test` has just run every test: its package is built without them.
test-deb: export DEB_BUILD_OPTIONS = nocheck
test-deb: export DEB_BUILD_PROFILES = nocheck
# build-deb empties its folder first: the one .changes there is the build's.
test-deb: deb
	./tests/release/package_test.sh $(BUILD)/deb/zarvel_*.changes

fuzz-build: deps
	cmake --preset fuzz -B $(FUZZ_BUILD) -DZARVEL_FUZZ_SECONDS=$(FUZZ_SECONDS)
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

# The fuzzer alone, for FUZZ_SECONDS (default 10 minutes).
fuzz: fuzz-build
	ctest --test-dir $(FUZZ_BUILD) --output-on-failure -V

# Zarvel for Windows, cross-built: $(BUILD)/windows/zarvel.exe and its
# installer $(BUILD)/windows/Zarvel-<version>-x64.msi. The pictures come
# from the desktop build.
windows: program
	./scripts/install-deps windows
	cmake --preset windows -B $(BUILD)/windows -DZARVEL_PICTURES=$(CURDIR)/$(BUILD)/pictures/pictures \
		-DZARVEL_ICONS=$(CURDIR)/$(BUILD)/app/icons
	cmake --build $(BUILD)/windows -j$(JOBS)

# Its tests under Wine, in Wine prefixes kept in its build folder.
test-windows: windows
	ctest --test-dir $(BUILD)/windows --output-on-failure -j$(JOBS)

# The web edition: the site in build/web/, served at http://127.0.0.1:8000/
# until interrupted.
web: web-site
	./scripts/serve-web $(BUILD)/web 8000

# Needs only the web edition's packages; the pictures come from $(BUILD).
web-site:
	./scripts/install-deps web
	./scripts/build-web $(BUILD)

# The tree's JavaScript, which ESLint (eslint.config.mjs) and Prettier
# (.prettierrc.json) check.
JS_FILES = "web/**/*.{js,mjs,ts}" "bench/*.mjs" "tests/web/*.mjs" "tests/web/orca/*.mjs" eslint.config.mjs

# The web edition's tests in each browser engine of ENGINES, side by side,
# each one's output in one piece, after ESLint and Prettier have passed its
# JavaScript: Chromium and Firefox ESR headless through puppeteer-core,
# WebKit (MiniBrowser, through WebKitWebDriver) under Xvfb.
ENGINES ?= chromium firefox webkit
web-test: web-site
	./scripts/install-deps web-test
	./scripts/tidy $(BUILD)/web-build web/wasm
	cd tests/web && npm ci --no-audit --no-fund --loglevel=error
	tests/web/node_modules/.bin/eslint .
	tests/web/node_modules/.bin/prettier --check $(JS_FILES)
	$(MAKE) -j$(words $(ENGINES)) -Otarget $(ENGINES:%=web-test-%)

# In the engines of PATH_ONLY, only the user's own path (the tests written
# with `test.path`: a whole reading by mouse, keyboard and finger, names
# across a reload, offline after one visit, and axe-core). `make test` runs
# that in Firefox and WebKit, where every test would take it past its time
# on two cores. A run that passes fewer tests than it meant to fails.
PATH_ONLY ?=
# Then the page with Orca reading it in the engine's browser
# (tests/web/orca/orca_page_test.sh), in `make web-test` only for now; it skips
# (77), saying why, while the user's own Orca runs.
ORCA_PAGE ?= yes
web-test-webkit: UNDER = xvfb-run -a -s "-screen 0 1280x1024x24"
web-test-%:
	@echo "The web tests in $*$(if $(filter $*,$(PATH_ONLY)), (the user's path only)):"
	rm -f $(BUILD)/web-tally-$*
	cd tests/web && ZARVEL_ENGINE=$* ZARVEL_SCOPE=$(if $(filter $*,$(PATH_ONLY)),path,all) \
		ZARVEL_TALLY=$(CURDIR)/$(BUILD)/web-tally-$* ZARVEL_SITE=$(CURDIR)/$(BUILD)/web \
		ZARVEL_PLACES=$(CURDIR)/tests/data/control_places.tsv $(UNDER) node --test --test-concurrency=1
	node tests/web/tally.mjs $(BUILD)/web-tally-$*
	$(if $(ORCA_PAGE),ZARVEL_SITE=$(CURDIR)/$(BUILD)/web tests/web/orca/orca_page_test.sh $* || [ $$? -eq 77 ])

# The Debian package: build/zarvel_<version>_<arch>.deb, built from the
# release tarball of the last commit (dist) and debian/.
deb: deps
	./scripts/build-deb $(BUILD)

# The release's source, $(DIST)/zarvel-<version>.tar.xz (DIST: $(BUILD)
# unless given), with its sha256 beside it: the files of the last commit
# under zarvel-<version>/, in git's sorted order, owned by root, stamped
# with the commit's time, modes 644 and 755 and every file's bytes as
# committed whatever the user's git settings (line ends, attributes, umask)
# and xz's, packed by xz on one thread, so any run of any user gives the
# same bytes. The version is project()'s. Its last line names the tarball.
VERSION = $(shell sed -n 's/^project.zarvel VERSION \([^ ]*\).*/\1/p' CMakeLists.txt)
DIST ?= $(BUILD)
dist:
	mkdir -p $(DIST)
	GIT_ATTR_NOSYSTEM=1 git -c tar.umask=0022 -c core.autocrlf=false -c core.eol=lf -c core.attributesFile=/dev/null \
		archive --format=tar --prefix=zarvel-$(VERSION)/ -o $(DIST)/zarvel-$(VERSION).tar HEAD
	env -u XZ_DEFAULTS -u XZ_OPT xz -T1 -f $(DIST)/zarvel-$(VERSION).tar
	cd $(DIST) && sha256sum zarvel-$(VERSION).tar.xz >zarvel-$(VERSION).tar.xz.sha256
	@echo $(DIST)/zarvel-$(VERSION).tar.xz

# NEWS_FILE (default NEWS), what each release changed for users, written by
# appstreamcli from the AppStream metadata's <releases>, where a release's
# notes are written; a test holds the committed NEWS to it.
NEWS_FILE ?= NEWS
news:
	appstreamcli metainfo-to-news --format text $(wildcard app/desktop/*.metainfo.xml) $(NEWS_FILE)

# Debian's checks of the package as a maintainer runs them (scripts/debian-qa):
# it installs the package, so it runs on a system made for it, as
# pristine-check's.
debian-qa:
	./scripts/debian-qa $(BUILD)

# CI's run on a freshly debootstrapped Debian release, as root, then as an
# ordinary user with sudo (about 30 minutes a release; not part of `make
# test`): SUITE=trixie (or bookworm, forky) for one release.
# WARM=1: and `make test` once more from a fresh clone with warm caches.
SUITE ?= bookworm trixie
pristine-check:
	for suite in $(SUITE); do ./scripts/pristine-check --user $(if $(WARM),--warm) $$suite || exit 1; done

# The benchmarks are built for this target only, into the same folder.
bench: deps
	cmake --preset release -B $(BUILD) -DZARVEL_TESTS=ON -DZARVEL_BENCH=ON
	cmake --build $(BUILD) -j$(JOBS)
	./$(BUILD)/bench/deal_bench --benchmark_report_aggregates_only=true
	./bench/measure-window $(BUILD)

install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

# Removes what the last install put in place.
uninstall:
	xargs -r rm -f < $(BUILD)/install_manifest.txt

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
