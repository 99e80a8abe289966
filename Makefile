# Vantry: `make run` builds and starts the game, `make test` runs the test suite,
# `make package` builds the Debian package into $(BUILD)/ and `make package-check` checks it.
# `make translations` brings translations/*.ts up to date with the texts in the code.
# `make screenshot` renders a game in progress to docs/screenshot.png.
# `make test-asan` runs the suite under the address and undefined-behaviour sanitizers, and
# `make fuzz` runs the fuzz targets for FUZZ_SECONDS each (`make fuzz-short` for a quick pass).
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench translations screenshot clean package package-check test-asan fuzz fuzz-short fuzz-corpus

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

# lupdate over the code: new texts join every .ts file unfinished, texts gone from the code leave.
translations: configure
	@cmake --build $(BUILD) --target update_translations -- --no-print-directory

# The engine's figures, the board drawn at twice its size, then the game against a bare window of
# the board's size under Xvfb, then a four-computer game with the counters' travel and without it,
# then the game log, then an event's way from host to guest over loopback, then what hosting
# costs the host under hostile connections and with a full table.
bench: build
	@scripts/install-deps --bench
	@$(BUILD)/bench/vantry_bench
	@$(BUILD)/bench/vantry_board_bench
	@$(BUILD)/bench/vantry_floor_bench --vantry $(BUILD)/vantry --bare $(BUILD)/bench/vantry_bare_window
	@$(BUILD)/bench/vantry_travel_bench --vantry $(BUILD)/vantry
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/vantry_log_bench
	@$(BUILD)/bench/vantry_net_bench
	@$(BUILD)/bench/vantry_host_load_bench

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
	  -DCMAKE_CXX_FLAGS="$(DEB_CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(DEB_LDFLAGS)" \
	  -DCMAKE_MODULE_LINKER_FLAGS="$(DEB_LDFLAGS)" >/dev/null
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

# The sanitizer build: the whole suite with AddressSanitizer (leak checking on) and
# UndefinedBehaviorSanitizer, stopping at the first finding. The build runs our programs too
# (the cue generator, the icon renderer, the test listing), so the options hold for it as well.
ASAN_BUILD ?= build-asan
SANITIZE = -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

test-asan:
	@scripts/install-deps
	@$(SANITIZER_ENV) cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DVANTRY_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$(SANITIZE) -O1" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)" >/dev/null
	@$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS) -- --no-print-directory
	@$(SANITIZER_ENV) ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)

# The fuzz targets build in a tree of their own with clang and libFuzzer; only the libraries
# they reach are built there.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS = savegame records message
FUZZ_ENV = ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

fuzz:
	@scripts/install-deps --sanitizers
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVANTRY_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) -- --no-print-directory
	@set -e; for t in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$t $(FUZZ_BUILD)/findings/$$t; \
	  log=$(FUZZ_BUILD)/fuzz_$$t.log; \
	  echo "fuzz_$$t: $(FUZZ_SECONDS) s"; \
	  $(FUZZ_ENV) $(FUZZ_BUILD)/fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 \
	    -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/findings/$$t/ \
	    $(FUZZ_BUILD)/corpus/$$t fuzz/corpus/$$t >$$log 2>&1 || { tail -n 80 $$log; exit 1; }; \
	  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb|INFO: seed corpus' $$log; \
	done

fuzz-short:
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=15

# Writes the seed files of fuzz/corpus/ anew with the game's own writer.
fuzz-corpus:
	@scripts/install-deps --sanitizers
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
	  -DVANTRY_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzz_makecorpus -j $(JOBS) -- --no-print-directory
	@$(FUZZ_BUILD)/fuzz/fuzz_makecorpus fuzz/corpus

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
