# The two commands of the README are the contract: `make run` and `make test`
# install what is missing, build, and start the program or run every test.

BUILD_DIR ?= build
CMAKE_FLAGS ?=

.PHONY: all deps configure build test run package screenshot screenshot-settings bench format format-check clean test-sanitize fuzz

all: build

deps:
	@./scripts/install-deps.sh

# CMAKE_FLAGS (e.g. -DLEXICOUNT_WERROR=ON) reconfigure an existing build
# folder too, so that they are never silently ignored.
configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ] || [ -n "$(CMAKE_FLAGS)" ]; then \
		cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS); \
	fi

build: configure
	@cmake --build $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && ctest --output-on-failure -j2

run: build
	@$(BUILD_DIR)/lexicount

# The Debian package, from a release build of the programs alone in its
# own folder: install it with `sudo apt install ./build-package/lexicount_*.deb`.
PACKAGE_DIR ?= build-package

package: deps
	@cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DLEXICOUNT_BUILD_TESTS=OFF
	@cmake --build $(PACKAGE_DIR)
	@cd $(PACKAGE_DIR) && cpack -G DEB
	@ls $(PACKAGE_DIR)/lexicount_*.deb

# The main window after counting docs/sample.txt, drawn without a display.
screenshot: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/lexicount --screenshot docs/sample.txt docs/screenshot-main.png
	@echo "wrote docs/screenshot-main.png"
	@$(BUILD_DIR)/lexicount-cli --unicode --save-settings $(BUILD_DIR)/unicode.tly docs/sample-ru.txt >/dev/null
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/lexicount --screenshot docs/sample-ru.txt docs/screenshot-russian.png \
		$(BUILD_DIR)/unicode.tly
	@echo "wrote docs/screenshot-russian.png"

screenshot-settings: build
	@./scripts/screenshot-settings.sh $(BUILD_DIR)

# The whole test suite built with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer, in its own folder; any report fails the test.
SANITIZE_DIR ?= build-sanitize
SANITIZE_FLAGS = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer

test-sanitize: deps
	@if [ ! -f $(SANITIZE_DIR)/build.ninja ]; then \
		CC=clang CXX=clang++ cmake -S . -B $(SANITIZE_DIR) -G Ninja -DLEXICOUNT_LTO=OFF \
			-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)"; \
	fi
	@cmake --build $(SANITIZE_DIR) -j2
	@cd $(SANITIZE_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
		UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 ctest --output-on-failure -j2

# libFuzzer harnesses in build-fuzz/: a short smoke run of each by default,
# `make fuzz FUZZ_SECONDS=600` for a real run.
FUZZ_SECONDS ?= 20
fuzz: deps
	@FUZZ_SECONDS=$(FUZZ_SECONDS) ./scripts/fuzz.sh

bench: build
	@./bench/run-bench.sh $(BUILD_DIR)

FORMAT_SOURCES = find src tests bench fuzz -name '*.cpp' -o -name '*.h'

format:
	@$(FORMAT_SOURCES) | xargs clang-format -i

# Fails, naming each place, where a file differs from `make format`'s result.
format-check: deps
	@$(FORMAT_SOURCES) | xargs clang-format --dry-run --Werror

clean:
	@rm -rf $(BUILD_DIR)
