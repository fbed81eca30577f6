# Front for the CMake build. Every target installs missing packages first, so a fresh
# Debian machine needs nothing but `make run` or `make test`.
BUILD    ?= build
SANBUILD ?= build-san
JOBS     ?= $(shell nproc)
GEN      := -G Ninja

.PHONY: all deps configure build run test sanitize bench fuzz install clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/app && ./zalmira

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The same tests under AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer.
# The pictures are rendered once by the normal build and reused here.
sanitize: build
	@cmake -S . -B $(SANBUILD) $(GEN) -DCMAKE_BUILD_TYPE=Debug -DZALMIRA_SANITIZE=ON \
	  -DZALMIRA_ASSETS_FROM=$(abspath $(BUILD)) >/dev/null
	@cmake --build $(SANBUILD) -j $(JOBS)
	ctest --test-dir $(SANBUILD) --output-on-failure -j $(JOBS)

bench: build
	@cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	@bash bench/run.sh $(BUILD)

fuzz: deps
	@bash scripts/fuzz.sh

install: build
	cmake --install $(BUILD) --prefix $(or $(PREFIX),/usr/local)

clean:
	rm -rf $(BUILD) $(SANBUILD)
