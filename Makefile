# make run: install what is missing, build and start TABLOX.
# make test: install what is missing, build, run every test, then again with sanitizers.
# make bench: install what is missing, build the benchmarks optimised and run them.
# make measure: the program's answer times and idle cost under Xvfb and in a terminal,
#   beside a bare SDL2 window, RUNS times each (15 unless told: `make measure RUNS=5`).
# make fuzz: build the fuzz targets with clang and run each a fixed number of times;
#   `make fuzz FUZZ_OPTIONS=-max_total_time=3600` runs each for an hour instead.
# make soak: 100000 random keys through the whole program under the sanitizers, then
#   10000 screen changes in memory and in the real window under Xvfb, with their figures.
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
FUZZ_BUILD ?= build-fuzz
FUZZ_OPTIONS ?= -runs=20000
RUNS ?= 15
JOBS ?= $(shell nproc)
WERROR ?= $(if $(CI),ON,OFF)

.PHONY: all deps build run test test-asan bench measure fuzz fuzz-build soak clean

all: build

deps:
	@bash tools/install_deps.sh

build: deps
	cmake -S . -B $(BUILD) -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tablox

test: build
	$(MAKE) fuzz
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	$(MAKE) test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DTABLOX_SANITIZE=ON -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j $(JOBS)

bench:
	@bash tools/install_deps.sh libbenchmark-dev
	cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release -DTABLOX_BENCH=ON -DBUILD_TESTING=OFF -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(BENCH_BUILD) -j $(JOBS) --target tablox_bench
	./$(BENCH_BUILD)/bench/tablox_bench

measure:
	@bash tools/install_deps.sh tmux
	cmake -S . -B $(BUILD) -DTABLOX_WERROR=$(WERROR) >/dev/null
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

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD) $(FUZZ_BUILD)
