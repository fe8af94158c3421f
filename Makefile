# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up, build, run and test in one place. Every target first installs the Debian packages it
# needs and the machine lacks (tools/install-packages.sh), then configures and builds with CMake.
# Each target asks only for what it uses, so `make run` stays small on a fresh machine.

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
JOBS ?= $(shell nproc)

# Unversioned names where a release renames a package. "a|b" takes the first that the release
# has: the narrow caption font is in fonts-liberation on Debian 12, in a package of its own on
# Debian 13 (where fonts-liberation holds version 2, without the narrow face).
NARROW_FONT := fonts-liberation-sans-narrow|fonts-liberation
# Building and running the window; dpkg-buildflags gives every build Debian's hardening, and
# Qt's own German texts (its buttons and menus) come from the translations package, under the
# same name on Debian 12 and 13. The sound theme's library is opened only to play a theme sound,
# so its run-time package suffices. The info window writes one X11 window property through
# libxcb, which Debian 13's qt6-base-dev no longer brings.
RUN_PACKAGES := cmake make g++ pkgconf qt6-base-dev libxcb1-dev libcanberra0 fonts-dejavu-core \
	$(NARROW_FONT) dpkg-dev qt6-translations-l10n
# dpkg-shlibdeps reads the package's library dependencies off the executable; lintian checks
# the package (and tells the packaging which of its checks this release has).
PACKAGE_PACKAGES := $(RUN_PACKAGES) file lintian
# The suite with the install-tree and package checks (g++ brings the sanitizer runtimes), the
# warning sound on a headless Wayland compositor, and the windows as a screen reader reads them
# through the accessibility bus on a virtual X server, and under the Orca screen reader with a
# window manager, typed at with xdotool; hardening-check (devscripts) on the package. The input
# row is tested under the styles users have: Adwaita on both releases, Breeze where the release
# builds it for Qt 6 (Debian 13; Debian 12's is for Qt 5 only).
QT6_BREEZE := $(shell grep -qs '^VERSION_ID="12"' /etc/os-release || echo kde-style-breeze)
TEST_PACKAGES := $(PACKAGE_PACKAGES) libgtest-dev libgmock-dev desktop-file-utils appstream \
	weston qt6-wayland libx11-dev xvfb dbus-daemon at-spi2-core python3-pyatspi orca \
	openbox xdotool devscripts adwaita-qt6 $(QT6_BREEZE)
FUZZ_PACKAGES := cmake make clang libclang-rt-dev
BENCH_PACKAGES := $(RUN_PACKAGES) libbenchmark-dev
XVFB_PACKAGES := $(RUN_PACKAGES) xvfb xauth
FRESH_PACKAGES := git debootstrap xvfb x11-utils

# The release tarball, and Debian's own packaging of it in a clean build chroot.
DIST_PACKAGES := git xz-utils
DEBIAN_PACKAGES := $(DIST_PACKAGES) debootstrap

# Stated on every configure, so a CI build (-Werror) leaves nothing behind for a later one.
WERROR := -DTARVISOL_WERROR=$(if $(CI),ON,OFF)
# CMake adds no flags of its own; Debian's hardening comes in here, as a distribution passes
# its flags (tools/build-flags.sh). The shell asks for them when the configure step runs, once
# dpkg-dev is installed, and every configure of a folder states the same ones.
# $(call hardening,BUILD_TYPE,BUILD_DIR)
build_flags = "$$(sh tools/build-flags.sh $(1) $(2) $(CURDIR) $(abspath $(3)))"
hardening = -DTARVISOL_CPPFLAGS=$(call build_flags,CPPFLAGS,$(1),$(2)) \
	-DCMAKE_CXX_FLAGS=$(call build_flags,CXXFLAGS,$(1),$(2)) \
	-DCMAKE_EXE_LINKER_FLAGS=$(call build_flags,LDFLAGS,$(1),$(2))
CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(WERROR) $(call hardening,$(BUILD_TYPE),$(BUILD_DIR))

# INSTALL_PACKAGES=no leaves the machine as it is, for a caller that must not install (the
# reproducibility check); a missing package then fails the step that needs it.
INSTALL_PACKAGES ?= yes
install_packages = @$(if $(filter no,$(INSTALL_PACKAGES)),true,PACKAGES="$(1)" sh tools/install-packages.sh)

