# Set-up, build, run and test in one place. Every target installs the Debian packages it
# needs when they are missing (as root), then configures and builds with CMake.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Packages for building and testing, and for running the window without a display.
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev \
            fonts-dejavu-core fonts-liberation xvfb xauth \
            libqt6svg6 desktop-file-utils appstream dpkg-dev file libbenchmark-dev \
            clang libclang-rt-14-dev

# CI treats every compiler warning as an error.
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(if $(CI),-DTARVISOL_WERROR=ON)

.PHONY: all deps configure build run test install package clean bench fuzz test-asan

all: build

deps:
	@PACKAGES="$(PACKAGES)" sh tools/install-packages.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	$(BUILD_DIR)/app/tarvisol

# After the suite, the same suite under the sanitizers and a short run of every fuzz target.
test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(TEST_FUZZ_SECONDS)

# The whole suite, window tests included, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report (leaks included) fails the test that made it.
# The flags and options live in CMakePresets.json, for IDEs and for these recipes alike.

test-asan: deps
	cmake --preset asan $(if $(CI),-DTARVISOL_WERROR=ON)
	cmake --build --preset asan --parallel $(JOBS)
	ctest --preset asan --parallel $(JOBS)

# libFuzzer targets in a clang build of the core alone; each runs FUZZ_SECONDS.
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 60
TEST_FUZZ_SECONDS ?= 20

fuzz: deps
	cmake --preset fuzz $(if $(CI),-DTARVISOL_WERROR=ON)
	cmake --build --preset fuzz --parallel $(JOBS)
	sh fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Installs under PREFIX, staged below DESTDIR when given (as packagers do).
PREFIX ?= /usr/local

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, tarvisol_<version>_<arch>.deb, in the build directory.
package: build
	cd $(BUILD_DIR) && cpack

clean:
	rm -rf $(BUILD_DIR)

# Benchmarks in a Release build of their own; prints one table, then the start-up comparison.
BENCH_DIR ?= build-release
STARTUP_RUNS ?= 15
# Single runs on these machines move by a third; ten interleaved repetitions give steady medians.
BENCH_FLAGS ?= --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
	--benchmark_report_aggregates_only=true

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTARVISOL_BUILD_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) --parallel $(JOBS) --target tarvisol_bench startup_form1 startup_minimal startup_compare
	@# Qt wants a private runtime folder; without one each started program warns about it.
	export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
		XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} && \
	$(BENCH_DIR)/bench/tarvisol_bench $(BENCH_FLAGS) && \
	$(BENCH_DIR)/bench/startup_compare $(STARTUP_RUNS) \
		$(BENCH_DIR)/bench/startup_form1 $(BENCH_DIR)/bench/startup_minimal
