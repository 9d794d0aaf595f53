# make run: install what is missing, build and start TABLOX.
# make test: install what is missing, build, run every test, then again with sanitizers.
# make bench: install what is missing, build the benchmarks optimised and run them.
BUILD ?= build
ASAN_BUILD ?= build-asan
BENCH_BUILD ?= build-bench
JOBS ?= $(shell nproc)
WERROR ?= $(if $(CI),ON,OFF)

.PHONY: all deps build run test test-asan bench clean

all: build

deps:
	@bash tools/install_deps.sh

build: deps
	cmake -S . -B $(BUILD) -DTABLOX_WERROR=$(WERROR) >/dev/null
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tablox

test: build
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

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(BENCH_BUILD)
