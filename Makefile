# Set-up commands: `make run` and `make test` do everything on a fresh Debian 12.
JOBS    ?= $(shell nproc)
BUILD   ?= build
ASAN    ?= build-asan

.PHONY: run test deps build build-asan bench clean

deps:
	@./scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(ASAN)/build.ninja:
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSAVO_GUI=OFF -DTESSAVO_SANITIZE=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

build-asan: deps $(ASAN)/build.ninja
	cmake --build $(ASAN) -j $(JOBS)

run: build
	./$(BUILD)/app/tessavo

test: build build-asan
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

# Benchmarks: figures only, never a pass or fail. Repeated, with the best of
# the repetitions, since the machine may be busy with other work.
BENCH_ARGS ?= --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

bench: build
	./$(BUILD)/bench/tessavo_bench $(BENCH_ARGS)

clean:
	rm -rf $(BUILD) $(ASAN)
