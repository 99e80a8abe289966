# Vantry: `make run` builds and starts the game, `make test` runs the test suite,
# `make package` builds the Debian package into $(BUILD)/ and `make package-check` checks it.
# `make screenshot` renders a game in progress to docs/screenshot.png.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench screenshot clean package package-check

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

# The engine's figures, then the game against a bare window of the board's size under Xvfb.
bench: build
	@scripts/install-deps --bench
	@$(BUILD)/bench/vantry_bench
	@$(BUILD)/bench/vantry_floor_bench --vantry $(BUILD)/vantry --bare $(BUILD)/bench/vantry_bare_window

# The package is built in a tree of its own: it is configured for /usr with the Debian layout,
# which the compiled-in data folder follows, and with Debian's hardening flags.
DEB_BUILD ?= $(BUILD)/deb
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
DEB_CXXFLAGS = $(shell $(DEB_FLAGS) CPPFLAGS 2>/dev/null) $(shell $(DEB_FLAGS) CXXFLAGS 2>/dev/null)
DEB_LDFLAGS = $(shell $(DEB_FLAGS) LDFLAGS 2>/dev/null)

package:
	@scripts/install-deps --packaging
	@cmake -S . -B $(DEB_BUILD) -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	  -DVANTRY_DEBIAN_PACKAGE=ON -DVANTRY_BUILD_TESTS=OFF -DVANTRY_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$(DEB_CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(DEB_LDFLAGS)" >/dev/null
	@cmake --build $(DEB_BUILD) -j $(JOBS) -- --no-print-directory
	@rm -f $(BUILD)/vantry_*.deb
	@cd $(DEB_BUILD) && cpack -G DEB -B $(abspath $(BUILD)) >/dev/null
	@ls -l $(BUILD)/vantry_*.deb

package-check: package
	@tests/install/check-package.sh $(BUILD)/vantry_*.deb $(DEB_BUILD)/generated/version.h

screenshot: configure
	@cmake --build $(BUILD) --target vantry_screenshot -j $(JOBS) -- --no-print-directory
	@mkdir -p docs
	@$(BUILD)/tools/vantry_screenshot docs/screenshot.png

clean:
	rm -rf $(BUILD)
