# Entry points: `make test` and `make run` (see README). Each installs what is missing first.
PRESET ?= debug
BUILD_DIR := build/$(PRESET)
APP := $(BUILD_DIR)/src/main_window/varelux

.PHONY: all deps build test run bench package screenshot format clean

all: build

deps:
	@scripts/install-deps.sh build test

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

# Every test of the build, then the core and offscreen window tests again under AddressSanitizer
# and UndefinedBehaviorSanitizer.
test: build
	ctest --preset $(PRESET)
	$(MAKE) --no-print-directory PRESET=sanitize build
	ctest --preset sanitize

run: build
	@scripts/run.sh $(APP)

bench:
	@scripts/install-deps.sh build bench
	cmake --preset release
	cmake --build --preset release --target bench_core
	build/release/bench/core/bench_core

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
