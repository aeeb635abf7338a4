# The two commands a new user needs:  make run   and   make test
# Both install whatever is missing first, then build.

# scripts/install-deps with the set named, if any. Where it cannot install
# (no root, no sudo) its one line naming what is missing is make's last word.
install-deps = $(eval deps_said := $(shell scripts/install-deps $(1)))$(if \
	$(filter-out 0,$(.SHELLSTATUS)),$(error $(or $(deps_said),scripts/install-deps $(1) failed)))

BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: references bench-build bench-startup all deps configure build run test windows test-windows test-sanitize fuzz lint bench package format format-check clean

all: build

deps:
	$(call install-deps)

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-program $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz FUZZ_SECONDS=3

# Rewrites the reference pictures the window tests compare the windows with,
# after an intended change of their look; a changed picture is reviewed like code.
references: build
	@ORBEL_WRITE_REFERENCES=1 QT_QPA_PLATFORM=offscreen $(BUILD)/tests/ui/window_tests \
		--gtest_filter='*LooksAsDrawn*' >/dev/null
	@git status --short tests/ui/pictures

# The whole program for 64-bit Windows: one static .exe, cross-built with
# MinGW-w64 against a static Qt made once from Debian's own Qt source and
# cached outside the build (scripts/build-qt-windows), packed as a zip and
# as a setup program.
WINDOWS_BUILD ?= build-windows
windows:
	$(call install-deps,windows)
	@qt=$$(JOBS=$(JOBS) scripts/build-qt-windows) && \
		cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_PREFIX_PATH="$$qt" \
		-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/$$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake \
		>/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS) --target windows-zip windows-setup
	@ls $(WINDOWS_BUILD)/*-win64.zip $(WINDOWS_BUILD)/*-setup.exe

# The whole suite, window tests included, on the Windows build under Wine in
# a prefix made for the build; the shipped program itself under Wine on a
# virtual display; and the same table through orbel-lens.exe and the Linux
# build's orbel-lens, byte for byte.
test-windows: windows configure
	@cmake --build $(BUILD) --target orbel-lens
	@cmake -S . -B $(WINDOWS_BUILD) -DORBEL_LINUX_ORBEL_LENS=$(abspath $(BUILD))/cli/orbel-lens >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wineprefix scripts/wine-prefix
	@ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

# Each fuzz target for FUZZ_SECONDS (60 by default; make test runs them for a
# few seconds), from the committed seeds, in a scratch corpus of the build.
FUZZ_SECONDS ?= 60
# Beside BUILD, so that two people testing in their own folders never share one.
FUZZ_BUILD ?= $(BUILD)-fuzz
FUZZERS = lens_solver cli_table
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
		-DORBEL_WITH_GUI=OFF -DORBEL_WITH_TESTS=OFF -DORBEL_WITH_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	@scripts/run-fuzzers $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZERS)

# The whole test suite under AddressSanitizer and UBSan.
SANITIZE_BUILD ?= $(BUILD)-sanitize
test-sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DORBEL_WITH_SANITIZERS=ON >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	@ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		LSAN_OPTIONS=suppressions=$(abspath tests/sanitize/lsan.supp):print_suppressions=0 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
		ctest --test-dir $(SANITIZE_BUILD) --output-on-failure -j $(JOBS) -E '^DebianPackage$$'

# The formatting, clang-tidy and cppcheck over the program's own sources with
# the flags of the normal build's compile_commands.json, and the include check
# (clang-tidy 17 on) over the program's and the tests' sources. Formatting is
# a developer's check: a user's make test does not depend on which
# clang-format the machine has.
lint: build
	@scripts/lint $(BUILD) $(JOBS)

bench-build:
	$(call install-deps,bench)
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBEL_WITH_BENCH=ON -DORBEL_WITH_GUI=ON \
		-DORBEL_WITH_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)

# Calculate in the core and through the real window, and the conversions;
# orbel-lens on a million and ten million rows; the arctangent against MPFR
# on ten million arguments.
bench: bench-build
	@$(BUILD)-bench/bench/orbel_bench
	@$(BUILD)-bench/bench/orbel_window_bench
	@$(BUILD)-bench/bench/orbel_cli_bench
	@$(BUILD)-bench/bench/orbel_arctangent_bench

# Start-up and peak memory of the program against the toolkit's floor.
BENCH_RUNS ?= 20
bench-startup: bench-build
	@bench/startup/run-startup-bench $(BUILD)-bench $(BENCH_RUNS)

package: build
	@cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/*.deb

format:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

clean:
	@rm -rf $(BUILD) $(BUILD)-bench $(WINDOWS_BUILD) $(FUZZ_BUILD) $(SANITIZE_BUILD)
