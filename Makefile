# Set-up, build, run and test in one place. Every target installs the Debian packages it
# needs when they are missing (as root), then configures and builds with CMake.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Packages for building and testing, and for running the window without a display.
PACKAGES := cmake make g++ pkg-config qt6-base-dev libgtest-dev libgmock-dev \
            fonts-dejavu-core fonts-liberation xvfb xauth

# CI treats every compiler warning as an error.
CMAKE_FLAGS := -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(if $(CI),-DTARVISOL_WERROR=ON)

.PHONY: all deps configure build run test clean

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

clean:
	rm -rf $(BUILD_DIR)
