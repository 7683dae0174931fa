# SPDX-License-Identifier: GPL-3.0-or-later
# Set-up on a fresh machine: `make demo` to try the program, `make test` to run every test.
BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
FUZZ_BUILD ?= build-fuzz
RELEASE_BUILD ?= build-release
FUZZ_SECONDS ?= 60
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
CTEST_FLAGS ?=
# UNITY=1 compiles each program's sources joined into a few files (CMake's
# unity build), so shared headers are read once a batch: a clean build of the
# tests takes less than half the time. CI uses it for the builds that only run
# tests. Everyday builds and the release build compile file by file, as a
# packager's plain build does, which also finds a file missing an include.
UNITY ?= 0
UNITY_FLAGS = -DCMAKE_UNITY_BUILD=$(if $(filter 1,$(UNITY)),ON,OFF)
# The tests labelled serial-timing run real exchanges on pseudo-terminals,
# timed to the millisecond; a machine busy elsewhere can starve the simulated
# tracker past the link's 50 ms gap. Such a test runs again after a failure, up
# to three times in all (a real fault fails every time); every other test runs
# once, so a flaky one fails at once.
RETRY_TIMED = --repeat until-pass:3
# $(call ctest-twice,COMMAND): every test but the timed ones, then those.
ctest-twice = $(1) -LE serial-timing $(CTEST_FLAGS) && $(1) -L serial-timing $(RETRY_TIMED) $(CTEST_FLAGS)

.PHONY: all deps configure build test test-unprivileged demo sanitize-test fuzz bench format format-check screenshot clean
.PHONY: a11y-check tidy translations
.PHONY: release package package-check

all: build

# Each target installs only the package groups it uses (scripts/install-deps
# lists them); `make deps` installs every group.
deps:
	scripts/install-deps

configure:
	scripts/install-deps build test
	cmake -S . -B $(BUILD) -G Ninja -DQZ5_WERROR=ON -DQZ5_BUILD_TESTS=ON $(UNITY_FLAGS) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The catalogues in translations/ take in the texts the sources added and
# drop the ones they lost (new entries wait there, unfinished, for a translator).
translations: configure
	cmake --build $(BUILD) --target update-translations

test: build
	$(call ctest-twice,QT_QPA_PLATFORM=offscreen ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS))

# The same tests as an ordinary user (nobody, when run as root), in the same
# build: as root, put it where nobody can read it (BUILD=/tmp/qz5-build).
test-unprivileged: build
	$(call ctest-twice,scripts/run-tests-unprivileged $(BUILD) -j $(JOBS))

# Only the window: a fresh build folder leaves the tests out (a later
# `make test` adds them), one already configured keeps its tests.
demo:
	scripts/install-deps build
	cmake -S . -B $(BUILD) -G Ninja -DQZ5_WERROR=ON \
		$(if $(wildcard $(BUILD)/CMakeCache.txt),,-DQZ5_BUILD_TESTS=OFF) $(CMAKE_FLAGS)
	cmake --build $(BUILD) -j $(JOBS) --target qz5-config
	$(BUILD)/src/app/qz5-config --demo

# The demo window read through the accessibility bus, as a screen reader
# reads it, and driven with the keyboard alone.
a11y-check: build
	scripts/install-deps a11y
	scripts/a11y-check $(BUILD)

# clang-tidy over the sources under src/ (.clang-tidy holds the checks), from
# a folder configured file by file: CI exports UNITY=1, and a unity batch is no
# file of ours. Nothing is built first: CMake writes the configured headers
# (program_info.h) as it configures, and no source includes moc's output, whose
# target would first compile the libraries it links. The compiler's warnings
# stay the build's: clang's are not gcc's, so no -Werror here. The Windows
# sources are not in this database, so they are left out.
TIDY_BUILD ?= build-tidy

tidy:
	scripts/install-deps build tidy
	cmake -S . -B $(TIDY_BUILD) -G Ninja -DQZ5_BUILD_TESTS=OFF -DQZ5_WERROR=OFF \
		-DCMAKE_UNITY_BUILD=OFF -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	run-clang-tidy -j $(JOBS) -p $(TIDY_BUILD) -quiet '^$(CURDIR)/src/'

SANITIZE_ENV = QT_QPA_PLATFORM=offscreen \
	LSAN_OPTIONS=suppressions=$(CURDIR)/scripts/lsan-suppressions.txt:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

sanitize-test:
	scripts/install-deps build test
	cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ5_SANITIZE=ON -DQZ5_WERROR=ON \
		$(UNITY_FLAGS)
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(call ctest-twice,$(SANITIZE_ENV) ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS))

fuzz:
	scripts/install-deps build fuzz
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQZ5_FUZZ=ON -DQZ5_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS) $(JOBS)

# The programs alone, as a package is built: optimised, with Debian's hardening
# flags, installed under /usr.
release:
	scripts/install-deps build package
	CXXFLAGS="$$(dpkg-buildflags --get CXXFLAGS) $$(dpkg-buildflags --get CPPFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" \
	cmake -S . -B $(RELEASE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQZ5_WERROR=ON \
		-DQZ5_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr $(CMAKE_FLAGS)
	cmake --build $(RELEASE_BUILD) -j $(JOBS)

package: release
	rm -f $(RELEASE_BUILD)/*.deb
	cd $(RELEASE_BUILD) && cpack -G DEB

package-check: package
	scripts/package-check $(RELEASE_BUILD)

bench: build
	scripts/run-benchmarks $(BUILD)

format:
	scripts/install-deps format
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

# Only clang-format, so CI can run this first.
format-check:
	scripts/install-deps format
	git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

screenshot: build
	scripts/make-screenshot $(BUILD)

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD) $(RELEASE_BUILD) $(WINDOWS_BUILD) $(TIDY_BUILD)

# Windows: qz5cfg.exe, qz5-config.exe and their tests, cross-built with
# mingw-w64 on Qt 6 for Windows (scripts/build-qt-windows makes the kit);
# the tests run under Wine.
WINDOWS_BUILD ?= build-windows
QT_WINDOWS_KIT = $(shell scripts/build-qt-windows --print-dir)

.PHONY: windows windows-test windows-package

windows:
	scripts/install-deps build windows
	scripts/build-qt-windows
	@# CMake keeps the toolchain of its first configure: a folder that found no kit starts again.
	@if [ -f $(WINDOWS_BUILD)/CMakeCache.txt ] && ! grep -q '^Qt6_DIR:PATH=$(QT_WINDOWS_KIT)' $(WINDOWS_BUILD)/CMakeCache.txt; then \
		rm -rf $(WINDOWS_BUILD); fi
	cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQZ5_WERROR=ON \
		-DCMAKE_TOOLCHAIN_FILE=$(QT_WINDOWS_KIT)/lib/cmake/Qt6/qt.toolchain.cmake \
		-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(CURDIR)/cmake/mingw-w64-x86_64.cmake \
		-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
	cmake --build $(WINDOWS_BUILD) -j $(JOBS)

windows-test: windows-package build
	scripts/windows-test $(BUILD) $(WINDOWS_BUILD)

windows-package: windows
	cmake --build $(WINDOWS_BUILD) --target windows-package
