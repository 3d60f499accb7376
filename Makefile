# Quick start:  make run   (set up, build, compile the data, start the program)
#               make test  (set up, build, run the whole test suite)
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@scripts/install-deps.sh

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/CMakeCache.txt

build: configure
	cmake --build $(BUILD) -j$(JOBS) -- --no-print-directory

run: build
	cd $(BUILD) && ./zelmor

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

bench: build
	@for b in $(BUILD)/bench_*; do echo "== $$b"; $$b; done

clean:
	rm -rf $(BUILD)
