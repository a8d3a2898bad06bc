# The two set-up commands: `make run` starts the desktop program, `make test` runs every test.
# Both install missing Debian packages first (as root; otherwise they print the apt-get line).

BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=

.PHONY: run test build deps configure clean format

run: build
	@scripts/run-desktop.sh $(BUILD_DIR)

test: build
	@scripts/run-tests.sh $(BUILD_DIR)

build: configure
	cmake --build $(BUILD_DIR) -j$$(nproc)

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
