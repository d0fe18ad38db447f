# The commands: make run (build and start the program), make test (build and run every test).
# Both install what is missing first.
BUILD := build
CMAKE_FLAGS := -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake

.PHONY: deps build test run

deps:
	@scripts/install-deps

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure

run: build
	@scripts/run $(BUILD)