VERSION := ${shell sed -n 's/^project(Tarvisol VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt}
TARBALL := $(BUILD_DIR)/tarvisol-$(VERSION).tar.xz

.PHONY: all build run run-xvfb test test-asan fuzz install package dist test-debian clean bench \
	test-fresh

all: build

# The tool alone. One build folder keeps one configuration: a new folder is configured without
# tests, so none of their packages are needed, and a folder that `make test` configured keeps
# its tests, so that building the tool there again recompiles nothing.
build:
	$(call install_packages,$(RUN_PACKAGES))
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) \
		$(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DBUILD_TESTING=OFF)
	cmake --build $(BUILD_DIR) --parallel $(JOBS) --target tarvisol

run: build
	$(BUILD_DIR)/app/tarvisol

# For a machine without a display: the window on a virtual X server, for as long as it is open.
run-xvfb: build
	$(call install_packages,$(XVFB_PACKAGES))
	xvfb-run --auto-servernum $(BUILD_DIR)/app/tarvisol

# The suite, the tests on real window systems and of the package included, then the same suite
# under the sanitizers and a short run of every fuzz target.
test:
	$(call install_packages,$(TEST_PACKAGES))
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) -DBUILD_TESTING=ON -DTARVISOL_SYSTEM_TESTS=ON
	cmake --build $(BUILD_DIR) --parallel $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure --parallel $(JOBS)
	$(MAKE) --no-print-directory test-asan
	$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=$(TEST_FUZZ_SECONDS)

# The whole suite, window tests included, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report (leaks included) fails the test that made it.
# The flags and options live in CMakePresets.json, for IDEs and for these recipes alike.
test-asan:
	$(call install_packages,$(TEST_PACKAGES))
	cmake --preset asan $(WERROR)
	cmake --build --preset asan --parallel $(JOBS)
	ctest --preset asan --parallel $(JOBS)

# libFuzzer targets in a clang build of the core alone; each runs FUZZ_SECONDS.
FUZZ_DIR := build-fuzz
FUZZ_SECONDS ?= 60
TEST_FUZZ_SECONDS ?= 20

fuzz:
	$(call install_packages,$(FUZZ_PACKAGES))
	cmake --preset fuzz $(WERROR)
	cmake --build --preset fuzz --parallel $(JOBS)
	sh fuzz/run.sh $(FUZZ_DIR) $(FUZZ_SECONDS)

# Installs under PREFIX, staged below DESTDIR when given (as packagers do): the executable, the
# menu entry, the icon, the metainfo and the manual pages, uncompressed.
PREFIX ?= /usr/local

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# The Debian package, tarvisol_<version>_<arch>.deb, in the build directory, checked by lintian.
# CPack 3.25 gives the package's own members (debian-binary, control and data) the
# modes the umask leaves them; its contents have fixed modes whatever the umask.
package: build
	$(call install_packages,$(PACKAGE_PACKAGES))
	cd $(BUILD_DIR) && umask 022 && cpack
	lintian --fail-on error,warning $(BUILD_DIR)/tarvisol_*.deb

# The release tarball of the committed HEAD, tarvisol-<version>.tar.xz in the build folder:
# every file under one folder tarvisol-<version>/, no .git. git writes the entries in a fixed
# order, with the commit's time and fixed modes; xz with one thread packs them the same way
# every time.
dist:
	$(call install_packages,$(DIST_PACKAGES))
	mkdir -p $(BUILD_DIR)
	git -c tar.umask=022 archive --format=tar --prefix=tarvisol-$(VERSION)/ HEAD | \
		xz -9 --threads=1 >$(TARBALL).new
	mv $(TARBALL).new $(TARBALL)
	@echo "$(TARBALL): $$(stat -c %s $(TARBALL)) bytes, sha256 $$(sha256sum <$(TARBALL) | cut -d ' ' -f 1)"

# Debian's packaging (packaging/debian/) builds the release tarball in a clean build chroot of
# release DIST, offline and as a normal user; then lintian checks the results and blhc the
# build log (needs root and Debian's mirror).
test-debian: dist
	$(call install_packages,$(DEBIAN_PACKAGES))
	sh tools/test-debian.sh $(DIST) $(TARBALL)

# Benchmarks in a hardened Release build of their own, so they time the tool as it is shipped;
# prints one table, then the start-up comparison.
BENCH_DIR ?= build-release
STARTUP_RUNS ?= 15
# Single runs on these machines move by a third; ten interleaved repetitions give steady medians.
BENCH_FLAGS ?= --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
	--benchmark_report_aggregates_only=true

