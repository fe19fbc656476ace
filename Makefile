# The user's interface: `make run` and `make test` install what is missing,
# build, and then open the window or run every test.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 60
PYTHON ?= /usr/bin/python3

PREFIX ?= /usr/local
# The checks that build or start minimal Debian systems run chroot.
AS_ROOT := $(if $(filter 0,$(shell id -u)),,sudo)

.PHONY: all deps build run test install dist package-check repo-check reproducible-check signing-check asan test-libcxx test-wasm test-arm64 fresh-check web web-serve web-test web-test-page web-test-deps web-budget bench fuzz screenshot clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	$(BUILD_DIR)/ui/lumiq

test: build
	ctest --preset $(PRESET) -j $(JOBS)

# The program, its desktop entry, icon and metainfo under PREFIX.
install: build
	cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# A release's files in dist/: the Debian source package, its packages for
# amd64 and arm64 built by sbuild in a clean Debian 12 root, with their
# .changes and .buildinfo, the web page, the source, their SHA256SUMS, and
# the APT repository dist/apt/ (needs root, or sudo; caches the build root).
# With LUMIQ_SIGNING_KEY=FILE, an OpenPGP secret key, it signs SHA256SUMS and
# the repository (docs/releasing.md); without, they stay unsigned.
# LUMIQ_REPOSITORY_URL is where the repository is published.
dist:
	$(AS_ROOT) env $(if $(LUMIQ_SIGNING_KEY),LUMIQ_SIGNING_KEY=$(abspath $(LUMIQ_SIGNING_KEY))) \
	  $(if $(LUMIQ_SIGNING_PASSPHRASE_FILE),LUMIQ_SIGNING_PASSPHRASE_FILE=$(abspath $(LUMIQ_SIGNING_PASSPHRASE_FILE))) \
	  $(if $(LUMIQ_REPOSITORY_URL),LUMIQ_REPOSITORY_URL=$(LUMIQ_REPOSITORY_URL)) \
	  scripts/dist dist

# The release's signing, with throwaway keys: a good signature checks with
# gpgv, one changed byte or another key is refused.
signing-check:
	tests/package/signing_test.sh

# dist/'s packages judged by lintian, autopkgtest and piuparts (make dist first).
package-check:
	$(AS_ROOT) scripts/package-check dist

# dist/'s repository served to fresh Debian 12 and 13 and arm64 Debian 12:
# installed by the README's commands, upgraded to a second version, and
# refused under another key or with a changed package (make dist first).
repo-check:
	$(AS_ROOT) scripts/repo-check dist

# dist/ built a second time and compared byte for byte (make dist first).
reproducible-check:
	$(AS_ROOT) scripts/reproducible-check dist

# Every test again, under AddressSanitizer and UndefinedBehaviorSanitizer.
asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

# The core, the form and their tests with clang and libc++, and compiled to
# WebAssembly and run under node: the same numbers on every standard library.
test-libcxx:
	scripts/install-deps libcxx
	cmake --preset libcxx
	cmake --build --preset libcxx -j $(JOBS)
	ctest --preset libcxx -j $(JOBS)

test-wasm:
	scripts/install-deps wasm
	cmake --preset wasm
	cmake --build --preset wasm -j $(JOBS)
	ctest --preset wasm -j $(JOBS)

# The core, form and window tests cross-built for arm64 in the Debian 12 build
# root and run there under qemu-user (needs root, or sudo).
test-arm64:
	$(AS_ROOT) scripts/test-arm64

# `make test` as a new user runs it: in a clean clone inside a minimal Debian 12
# and 13 with only git and make (needs root, or sudo; caches the bootstrapped
# systems). The page is built on 13 too, into build/web-debian-13.
fresh-check:
	$(AS_ROOT) scripts/fresh-machine-check 12
	$(AS_ROOT) scripts/fresh-machine-check --page 13

# The web page: build/web holds index.html and every asset beside it.
web:
	scripts/install-deps page
	cmake --preset web
	cmake --build --preset web -j $(JOBS)

# Serves the page on the loopback interface only.
web-serve: web
	$(PYTHON) -m http.server 8080 --bind 127.0.0.1 --directory build/web

# The same browser tests in Chromium, Firefox ESR and WebKitGTK (WebKit's
# MiniBrowser needs a display: a virtual one). LUMIQ_ENGINES=chromium picks one.
web-test: web web-test-deps
	cd web/tests && ../../scripts/with-xvfb node --test --test-concurrency=1 modules.test.mjs build.test.mjs page.test.mjs hosting.test.mjs

# The page's browser tests on a page another system built, in PAGE_DIR (for
# the one Debian 13 builds: make fresh-check first, PAGE_DIR=build/web-debian-13).
web-test-page: web-test-deps
	@test -n "$(PAGE_DIR)" || { echo "make web-test-page: say which page: PAGE_DIR=build/web-debian-13" >&2; exit 2; }
	cd web/tests && LUMIQ_WEB_DIR=$(abspath $(PAGE_DIR)) ../../scripts/with-xvfb node --test --test-concurrency=1 page.test.mjs hosting.test.mjs

# The browsers, and the npm packages that drive them.
web-test-deps:
	scripts/install-deps web
	cd web/tests && npm ci --no-audit --no-fund --loglevel=error

# The page's size, start-up time, load on a slow network and Lighthouse scores.
web-budget: web web-test-deps
	cd web/tests && ../../scripts/with-xvfb node budget.mjs

# Benchmarks, ending in one table of ratios to baselines from the same run.
# The start-up is timed offscreen, on a virtual X server and as a client of a
# headless Wayland compositor.
bench:
	scripts/install-deps bench
	cmake --preset bench
	cmake --build --preset bench -j $(JOBS)
	scripts/with-xvfb sh -c 'LUMIQ_X11_DISPLAY=$$DISPLAY exec scripts/with-weston 1 build/bench/bench/lumiq_bench'


# Each fuzz target for FUZZ_SECONDS under ASan and UBSan.
fuzz:
	scripts/install-deps fuzz
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	scripts/fuzz $(FUZZ_SECONDS)

# docs/screenshot.png, docs/screenshot-message.png in the middle of a flow, and
# docs/screenshot-2x.png at a scale factor of 2, docs/screenshot-dark.png under
# GNOME's dark theme, docs/screenshot-wayland.png on a Wayland compositor at
# scale 2, and docs/screenshot-web.png and -web-dark.png of the page in
# headless Chromium.
screenshot: build web
	scripts/install-deps screenshot web
	scripts/screenshot $(BUILD_DIR)/ui/lumiq
	scripts/screenshot $(BUILD_DIR)/ui/lumiq --mid-flow
	scripts/screenshot $(BUILD_DIR)/ui/lumiq --2x
	scripts/screenshot $(BUILD_DIR)/ui/lumiq --dark
	scripts/screenshot $(BUILD_DIR)/ui/lumiq --wayland
	scripts/screenshot-web

clean:
	rm -rf build
