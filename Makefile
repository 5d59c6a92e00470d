# The two commands of the README. Both install what is missing, configure and build first.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

.PHONY: run test deps configure build

run: build
	./$(BUILD_DIR)/src/vigila

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)
