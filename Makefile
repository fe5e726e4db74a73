# The two commands of the README: `make run` and `make test`; `make fuzz` for long fuzz runs,
# `make bench` for the benchmarks and `make package` for the Debian package.
BUILD ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
PACKAGE_BUILD ?= build-package
WIN_CORE_BUILD ?= build-windows-core
WIN_BUILD ?= build-windows
WIN_TEST_BUILD ?= build-windows-test
MINGW_TOOLCHAIN := $(CURDIR)/cmake/mingw-w64-x86_64.cmake
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_SECONDS ?= 300

# Every time written into what is built (resources, archives, the installer, the package) is
# that of the last commit, so that one commit always builds the same bytes.
SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null)
ifneq ($(SOURCE_DATE_EPOCH),)
export SOURCE_DATE_EPOCH
endif

# A ctest piped into tee must still fail its step.
SHELL := bash
.SHELLFLAGS := -o pipefail -c

CTEST = QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

.PHONY: run test deps configure build clean test-plain test-asan test-fuzz fuzz-build fuzz \
	test-deps test-configure package test-windows-core windows

# Playing needs only the build group; the tests' tools come with `make test`.
deps:
	@bash tools/ensure-deps.sh build

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

test-deps:
	@bash tools/ensure-deps.sh build test fuzz windows-test

test-configure: test-deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DBUILD_TESTING=ON -DTAREMO_BENCH=ON >/dev/null

run: build
	@$(BUILD)/taremo

# Four runs: the tests of the normal build, the same tests built with the address and
# undefined-behaviour sanitizers and warnings as errors, a short run of each fuzzer, and the
# core cross-built for Windows under wine. The last line is one summary of all four, as ctest
# words its own.
test: test-plain test-asan test-fuzz test-windows-core
	@echo "Normal build, sanitizer build, fuzz runs and Windows core together:"
	@cat $(BUILD)/ctest.log $(ASAN_BUILD)/ctest.log $(FUZZ_BUILD)/ctest.log \
	    $(WIN_CORE_BUILD)/ctest.log | awk \
	    '/tests failed out of/ { failed += $$4; total += $$NF } \
	     END { printf "%d%% tests passed, %d tests failed out of %d\n", \
	           total ? 100 * (total - failed) / total : 0, failed, total }'

test-plain: test-configure
	@cmake --build $(BUILD) -j $(JOBS)
	@cd $(BUILD) && $(CTEST) | tee ctest.log

# Leak checking stays on there: Qt's offscreen platform and fontconfig leave nothing unreachable
# at exit, so the tests need no leak suppressions.
test-asan: test-deps
	@cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTAREMO_SANITIZE=ON -DTAREMO_WERROR=ON -DBUILD_TESTING=ON -DTAREMO_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@cd $(ASAN_BUILD) && $(CTEST) | tee ctest.log

# The fuzzers need clang's libFuzzer; their build holds the core and nothing of the toolkit.
fuzz-build: test-deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DTAREMO_FUZZ=ON -DTAREMO_WERROR=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

test-fuzz: fuzz-build
	@cd $(FUZZ_BUILD) && ctest --output-on-failure -j $(JOBS) | tee ctest.log

