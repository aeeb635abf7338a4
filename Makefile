# The two commands a new user needs:  make run   and   make test
# Both install whatever is missing first, then build.

BUILD ?= build
JOBS  ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test test-windows bench package format format-check clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run-program $(BUILD)

test: build format-check
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

# The window-free code and its tests cross-built for 64-bit Windows and run
# under Wine against a real registry, in a prefix made for the build.
WINDOWS_BUILD ?= build-windows
test-windows:
	@scripts/install-deps windows
	@cmake -S . -B $(WINDOWS_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBEL_WITH_GUI=OFF \
		-DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake >/dev/null
	@cmake --build $(WINDOWS_BUILD) -j $(JOBS)
	@WINEPREFIX=$(abspath $(WINDOWS_BUILD))/wineprefix WINEDEBUG=-all scripts/wine-run wineboot --init >/dev/null 2>&1 || true
	@ctest --test-dir $(WINDOWS_BUILD) --output-on-failure

bench: deps
	@cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBEL_WITH_BENCH=ON \
		-DORBEL_WITH_TESTS=OFF $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)-bench -j $(JOBS)
	@$(BUILD)-bench/bench/orbel_bench

package: build
	@cd $(BUILD) && cpack -G DEB
	@ls $(BUILD)/*.deb

format:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format -i

format-check:
	@git ls-files '*.cpp' '*.h' | xargs -r clang-format --dry-run --Werror

clean:
	@rm -rf $(BUILD) $(BUILD)-bench
