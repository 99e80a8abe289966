# Vantry: `make run` builds and starts the game, `make test` runs the test suite,
# `make screenshot` renders a game in progress to docs/screenshot.png.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench screenshot clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt: | deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	@cmake --build $(BUILD) -j $(JOBS) -- --no-print-directory

run: build
	$(BUILD)/vantry $(ARGS)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@$(BUILD)/bench/vantry_bench

screenshot: configure
	@cmake --build $(BUILD) --target vantry_screenshot -j $(JOBS) -- --no-print-directory
	@mkdir -p docs
	@$(BUILD)/tools/vantry_screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD)
