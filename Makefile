# The two commands of the README are the contract: `make run` and `make test`
# install what is missing, build, and start the program or run every test.

BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run bench format clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then \
		cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS); \
	fi

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

run: build
	@$(BUILD_DIR)/lexicount-cli --help

bench: build
	@./bench/run-bench.sh $(BUILD_DIR)

format:
	@find src tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	@rm -rf $(BUILD_DIR)
