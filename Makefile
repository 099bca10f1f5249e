# Entry points: `make test` and `make run` (see README). Each installs what is missing first.
# Tests run on the debug build; users, the package and the benchmarks get the optimised one.

FUZZ_SECONDS ?= 1800

.PHONY: all test run bench fuzz package screenshot format clean debug release sanitize fuzz-build \
	windows test-windows

all: debug

debug:
	@scripts/install-deps.sh build test
	cmake --preset debug
	cmake --build --preset debug

release:
	@scripts/install-deps.sh build
	cmake --preset release
	cmake --build --preset release

sanitize:
	@scripts/install-deps.sh build test
	cmake --preset sanitize
	cmake --build --preset sanitize

# The newest Clang that has its libFuzzer and sanitizer runtimes installed.
fuzz-build:
	@scripts/install-deps.sh build test
	clang=$$(scripts/find-clang.sh) && cmake --preset fuzz -DCMAKE_CXX_COMPILER="$$clang"
	cmake --build --preset fuzz

# Every test of the debug build, then the core and offscreen window tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer, then a minute of fuzzing the core (Clang).
test: debug sanitize fuzz-build
	ctest --preset debug
	ctest --preset sanitize
	ctest --preset fuzz

run: release
	@scripts/run.sh build/release/src/main_window/varelux

# Core micro-benchmarks, window benchmarks, and start-up against a bare Qt window.
bench:
	@scripts/install-deps.sh build test bench
	cmake --preset bench
	cmake --build --preset bench
	build/bench/bench/core/bench_core
	QT_QPA_PLATFORM=offscreen build/bench/bench/ui/bench_ui
	tests/run_x11.sh build/bench/bench/startup/bench_startup \
	    build/bench/src/main_window/varelux build/bench/bench/startup/floor_window

# The fuzz target for FUZZ_SECONDS (default half an hour); what it learns stays in
# build/fuzz/fuzz/work/corpus for the next run, a failing input goes to .../work/artifacts.
fuzz: fuzz-build
	fuzz/run.sh build/fuzz/fuzz/fuzz_core $(FUZZ_SECONDS) fuzz/seeds build/fuzz/fuzz/work

# The Debian package of the optimised build: build/release/varelux_<version>_<arch>.deb
package: release
	@scripts/install-deps.sh package
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

screenshot: debug
	scripts/screenshot.sh build/debug/scripts/screenshots/varelux_screenshots docs

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
