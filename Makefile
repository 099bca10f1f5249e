# Entry points: `make test` and `make run` (see README). Each installs what is missing first.
# Tests run on the debug build; users, the package and the benchmarks get the optimised one.

.PHONY: all test run bench package screenshot format clean debug release

all: debug

debug:
	@scripts/install-deps.sh build test
	cmake --preset debug
	cmake --build --preset debug

release:
	@scripts/install-deps.sh build
	cmake --preset release
	cmake --build --preset release

test: debug
	ctest --preset debug

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

# The Debian package of the optimised build: build/release/varelux_<version>_<arch>.deb
package: release
	@scripts/install-deps.sh package
	cpack --preset release

screenshot: debug
	scripts/screenshot.sh build/debug/scripts/screenshots/varelux_screenshots docs

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
