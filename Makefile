# Zuvaduro: `make run` starts the program, `make test` runs the whole suite.
# Both install the missing Debian packages first (as root), then configure and build.

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test bench format check-format clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/zuvaduro $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure

# Benchmarks measure an optimised build of their own.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build build-bench -j $(JOBS) --target bench_core bench_startup zuvaduro
	./build-bench/bench_core
	./build-bench/bench_startup

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
