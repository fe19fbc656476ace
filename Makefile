# The user's interface: `make run` and `make test` install what is missing,
# build, and then open the window or run every test.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test screenshot clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

run: build
	$(BUILD_DIR)/ui/lumiq

test: build
	ctest --preset $(PRESET) -j $(JOBS)

# docs/screenshot.png, and docs/screenshot-message.png in the middle of a flow.
screenshot: build
	scripts/install-deps screenshot
	scripts/screenshot $(BUILD_DIR)/ui/lumiq
	scripts/screenshot $(BUILD_DIR)/ui/lumiq --mid-flow

clean:
	rm -rf build
