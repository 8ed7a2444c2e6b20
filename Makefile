# Ordoteca: `make run` builds and starts the program, `make test` builds and
# runs every test headless. Both install the Debian packages they need first.
# `make install PREFIX=/usr/local` installs it, `make package` makes the .deb,
# `make screenshots` renders the user guide's pictures again.

BUILD      ?= build
ASAN_BUILD ?= build-asan
JOBS       ?= $(shell nproc)
CMAKE_FLAGS ?=
PREFIX     ?= /usr/local

.PHONY: all deps build run test test-asan bench install package screenshots clean

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

# The core tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DORDO_SANITIZE=ON -DORDO_BUILD_UI=OFF -DORDO_BUILD_BENCH=OFF
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -L core -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench-bin/*_bench; do echo "== $$b"; $$b --benchmark_min_time=0.2 || exit 1; done

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/ordoteca_*.deb

screenshots: build
	scripts/make-screenshots $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
