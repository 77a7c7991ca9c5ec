# The two entry points of the README: `make run` and `make test`.
BUILD ?= build
# A unity build: each target's sources compile as one unit, which takes a
# third less time than one by one.
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON
# The whole suite again with AddressSanitizer and UndefinedBehaviorSanitizer.
ASAN_BUILD ?= build-asan
ASAN_CMAKE_FLAGS ?= $(CMAKE_FLAGS)
# The libFuzzer targets, built with clang; each runs FUZZ_RUNS inputs.
FUZZ_BUILD ?= build-fuzz
FUZZ_RUNS ?= 1000000
FUZZ_CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test test-asan bench deb fuzz clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: build
	$(BUILD)/plandex

test: build
	cd $(BUILD) && ctest --output-on-failure --timeout 300 -j2
	$(MAKE) test-asan

test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja $(ASAN_CMAKE_FLAGS) -DPLANDEX_SANITIZE=ON
	cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure --timeout 300 -j2

bench: build
	$(BUILD)/bench/plandex_bench
	$(BUILD)/bench/plandex_freeplace_bench
	$(BUILD)/bench/plandex_history_bench
	$(BUILD)/bench/plandex_sheet_bench
	$(BUILD)/bench/plandex_startup_bench
	$(BUILD)/bench/plandex_startbench $(BUILD)/plandex
	$(BUILD)/bench/plandex_overlay_bench
	$(BUILD)/bench/plandex_walkways_bench
	$(BUILD)/bench/plandex_zoom_bench

# plandex_<version>_amd64.deb in the build folder.
deb: build
	cd $(BUILD) && cpack -G DEB

fuzz:
	@sh scripts/install-deps.sh fuzz
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -G Ninja $(FUZZ_CMAKE_FLAGS) -DPLANDEX_FUZZ=ON
	cmake --build $(FUZZ_BUILD) --target fuzz_number_reading fuzz_room_file
	sh scripts/fuzz.sh $(FUZZ_BUILD) $(FUZZ_RUNS)

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD)
