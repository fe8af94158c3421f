# Set-up, build, run and test in one place. Every target installs the Debian packages it
# needs when they are missing (as root), then configures and builds with CMake.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Packages for building and testing, and for running the window without a display.
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev \
            fonts-dejavu-core fonts-liberation xvfb xauth \
            libqt6svg6 desktop-file-utils appstream dpkg-dev file libbenchmark-dev

# CI treats every compiler warning as an error.
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(if $(CI),-DTARVISOL_WERROR=ON)

.PHONY: all deps configure build run test install package clean bench

all: build

deps:
	@PACKAGES="$(PACKAGES)" sh tools/install-packages.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) --parallel $(JOBS)

run: build
	$(BUILD_DIR)/app/tarvisol

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)

# Installs under PREFIX, staged below DESTDIR when given (as packagers do).
PREFIX ?= /usr/local

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, tarvisol_<version>_<arch>.deb, in the build directory.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

clean:
	rm -rf $(BUILD_DIR)

# Benchmarks in a Release build of their own; prints one table, then the start-up comparison.
BENCH_DIR ?= build-release
STARTUP_RUNS ?= 15

bench: deps
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release -DTARVISOL_BUILD_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) --parallel $(JOBS) --target tarvisol_bench startup_form1 startup_minimal startup_compare
	QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 $(BENCH_DIR)/bench/tarvisol_bench
	QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 $(BENCH_DIR)/bench/startup_compare $(STARTUP_RUNS) \
		$(BENCH_DIR)/bench/startup_form1 $(BENCH_DIR)/bench/startup_minimal
