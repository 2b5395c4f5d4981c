# The two commands a fresh Debian 12 machine needs:
#   make run    installs what is missing, builds, and opens the window
#   make test   the same set-up, then every test, also under the sanitizers
# Further targets: make bench, make screenshot, make package.

BUILD_DIR := build
SANITIZE_DIR := build-sanitize
JOBS := $(shell nproc)
# With CI set in the environment, compiler warnings are errors.
WERROR := $(if $(CI),ON,OFF)

.PHONY: all setup build run test test-sanitize bench screenshot package clean

all: build

setup:
	@sh scripts/setup.sh

build: setup
	@cmake --preset default -DALTITUDE_WERROR=$(WERROR) >/dev/null
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@$(BUILD_DIR)/src/app/altitude

test: build
	@ctest --preset default -j $(JOBS)
	@$(MAKE) --no-print-directory test-sanitize

# The whole suite again, built with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer; any report fails the test that caused it.
test-sanitize: setup
	@cmake --preset sanitize -DALTITUDE_WERROR=$(WERROR) >/dev/null
	@cmake --build $(SANITIZE_DIR) -j $(JOBS)
	@ctest --preset sanitize -j $(JOBS)

# Benchmarks, on the offscreen platform and in a virtual X display of their own.
bench: build
	@mkdir -p -m 700 $(BUILD_DIR)/bench-runtime
	@XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/bench-runtime \
		xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" $(BUILD_DIR)/bench/altitude_bench
	@for mode in move memo; do \
		xvfb-run -a -s "-screen 0 1600x1000x24 -nolisten tcp" \
			sh bench/xmove_bench.sh $(BUILD_DIR)/src/app/altitude 2000 $$mode; \
	done

# Makes the README's picture of the window.
screenshot: build
	@sh scripts/screenshot.sh $(BUILD_DIR)/src/app/altitude docs/screenshot.png

# The Debian package, $(BUILD_DIR)/altitude_<version>_<architecture>.deb, made by CPack.
package: build
	@cmake --build $(BUILD_DIR) --target package

clean:
	@rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