# The core and its Windows sides, cross-built with MinGW-w64 and tested under wine (the wine
# prefix lives in the build folder).
test-windows-core: test-deps
	@cmake -S . -B $(WIN_CORE_BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=$(MINGW_TOOLCHAIN) \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAREMO_CORE_ONLY=ON -DBUILD_TESTING=ON \
	    -DTAREMO_WERROR=ON >/dev/null
	@cmake --build $(WIN_CORE_BUILD) -j $(JOBS)
	@cd $(WIN_CORE_BUILD) && ctest --output-on-failure -j $(JOBS) | tee ctest.log

# The whole game for Windows: a static Qt for Windows built for size, once, into a cache
# outside the build folders (tools/build-qt-windows.sh); the game linked against it, each part
# it never reaches left out, with its build-time tools taken from the normal build. Its tests
# first (test-windows); then dist/taremo-<version>-windows-x86_64.zip and .msi, with their
# licence notices, and their tests under wine.
WIN_CONFIGURE = -G Ninja -DCMAKE_TOOLCHAIN_FILE=$$qt/lib/cmake/Qt6/qt.toolchain.cmake \
	-DQT_CHAINLOAD_TOOLCHAIN_FILE=$(MINGW_TOOLCHAIN) -DCMAKE_BUILD_TYPE=Release \
	-DCMAKE_CXX_FLAGS_RELEASE="-Os -DNDEBUG" -DTAREMO_BENCH=OFF -DTAREMO_WERROR=ON \
	-DTAREMO_HOST_TOOLS=$(CURDIR)/$(BUILD)

.PHONY: windows-qt test-windows
windows-qt: configure
	@bash tools/ensure-deps.sh build windows
	@cmake --build $(BUILD) -j $(JOBS) --target pack_picture flag_picture make_icon
	@bash tools/build-qt-windows.sh $(JOBS) >/dev/null

# The same core and window tests as on Linux, built against that Qt and run under wine with
# Qt's own Windows platform, on an X server of their own.
test-windows: windows-qt
	@qt=$$(bash tools/build-qt-windows.sh) && \
	    cmake -S . -B $(WIN_TEST_BUILD) $(WIN_CONFIGURE) -DBUILD_TESTING=ON >/dev/null
	@cmake --build $(WIN_TEST_BUILD) -j $(JOBS)
	@cd $(WIN_TEST_BUILD) && WINEPREFIX=$(abspath $(WIN_TEST_BUILD))/wine-display \
	    bash $(CURDIR)/tools/on-private-display.sh \
	    ctest --output-on-failure -j $(JOBS) | tee ctest.log

windows: test-windows windows-release

.PHONY: windows-release
windows-release: windows-qt
	@qt=$$(bash tools/build-qt-windows.sh) && \
	    cmake -S . -B $(WIN_BUILD) $(WIN_CONFIGURE) -DBUILD_TESTING=OFF >/dev/null && \
	    cmake --build $(WIN_BUILD) -j $(JOBS) && \
	    bash tools/windows-dist.sh $(WIN_BUILD) dist $$qt

# Builds the Windows release and the Debian package of the last commit twice, in two fresh
# clones in folders of different names, each with a Qt for Windows of its own (REPRODUCIBLE_QT=0:
# the one in the cache), and compares the results byte for byte. Not part of `make test`: it
# takes two whole release builds.
.PHONY: reproducible
reproducible:
	@bash tools/check-reproducible.sh $(JOBS)

# Each fuzzer for FUZZ_SECONDS; what they find is kept in $(FUZZ_BUILD)/fuzz/<target>.
fuzz: fuzz-build
	@for target in settings board; do \
	    bash fuzz/run.sh $(FUZZ_BUILD)/fuzz/$${target}_fuzzer $$target $(FUZZ_SECONDS) \
	        $(FUZZ_BUILD)/fuzz/$$target || exit 1; \
	done

# Plants each fault of tests/mutants/*.txt in a scratch copy (build-mutate) and tells which the
# tests catch; MUTANTS="play settings" or MUTANTS=src/app/ini_file.cpp tries only those.
.PHONY: mutate
mutate:
	@bash tools/ensure-deps.sh build test mutate
	@python3 tools/mutate.py

.PHONY: bench
bench: configure
	@bash tools/ensure-deps.sh build bench
	@cmake -S . -B $(BUILD) -DTAREMO_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/taremo_bench --benchmark_min_time=0.05
	@python3 bench/startup.py --build $(BUILD)

# The start-up benchmark of the Windows game under wine, beside a bare window built with the
# same Qt.
.PHONY: bench-windows
bench-windows: windows
	@bash tools/ensure-deps.sh build bench
	@cmake -S . -B $(BUILD) -DTAREMO_BENCH=ON >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target map_wait
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target bare_window
	@python3 bench/startup.py --build $(BUILD) --wine $(WIN_BUILD)

# Debian's hardening flags, all of them.
DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
DEB_CXXFLAGS = $(shell $(DEB_FLAGS) CPPFLAGS 2>/dev/null) $(shell $(DEB_FLAGS) CXXFLAGS 2>/dev/null)
DEB_LDFLAGS = $(shell $(DEB_FLAGS) LDFLAGS 2>/dev/null)

# The Debian package, built for /usr in a release build of its own, checked by unpacking it
# (the game must answer the version CMake gave the package) and by lintian; the .deb lands in
# $(PACKAGE_BUILD)/package.
package:
	@bash tools/ensure-deps.sh build package
	@cmake -S . -B $(PACKAGE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_INSTALL_PREFIX=/usr -DTAREMO_BIN_LINK=OFF -DBUILD_TESTING=OFF \
	    -DTAREMO_BENCH=OFF -DCMAKE_CXX_FLAGS="$(DEB_CXXFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$(DEB_LDFLAGS)" >/dev/null
	@cmake --build $(PACKAGE_BUILD) -j $(JOBS)
	@rm -f $(PACKAGE_BUILD)/package/*.deb
	@cd $(PACKAGE_BUILD) && cpack -G DEB >/dev/null
	@bash tests/check_package.sh $(PACKAGE_BUILD) "$$(sed -n \
	    's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$$/\1/p' $(PACKAGE_BUILD)/CPackConfig.cmake)"
	@lintian --fail-on error --display-info $(PACKAGE_BUILD)/package/*.deb

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(PACKAGE_BUILD) $(WIN_CORE_BUILD) $(WIN_BUILD) $(WIN_TEST_BUILD) dist
