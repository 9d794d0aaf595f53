# make run: install what is missing, build and start TABLOX.
# make test: install what is missing, build, run every test, then again with sanitizers.
BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
WERROR ?= $(if $(CI),ON,OFF)

.PHONY: all deps build run test test-asan clean

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

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