bench:
	$(call install_packages,$(BENCH_PACKAGES))
	cmake -S . -B $(BENCH_DIR) -DCMAKE_BUILD_TYPE=Release $(call hardening,Release,$(BENCH_DIR)) \
		-DTARVISOL_BUILD_BENCH=ON -DBUILD_TESTING=OFF
	cmake --build $(BENCH_DIR) --parallel $(JOBS) --target tarvisol_bench startup_form1 startup_minimal startup_compare
	@# Qt wants a private runtime folder; without one each started program warns about it.
	export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 \
		XDG_RUNTIME_DIR=$${XDG_RUNTIME_DIR:-$$(mktemp -d)} && \
	$(BENCH_DIR)/bench/tarvisol_bench $(BENCH_FLAGS) && \
	$(BENCH_DIR)/bench/startup_compare $(STARTUP_RUNS) \
		$(BENCH_DIR)/bench/startup_form1 $(BENCH_DIR)/bench/startup_minimal

# The README on a fresh Debian machine: a minimal chroot of release DIST (bookworm or trixie)
# with the committed HEAD, `make test` in it, then `make run` until the window is up, then the
# package installed with apt and started. FRESH_STEPS=run does only `make run`, to measure what
# it installs and how long the window takes.
DIST ?= trixie
FRESH_STEPS ?= test run installed

test-fresh:
	$(call install_packages,$(FRESH_PACKAGES))
	sh tools/test-fresh.sh $(DIST) "$(FRESH_STEPS)"

clean:
	rm -rf $(BUILD_DIR) build-asan $(FUZZ_DIR) $(BENCH_DIR) $(WINDOWS_DIR)

# ---- Windows ------------------------------------------------------------------------------------
# The same tool for 64-bit Windows, cross-built with MinGW-w64 against a Qt that
# tools/build-qt-windows.sh builds once from Debian's own source and keeps in a cache outside
# the clone (the first run takes a while and says so); packed by CPack as an installer and a
# portable zip, and tested under Wine.
WINDOWS_DIR ?= build-windows
# The host's Qt tools and CMake files (moc, rcc and uic run on the host), Debian's Qt source
# (dpkg-dev unpacks it), the cross compiler, Qt's German texts, icotool for the icon and NSIS.
WINDOWS_PACKAGES := cmake ninja-build make dpkg-dev g++-mingw-w64-x86-64-posix qt6-base-dev \
	qt6-base-dev-tools qt6-translations-l10n icoutils nsis
# GoogleTest's source, built for Windows; Wine (Debian 12's 64-bit loader is wine64) with its
# own fonts and the X libraries its display driver loads; a virtual X server with a window
# manager, xdotool to type and xclip to read the clipboard; unzip for the portable zip.
WINDOWS_TEST_PACKAGES := $(WINDOWS_PACKAGES) googletest wine64|wine wine fonts-wine \
	libxrender1 libxrandr2 libxcursor1 libxi6 libxcomposite1 libxinerama1 libxfixes3 \
	xvfb openbox xdotool xclip unzip
# GCC 12 warns falsely of overlapping copies in std::string at -O3 (its bug 105329), an error
# under -Werror; Debian's own builds use -O2 as well.
WINDOWS_CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
	$(WERROR)
# Qt's own toolchain file, which loads the MinGW one and names Qt's host tools.
windows_configure = qt=$$(JOBS=$(JOBS) sh tools/build-qt-windows.sh) && \
	cmake -S . -B $(WINDOWS_DIR) $(WINDOWS_CMAKE_FLAGS) \
		-DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake -DBUILD_TESTING=$(1)

.PHONY: windows test-windows windows-packages

# build-windows/tarvisol-<version>-win64-setup.exe and build-windows/tarvisol-<version>-win64.zip
windows:
	$(call install_packages,$(WINDOWS_PACKAGES))
	$(call windows_configure,OFF)
	cmake --build $(WINDOWS_DIR) --parallel $(JOBS) --target tarvisol
	cd $(WINDOWS_DIR) && cpack
	@ls -l $(WINDOWS_DIR)/tarvisol-*-win64-setup.exe $(WINDOWS_DIR)/tarvisol-*-win64.zip

# Only the packages of the Windows build and its tests: CI installs them before it builds Qt
# for Windows beside the Linux checks.
windows-packages:
	$(call install_packages,$(WINDOWS_TEST_PACKAGES))

# The core and window tests built for Windows and run under Wine on Qt's offscreen platform,
# then the installer and the zip installed, used and uninstalled on a virtual X server.
test-windows:
	$(call install_packages,$(WINDOWS_TEST_PACKAGES))
	$(call windows_configure,ON)
	cmake --build $(WINDOWS_DIR) --parallel $(JOBS)
	cd $(WINDOWS_DIR) && cpack
	@# The tests are listed by running them, so Wine's prefix is made before CTest starts.
	sh tools/run-under-wine.sh --prefix $(WINDOWS_DIR)/wine-prefix
	ctest --test-dir $(WINDOWS_DIR) --output-on-failure --parallel $(JOBS)
