# Entry points (see README). Those marked * first install the Debian packages they need that are
# missing (scripts/install-deps.sh, through sudo when not root):
#   make test *        every test: debug build, then sanitizers, then a minute of fuzzing
#   make run *         builds the optimised program and starts it
#   make deps *        only installs what make test and make run need
#   make package *     the Debian package of the optimised build
#   make bench *       core, window and start-up benchmarks
#   make fuzz *        the fuzz target for FUZZ_SECONDS (default half an hour)
#   make screenshot *  the README's pictures in docs/
#   make faces *       cuts the embedded faces again from the system's Liberation Sans 2
#   make windows *     the Windows program, its zip, its installer and their winget manifests
#   make test-windows *  the Windows build's tests and checks, under Wine
#   make web *         Varelux for the browser: the site, ready for any static web server
#   make test-web *    the site in headless Chromium: the worked examples, the error box, size
#   make bench-web *   the site's first painted frame against a bare page, in headless Chromium
#   make bench-windows *  start-up and click of the Windows program, under Wine
#   make translations  refreshes translations/*.ts from the texts of the code (lupdate)
#   make format        clang-format over the sources
#   make               (or debug, release, sanitize, fuzz-build) builds that preset with what is
#                      installed, and names what is missing
#   make clean         removes every build
# Where each build goes is the presets' business (CMakePresets.json): the Makefile names presets
# and the targets that run what they build, never a build directory.

SUBMAKE = $(MAKE) --no-print-directory

# Configures preset $(2) against the static Qt for $(1), built once from Debian's own Qt source
# by scripts/build-qt.sh (cached outside the tree), which prints its prefix for the preset's
# VARELUX_QT. Configured afresh each time (a second, as nothing is recompiled then): a Qt of other
# options lies in another prefix, and a build keeps the toolchain file, and so the Qt, it was
# first configured with.
configure_with_qt = qt=$$(scripts/build-qt.sh $(1)) && VARELUX_QT="$$qt" cmake --preset $(2) --fresh

.PHONY: all deps test run bench fuzz package screenshot faces translations format clean debug release \
	sanitize fuzz-build \
	windows test-windows bench-windows web web-site test-web bench-web

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
	@cmake --build --preset release --target run

# Core micro-benchmarks, window benchmarks, and start-up against a bare Qt window
# (STARTUP_PAIRS pairs, default 60).
bench:
	@scripts/install-deps.sh build test bench
	cmake --preset bench
	cmake --build --preset bench --target run_benchmarks

# The fuzz target for FUZZ_SECONDS (default half an hour); what it learns is kept for the next
# run, a failing input is written beside it (README).
fuzz:
	@scripts/install-deps.sh build test
	@$(SUBMAKE) fuzz-build
	cmake --build --preset fuzz --target run_fuzzer

# The Debian package of the optimised build: varelux_<version>_<arch>.deb beside the build.
package:
	@scripts/install-deps.sh build package
	@$(SUBMAKE) release
	cpack --preset release

# The Windows program, cross-built with MinGW-w64 against a static Qt (scripts/build-qt.sh
# windows), its zip and NSIS installer, and then the winget manifests of both, which give each
# file's SHA-256.
windows:
	@scripts/install-deps.sh windows
	$(call configure_with_qt,windows,windows)
	cmake --build --preset windows --target varelux
	cpack --preset windows
	cmake --build --preset windows --target varelux_winget

# The Windows build's tests and the checks of the program file and its installer, under Wine
# on a private X server.
test-windows: windows
	cmake --build --preset windows
	tests/run_wine.sh ctest --preset windows

# Start-up of varelux.exe against a bare window built with the same Qt, and the "Calcola" click,
# under Wine on a private X server; bench_startup itself is built for this machine.
bench-windows:
	@scripts/install-deps.sh build bench windows
	$(call configure_with_qt,windows,windows-bench)
	cmake --build --preset windows-bench --target run_benchmarks

# Varelux in the browser: a Qt for WebAssembly (scripts/build-qt.sh wasm), the web preset
# against it, and the site installed where the preset puts it. On a release whose emscripten is
# too old for Qt 6, all of it runs in a Debian 13 root (scripts/with-emscripten.sh), which
# installs what it needs.
web:
	scripts/with-emscripten.sh web -- $(SUBMAKE) web-site

web-site:
	@scripts/install-deps.sh --check web
	$(call configure_with_qt,wasm,web)
	cmake --build --preset web --target install

# The site in headless Chromium, served on 127.0.0.1 (tests/web/check_page.py).
test-web: web
	scripts/with-emscripten.sh web web-test -- cmake --build --preset web --target check_web

# The site's first painted frame against the floor page, a bare window built with the same Qt,
# in headless Chromium (bench/startup/web_first_frame.py).
bench-web: web
	scripts/with-emscripten.sh web web-test -- cmake --build --preset web --target bench_web

screenshot:
	@scripts/install-deps.sh build test
	@$(SUBMAKE) debug
	cmake --build --preset debug --target screenshots

# After a text gains a character outside Latin-1 (tst_interface_face then fails).
faces:
	@scripts/install-deps.sh fonts
	scripts/cut-faces.py

# The .ts files of translations/ brought up to date with the code's texts (lupdate), Italian's
# plural forms included; the new texts then wait there, unfinished, for their translation.
translations:
	@scripts/install-deps.sh --check build test
	cmake --preset debug
	cmake --build --preset debug --target update_translations update_italian_plurals

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build
