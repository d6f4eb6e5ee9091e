# The two commands of the README: `make run` and `make test`.
BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
# Seconds each fuzz target runs in `make fuzz` (and so in `make test`).
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
# Rebuilds of unchanged sources (other worktrees, CI on the same machine) come from the cache.
# Warnings fail the build.
STRICT     := -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
LAUNCHER   := $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)

.PHONY: deps format-check build asan-build fuzz-build fuzz run test bench package package-test clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release $(STRICT) $(LAUNCHER) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

# The headless libraries, the command-line runner and their tests under AddressSanitizer +
# UndefinedBehaviorSanitizer (the widget code is not built here).
asan-build: deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug $(STRICT) $(LAUNCHER) \
	    -DKELDRA_SANITIZE=ON -DKELDRA_BUILD_APP=OFF -DKELDRA_BUILD_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)

# The libFuzzer targets (tests/fuzz), built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer; each test runs one target for FUZZ_SECONDS seconds.
fuzz-build: deps
	@CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo $(STRICT) $(LAUNCHER) \
	    -DKELDRA_FUZZ=ON -DKELDRA_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	@ctest --test-dir $(FUZZ_BUILD) --output-on-failure -j $(JOBS)

run: build
	@bash scripts/run-examples.sh $(BUILD)/bin

# Every C and C++ source in the house style of .clang-format.
format-check: deps
	@bash scripts/check-format.sh

test: format-check build asan-build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz

bench: build
	@$(BUILD)/bin/keldra-bench

# The Debian package $(BUILD)/keldra_VERSION_ARCH.deb, and its check (also run by make test).
package: build
	@cmake --build $(BUILD) --target package

package-test: build
	@ctest --test-dir $(BUILD) -R '^package$$' --no-tests=error --output-on-failure

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
