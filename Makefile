# The two set-up commands: `make run` starts the desktop program, `make test` runs every test.
# Both install missing Debian packages first (as root; otherwise they print the apt-get line).

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
# What `make build` builds: everything by default; CI's sanitizer run builds only the test
# programs (and what they link), since the benchmarks need no second build.
BUILD_TARGETS ?= all

.PHONY: run test build deps configure clean format

run: build
	@scripts/run-desktop.sh $(BUILD_DIR)

test: build
	@scripts/run-tests.sh $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j$$(nproc) --target $(BUILD_TARGETS)

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
	  cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS); \
	fi

deps:
	@scripts/install-deps.sh

format:
	@git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD_DIR)
