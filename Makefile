# make run: install what is missing, build the program (only) and start it.
# make test: install what is missing, build, run every test, then again with sanitizers.
# make format: clang-format over the hand-written C++ sources (all but the generated font);
#   make test fails when one of them deviates from .clang-format.
# make bench: install what is missing, build the benchmarks optimised and run them.
# make measure: the program's answer times and idle cost under Xvfb and in a terminal,
#   beside a bare SDL2 window, RUNS times each (15 unless told: `make measure RUNS=5`).
# make fuzz: build the fuzz targets with clang and run each a fixed number of times;
#   `make fuzz FUZZ_OPTIONS=-max_total_time=3600` runs each for an hour instead.
# make soak: 100000 random keys through the whole program under the sanitizers, then
#   10000 screen changes in memory and in the real window under Xvfb, with their figures.
# make install: install under PREFIX (/usr/local unless told), into DESTDIR when given;
#   make uninstall removes what it installed.
# make package: the Debian package build/tablox_<version>_<arch>.deb, checked by lintian.
# make windows: build-windows/tablox.exe, cross-built with MinGW-w64: one file that needs
#   no DLL but Windows' own. make test-windows: its tests under Wine (part of make test).
#   make measure-windows: make measure with tablox.exe under Wine beside the Linux window.
# make screenshots: draws the pictures in docs/images/ afresh from the program's own screens
#   (tools/screenshots); make test fails when a committed one differs from what it draws.
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
WINDOWS_BUILD ?= build-windows
# What the Windows build needs beyond the Linux one: the cross compiler, the icon maker,
# Wine (with its fonts, for its console) to run the tests, tmux to hold its console, and
# NSIS and cmark-gfm for the setup with its guide.
WINDOWS_PACKAGES = g++-mingw-w64-x86-64-posix icoutils wine wine64 fonts-wine tmux nsis cmark-gfm
FUZZ_OPTIONS ?= -runs=20000
RUNS ?= 15
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local
WERROR ?= $(if $(CI),ON,OFF)

.PHONY: all deps configure build run test test-asan format format-check bench measure fuzz fuzz-build soak install \
	uninstall package screenshots clean windows windows-configure test-windows measure-windows

all: build

deps:
	@bash tools/install_deps.sh

configure: deps
	cmake -S . -B $(BUILD) -DTABLOX_WERROR=$(WERROR) >/dev/null

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: configure
	cmake --build $(BUILD) -j $(JOBS) --target tablox
	./$(BUILD)/tablox

test: build format-check
	$(MAKE) fuzz
	$(MAKE) windows-package
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-windows
	$(MAKE) test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DTABLOX_SANITIZE=ON -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

windows-configure:
	@bash tools/install_deps.sh $(WINDOWS_PACKAGES)
	cmake -S . -B $(WINDOWS_BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DTABLOX_WERROR=$(WERROR) -DTABLOX_NATIVE_BUILD=$(abspath $(BUILD)) >/dev/null

windows: windows-configure
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target tablox
	cd $(WINDOWS_BUILD) && ctest -R '^windows[.]program$$' --output-on-failure

# The window tests under Wine compare with the Linux build's in-memory pictures and read
# the window with its xprobe. Each run makes a new Wine prefix.
test-windows: windows-configure configure
	cmake --build $(BUILD) -j $(JOBS) --target xprobe memory_picture
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	rm -rf $(WINDOWS_BUILD)/wine $(WINDOWS_BUILD)/wine.lock
	cd $(WINDOWS_BUILD) && ctest --output-on-failure -j $(JOBS)

# make measure with tablox.exe under Wine measured in the same turns.
measure-windows: configure windows-configure
	@bash tools/install_deps.sh tmux
	cmake --build $(BUILD) -j $(JOBS) --target tablox xprobe latency_probe bare_sdl_echo
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target tablox
	WINE_TABLOX=$(WINDOWS_BUILD)/tablox.exe WINE_PREFIX=$(WINDOWS_BUILD)/wine \
	  bash tools/measure_window.sh $(BUILD)/tablox $(RUNS)

# The hand-written C++ sources: every tracked one but the font generated from its source.
SOURCES = $(filter-out display/font.cpp,$(shell find app calculators display platform tests tools bench \
	-name '*.cpp' -o -name '*.h'))

format: deps
	clang-format -i $(SOURCES)

format-check: deps
	@clang-format --dry-run --Werror $(SOURCES) || \
	  { echo "Sources deviate from .clang-format: run make format" >&2; exit 1; }

bench:
	@bash tools/install_deps.sh libbenchmark-dev
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTABLOX_BENCH=ON -DBUILD_TESTING=OFF -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tablox_bench
	./$(BENCH_BUILD)/bench/tablox_bench

measure: configure
	@bash tools/install_deps.sh tmux
	cmake --build $(BUILD) -j $(JOBS) --target tablox xprobe latency_probe bare_sdl_echo
	bash tools/measure_window.sh $(BUILD)/tablox $(RUNS)

fuzz: fuzz-build
	bash tools/fuzz.sh $(FUZZ_BUILD) $(FUZZ_OPTIONS)

fuzz-build:
	@bash tools/install_deps.sh clang libclang-rt-14-dev
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DTABLOX_FUZZ=ON -DBUILD_TESTING=OFF -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target tablox_fuzz_targets

soak: build
	@bash tools/install_deps.sh xrestop
	cmake -S . -B $(ASAN_BUILD) -DTABLOX_SANITIZE=ON -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS) --target tablox_soak
	./$(ASAN_BUILD)/tests/tablox_soak 100000 10000
	./$(BUILD)/tests/tablox_soak 0 10000
	SCREENS=10000 bash tests/xvfb/screen_changes_test.sh $(BUILD)/tablox

# The list of installed files (with DESTDIR) is kept apart from install_manifest.txt
# (without it), which every later install into a test directory overwrites.
install: configure
	cmake --build $(BUILD) -j $(JOBS) --target tablox_install_files
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	sed 's|^|$(DESTDIR)|' $(BUILD)/install_manifest.txt >$(BUILD)/installed_files.txt

uninstall:
	@test -f $(BUILD)/installed_files.txt || { echo "Nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -fv <$(BUILD)/installed_files.txt
	grep '/doc/tablox/README.md$$' $(BUILD)/installed_files.txt | xargs -d '\n' -r dirname | \
	  xargs -d '\n' -r -I{} rmdir {}/docs/images {}/docs {}
	rm $(BUILD)/installed_files.txt

package: configure
	cmake --build $(BUILD) -j $(JOBS) --target tablox_install_files
	cd $(BUILD) && cpack -G DEB
	lintian --fail-on error $(BUILD)/tablox_*.deb

screenshots: configure
	cmake --build $(BUILD) -j $(JOBS) --target screenshots
	rm -f docs/images/*.png
	./$(BUILD)/tools/screenshots docs/images

# make windows-package: from make windows's tablox.exe, what Windows users download: the
# setup build-windows/tablox-<version>-setup.exe and build-windows/tablox-<version>-windows-x64.zip.
.PHONY: windows-package
windows-package: windows
	cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target tablox_windows_package

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD) $(WINDOWS_BUILD)
