# Entry points: `make test` and `make run` (see README), and bench, fuzz, package, screenshot, faces.
# Each entry point first installs the Debian packages it needs that are missing
# (scripts/install-deps.sh, through sudo when not root); `make deps` only installs, what
# `make test` and `make run` need. The bare `make` and the preset targets (debug, release,
# sanitize, fuzz-build) install nothing: they build with what is there, and name what is missing.
# Tests run on the debug build; users, the package and the benchmarks get the optimised one.

FUZZ_SECONDS ?= 1800
STARTUP_PAIRS ?= 60
SUBMAKE = $(MAKE) --no-print-directory

.PHONY: all deps test run bench fuzz package screenshot faces format clean debug release sanitize fuzz-build \
	windows test-windows

all: debug

deps:
	@scripts/install-deps.sh build test

# The presets alone. The debug and sanitize builds configure the tests, which need the test tools.
debug:
	@scripts/install-deps.sh --check build test
	cmake --preset debug
	cmake --build --preset debug

release:
	@scripts/install-deps.sh --check build
	cmake --preset release
	cmake --build --preset release

sanitize:
	@scripts/install-deps.sh --check build test
	cmake --preset sanitize
	cmake --build --preset sanitize

# The newest Clang that has its libFuzzer and sanitizer runtimes installed.
fuzz-build:
	@scripts/install-deps.sh --check build test
	clang=$$(scripts/find-clang.sh) && cmake --preset fuzz -DCMAKE_CXX_COMPILER="$$clang"
	cmake --build --preset fuzz

# Every test of the debug build (clang-format and clang-tidy among them), then the core and
# offscreen window tests again under AddressSanitizer and UndefinedBehaviorSanitizer, then a
# minute of fuzzing the core (Clang).
test: deps
	@$(SUBMAKE) debug sanitize fuzz-build
	ctest --preset debug
	ctest --preset sanitize
	ctest --preset fuzz

run:
	@scripts/install-deps.sh build
	@$(SUBMAKE) release
	@scripts/run.sh build/release/src/main_window/varelux

# Core micro-benchmarks, window benchmarks, and start-up against a bare Qt window.
bench:
	@scripts/install-deps.sh build test bench
	cmake --preset bench
	cmake --build --preset bench
	build/bench/bench/core/bench_core
	QT_QPA_PLATFORM=offscreen build/bench/bench/ui/bench_ui
	tests/run_x11.sh build/bench/bench/startup/bench_startup \
	    build/bench/src/main_window/varelux build/bench/bench/startup/floor_window $(STARTUP_PAIRS)

# The fuzz target for FUZZ_SECONDS (default half an hour); what it learns stays in
# build/fuzz/fuzz/work/corpus for the next run, a failing input goes to .../work/artifacts.
fuzz:
	@scripts/install-deps.sh build test
	@$(SUBMAKE) fuzz-build
	fuzz/run.sh build/fuzz/fuzz/fuzz_core $(FUZZ_SECONDS) fuzz/seeds build/fuzz/fuzz/work

# The Debian package of the optimised build: build/release/varelux_<version>_<arch>.deb
package:
	@scripts/install-deps.sh build package
	@$(SUBMAKE) release
	cpack --preset release

# The Windows program, cross-built with MinGW-w64 against a static Qt built once from Debian's
# own Qt source (scripts/build-windows-qt.sh, cached outside the tree), and its packages:
# build/windows/varelux.exe, build/windows/varelux-<version>-windows-x64.zip
# and build/windows/varelux-<version>-setup.exe.
windows:
	@scripts/install-deps.sh windows
	qt=$$(scripts/build-windows-qt.sh) && VARELUX_QT_WINDOWS="$$qt" cmake --preset windows
	cmake --build --preset windows --target varelux
	cpack --preset windows

# The Windows build's tests and the checks of the program file and its installer, under Wine
# on a private X server.
test-windows: windows
	cmake --build --preset windows
	WINEPREFIX=$(CURDIR)/build/windows/wine tests/run_wine.sh ctest --preset windows

screenshot:
	@scripts/install-deps.sh build test
	@$(SUBMAKE) debug
	scripts/screenshot.sh build/debug/scripts/screenshots/varelux_screenshots docs

# The embedded faces, resources/fonts/VareluxSans-*.ttf, cut again from the system's Liberation
# Sans 2: after a text gains a character outside Latin-1 (tst_interface_face then fails).
faces:
	@scripts/install-deps.sh fonts
	scripts/cut-faces.py

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
