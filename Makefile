# The user's interface: `make test` and `make run` install what is missing,
# build, and then test or open the window.
PRESET ?= default
BUILD_DIR := build/$(PRESET)
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build test clean

all: build

deps:
	scripts/install-deps

build: deps
	cmake --preset $(PRESET)
	cmake --build --preset $(PRESET) -j $(JOBS)

test: build
	ctest --preset $(PRESET) -j $(JOBS)

clean:
	rm -rf build
