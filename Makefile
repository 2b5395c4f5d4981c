# The two commands a fresh Debian 12 machine needs:
#   make run    installs what is missing, builds, and opens the window
#   make test   the same set-up, then every test, also under the sanitizers
# Further targets: make web, make bench, make bench-web, make screenshot,
# make worksheet, make package, make test-load.

BUILD_DIR := build
SANITIZE_DIR := build-sanitize
WEB_DIR := build-web
PACKAGE_DIR := $(BUILD_DIR)/package
PAGE := $(WEB_DIR)/altitude.html
# Debian's emscripten, with its cache inside $(WEB_DIR).
EMSCRIPTEN := sh scripts/emscripten-env.sh $(WEB_DIR)
NODE_MODULES := tests/web/node_modules
JOBS := $(shell nproc)
# With CI set in the environment, compiler warnings are errors.
WERROR := $(if $(CI),ON,OFF)

.PHONY: all setup build build-sanitize run test test-sanitize test-load bench screenshot worksheet \
	package clean web web-test-deps bench-web

all: build

setup:
	@sh scripts/setup.sh

build: setup
	@cmake --preset default -DALTITUDE_WERROR=$(WERROR) -DALTITUDE_WEB_PAGE=$(CURDIR)/$(PAGE) \
		-DALTITUDE_PACKAGE_DIR=$(CURDIR)/$(PACKAGE_DIR) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

# The page, one self-contained file: $(PAGE). The first build fills the
# compiler's cache in $(WEB_DIR)/emcache; later ones rebuild only what changed.
web: setup
	@$(EMSCRIPTEN) cmake --preset web -DALTITUDE_WERROR=$(WERROR) >/dev/null
	@$(EMSCRIPTEN) cmake --build $(WEB_DIR)/cmake -j $(JOBS)

# The browser tests' driver, as pinned in tests/web/package-lock.json.
web-test-deps: $(NODE_MODULES)/.package-lock.json
$(NODE_MODULES)/.package-lock.json: tests/web/package.json tests/web/package-lock.json
	@cd tests/web && npm ci --no-audit --no-fund --loglevel=error

run: build
	@$(BUILD_DIR)/src/desktop/altitude

test: build web web-test-deps package
	@ctest --preset default -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

# The whole suite again, built with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer; any report fails the test that caused it.
test-sanitize: build-sanitize
	@ctest --preset sanitize -j $(JOBS)

build-sanitize: setup
	@cmake --preset sanitize -DALTITUDE_WERROR=$(WERROR) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)

# The real-window and program tests of both builds, ten rounds in a row on a
# machine kept overloaded on purpose (ROUNDS=n for more). Not part of make test.
ROUNDS := 10
test-load: build build-sanitize
	@sh scripts/test-load.sh $(ROUNDS)

# Benchmarks, on the offscreen platform and in a virtual X display of their own;
# last, the window's drag against a bare Qt widget, the toolkit's floor.
bench: build
	@mkdir -p -m 700 $(BUILD_DIR)/bench-runtime
	@XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/bench-runtime \
		tests/support/with-xvfb.sh $(BUILD_DIR)/bench/altitude_bench
	@for mode in move memo; do \
		tests/support/with-xvfb.sh sh bench/xmove_bench.sh $(BUILD_DIR)/src/desktop/altitude 2000 $$mode; \
	done
	@tests/support/with-xvfb.sh sh bench/xpaint_bench.sh $(BUILD_DIR)/src/desktop/altitude \
		$(BUILD_DIR)/bench/altitude_qtfloor

# The page in headless Chromium: its size, first figure, time per move, memory,
# and its drag against plain canvas pages, at full speed and four times slower.
bench-web: web web-test-deps
	@ALTITUDE_WEB_PAGE=$(CURDIR)/$(PAGE) node bench/web/bench.js

# Makes the README's pictures of the window and of the page.
screenshot: build web web-test-deps
	@sh scripts/screenshot.sh $(BUILD_DIR)/src/desktop/altitude docs/screenshot.png docs/menu.png \
		docs/lesson-steps.png docs/lesson-1920.png
	@ALTITUDE_WEB_PAGE=$(CURDIR)/$(PAGE) node tests/web/screenshot.js docs/screenshot-web.png docs/lesson-upright.png

# Makes the README's worksheet pictures, without a window: one exported as
# PNG, the SVG and PDF of the initial figure as their readers show them, the
# lesson's steps, and the handout with its answer sheet.
worksheet: build
	@$(BUILD_DIR)/src/desktop/altitude --export docs/worksheet.png --angle 60 --lengths
	@echo "worksheet: wrote docs/worksheet.png"
	@sh scripts/worksheet-renders.sh $(BUILD_DIR)/src/desktop/altitude
	@sh scripts/lesson-pictures.sh $(BUILD_DIR)/src/desktop/altitude
	@sh scripts/handout-pictures.sh $(BUILD_DIR)/src/desktop/altitude

# The Debian package, $(PACKAGE_DIR)/altitude_<version>_<architecture>.deb,
# built by dpkg-buildpackage from debian/ in a copy of the tree, again
# whenever a file of the tree has changed.
PACKAGE_SOURCES := $(wildcard $(shell git ls-files --cached --others --exclude-standard 2>/dev/null))
package: $(PACKAGE_DIR)/.built
$(PACKAGE_DIR)/.built: $(PACKAGE_SOURCES) | setup
	@sh scripts/package.sh $(PACKAGE_DIR)
	@touch $@

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(WEB_DIR) $(NODE_MODULES)
