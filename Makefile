# The two entry points of the README: `make run` and `make test`.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test bench deb clean

all: build

deps:
	@sh scripts/install-deps.sh

build: deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

run: build
	$(BUILD)/plandex

test: build
	cd $(BUILD) && ctest --output-on-failure --timeout 300

bench: build
	$(BUILD)/bench/plandex_bench
	$(BUILD)/bench/plandex_history_bench
	$(BUILD)/bench/plandex_startup_bench
	$(BUILD)/bench/plandex_startbench $(BUILD)/plandex

# plandex_<version>_amd64.deb in the build folder.
deb: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD)
