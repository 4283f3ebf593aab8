# make run   : installs what is missing, builds, starts the program
# make test  : the same, then every test, headless
# make bench : the benchmarks (Google Benchmark)
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: deps configure build run test bench clean

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/calisma-sayfalari

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: deps
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DWS_BENCHMARKS=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	cd $(BUILD)-bench && QT_QPA_PLATFORM=offscreen ./bench/ws_bench

clean:
	rm -rf $(BUILD) $(BUILD)-bench
