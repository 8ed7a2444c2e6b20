# Ordoteca: `make run` builds and starts the program, `make test` builds and
# runs every test headless. Both install the Debian packages they need first.
# `make install PREFIX=/usr/local` installs it, `make package` makes the .deb,
# `make screenshots` renders the user guide's pictures again, `make server-demo`
# opens a sample catalogue on a private PostgreSQL server.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX     ?= /usr/local

.PHONY: all deps build run test test-asan bench install package screenshots server-demo clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/ordoteca

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Every test once more under AddressSanitizer and UndefinedBehaviorSanitizer,
# the user-interface tests included. The core tests check for leaks as they
# are; the UI tests run with tests/sanitizers/lsan.supp, which names only the
# third-party libraries (Qt, Chromium, fontconfig, ...) that keep memory for
# the life of the process. Chromium inside Qt WebEngine frees some objects
# with a sized delete of a base type (new_delete_type_mismatch, reported from
# libQt6WebEngineCore frames only), so that one check is off for the UI tests.
SAN_ENV = UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORDO_SANITIZE=ON -DORDO_BUILD_UI=ON -DORDO_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(SAN_ENV) ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -L core -j $(JOBS)
	cd $(ASAN_BUILD) && $(SAN_ENV) ASAN_OPTIONS=detect_leaks=1:detect_odr_violation=0:new_delete_type_mismatch=0 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	  ctest --output-on-failure -L ui -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench-bin/*_bench; do echo "== $$b"; $$b --benchmark_min_time=0.2 || exit 1; done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/ordoteca_*.deb

screenshots: build
	scripts/make-screenshots $(BUILD)

# A private PostgreSQL server with the sample catalogue, opened in Ordoteca.
server-demo: build
	scripts/server-demo $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
