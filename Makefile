# The commands: make run (build and start the program), make test (build and run every test).
# Both install what is missing first.
BUILD := build

.PHONY: deps build test run screenshot bench

deps:
	@scripts/install-deps

# Configured once; afterwards the build refreshes its own configuration when CMakeLists change.
$(BUILD)/build.ninja:
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake >/dev/null

build: deps $(BUILD)/build.ninja
	@cmake --build $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure

run: build
	@scripts/run $(BUILD)

# The picture of the window that the README shows.
screenshot: build
	@scripts/screenshot $(BUILD) docs/glossavo.png

# Benchmarks against bare references; figures and goals go to bench/RESULTS.md.
bench: build
	@scripts/bench $(BUILD)
