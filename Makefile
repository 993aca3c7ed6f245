# Zuvaduro: `make run` starts the program, `make test` runs the whole suite.
# Both install the missing Debian packages first (as root), then configure and build.
# `make package` builds the Debian package zuvaduro_VERSION_ARCH.deb here; `make install
# PREFIX=DIR` installs the same files under DIR (default /usr/local).

BUILD ?= build
BUILD_TYPE ?= RelWithDebInfo
# Extra CMake options for every configure, e.g. CMAKE_FLAGS=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
PREFIX ?= /usr/local
PACKAGE_BUILD ?= build-package

.PHONY: all deps configure build run test bench package install format check-format clean

all: build

deps:
	@./scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/zuvaduro $(ARGS)

test: build
	cd $(BUILD) && ctest --output-on-failure

# Benchmarks measure an optimised build of their own.
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null
	@cmake --build build-bench -j $(JOBS) --target bench_core bench_startup zuvaduro
	./build-bench/bench_core
	./build-bench/bench_startup

# An optimised build of the program and its manual page (the tests are configured but not
# built), packed by CPack; the package's dependencies come from dpkg-shlibdeps.
package: deps
	@cmake -S . -B $(PACKAGE_BUILD) -DCMAKE_BUILD_TYPE=Release -DZUVADURO_BENCH=OFF \
		-DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS) --target zuvaduro zuvaduro_manpage
	@cd $(PACKAGE_BUILD) && cpack -G DEB -B $(CURDIR)/$(PACKAGE_BUILD)/out >/dev/null
	@cp $(PACKAGE_BUILD)/out/zuvaduro_*.deb .
	@ls zuvaduro_*.deb

# The desktop finds the file type and the program that opens it through two caches: refresh
# those under PREFIX where the tools are there (the package's installation does this itself).
install: build
	cmake --install $(BUILD) --prefix $(PREFIX)
	-update-mime-database $(PREFIX)/share/mime
	-update-desktop-database -q $(PREFIX)/share/applications

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

check-format:
	clang-format --dry-run --Werror $$(git ls-files '*.cpp' '*.h')

# Every build folder that this Makefile and CI create, and the package they leave here.
clean:
	rm -rf $(sort $(BUILD) build build-asan build-tsan build-fuzz build-bench $(PACKAGE_BUILD)) zuvaduro_*.deb
