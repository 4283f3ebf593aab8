# make run   : installs what is missing, builds, starts the program
# make test  : the same, then every test, headless
# make bench : the benchmarks (Google Benchmark)
BUILD ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
ASAN_OPTIONS ?= detect_leaks=0
# Medians of five runs: the figures the README quotes.
BENCH_FLAGS ?= --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

.PHONY: deps test-deps configure build run test bench clean

deps:
	@scripts/install-deps

test-deps:
	@scripts/install-deps --test

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)

configure: $(BUILD)/build.ninja

build: deps configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/calisma-sayfalari

# The tests run beside a print server of their own, whose default printer saves its jobs
# to a folder; the machine's printers are not touched.
test: test-deps build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=$(ASAN_OPTIONS) \
	  "$(CURDIR)/scripts/with-test-printer" ctest --output-on-failure -j $(JOBS)

# Where it is at hand, the bare-painter floor that batches are held against runs first, in the
# same run, so its figures and the program's come from one machine at one time.
FLOOR ?= ../shared/bench-floor

bench: deps
	cmake -S . -B $(BUILD)-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DWS_BENCHMARKS=ON
	cmake --build $(BUILD)-bench -j $(JOBS)
	@if [ -x "$(FLOOR)/run" ]; then FLOOR_BUILD=$(abspath $(BUILD))-floor "$(FLOOR)/run"; \
	else echo "No floor at $(FLOOR) (set FLOOR=...): program figures only"; fi
	cd $(BUILD)-bench && QT_QPA_PLATFORM=offscreen ./bench/ws_bench $(BENCH_FLAGS)

clean:
	rm -rf $(BUILD) $(BUILD)-bench $(BUILD)-floor
