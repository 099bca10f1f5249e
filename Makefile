# Entry points: `make test` and `make run` (see README). Each installs what is missing first.
PRESET ?= debug
BUILD_DIR := build/$(PRESET)
APP := $(BUILD_DIR)/src/main_window/varelux

FUZZ_SECONDS ?= 1800

.PHONY: all deps build test run bench fuzz package screenshot format clean

all: build

deps:
	@scripts/install-deps.sh build test

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

# Every test of the build, then the core and offscreen window tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer, then a minute of fuzzing the core (Clang).
test: build
	ctest --preset $(PRESET)
	$(MAKE) --no-print-directory PRESET=sanitize build
	ctest --preset sanitize
	$(MAKE) --no-print-directory PRESET=fuzz build
	ctest --preset fuzz

run: build
	@scripts/run.sh $(APP)

bench:
	@scripts/install-deps.sh build bench
	cmake --preset release
	cmake --build --preset release --target bench_core
	build/release/bench/core/bench_core

# The fuzz target for FUZZ_SECONDS (default half an hour); what it learns stays in
# build/fuzz/fuzz/work/corpus for the next run, a failing input goes to .../work/artifacts.
fuzz:
	$(MAKE) --no-print-directory PRESET=fuzz build
	fuzz/run.sh build/fuzz/fuzz/fuzz_core $(FUZZ_SECONDS) fuzz/seeds build/fuzz/fuzz/work

# The Debian package of an optimised build: build/package/varelux_<version>_<arch>.deb
package:
	@scripts/install-deps.sh build package
	cmake --preset package
	cmake --build --preset package
	cpack --preset package

screenshot: build
	scripts/screenshot.sh $(BUILD_DIR)/scripts/screenshots/varelux_screenshots docs

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
