# The two commands of the README. Each installs what it is missing, configures and builds first:
# `make run` only the app and what it links, `make test` everything, then runs every test.
BUILD_DIR ?= build
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
CONFIGURE = cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

.PHONY: run test

run:
	bash scripts/install-deps.sh run
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target vigila
	./$(BUILD_DIR)/src/vigila

test:
	bash scripts/install-deps.sh test
	$(CONFIGURE)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
