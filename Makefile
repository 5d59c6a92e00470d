# The README's commands. Each installs what it is missing, configures and builds first: `make run`
# only the app and what it links, `make test` everything, then runs every test, and `make package`
# a release build of the app alone, made into ./vigila_<version>_<arch>.deb.
BUILD_DIR ?= build
PACKAGE_DIR ?= build-package
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
CONFIGURE = cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS)

.PHONY: run test package

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

package:
	bash scripts/install-deps.sh package
	cmake -S . -B $(PACKAGE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release -DVIGILA_BUILD_TESTS=OFF \
	  -DVIGILA_BUILD_BENCH=OFF $(CMAKE_FLAGS)
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	rm -f $(PACKAGE_DIR)/vigila_*.deb vigila_*.deb
	cd $(PACKAGE_DIR) && cpack
	cp $(PACKAGE_DIR)/vigila_*.deb .
