# Kymora: `make run` opens the window, `make test` runs every test. Both install what is
# missing first.

BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) -- --no-print-directory

run: build
	@$(BUILD_DIR)/kymora

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD_DIR)
