# Set-up commands: `make run` and `make test` do everything on a fresh Debian 12.
JOBS    ?= $(shell nproc)
BUILD   ?= build
ASAN    ?= build-asan
FUZZ    ?= build-fuzz

.PHONY: run test deps build build-asan bench fuzz fuzz-deps build-fuzz fuzz-seeds clean

deps:
	@./scripts/install-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The sanitizer build takes the GUI too: the shell's tests click while its
# commands wait on the instrument, which is where a freed view would show.
$(ASAN)/build.ninja:
	cmake -S . -B $(ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTESSAVO_GUI=ON -DTESSAVO_SANITIZE=ON

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

# Fuzzing (clang with libFuzzer): each target runs FUZZ_SECONDS (10 minutes
# unless set), both at once. New inputs collect in $(FUZZ)/corpus; what a run
# finds (crashes, leaks, time-outs, memory blow-ups) is kept in fuzz/findings,
# whose files `make test` replays once the fault is fixed.
FUZZ_SECONDS ?= 600
FUZZ_FLAGS   ?= -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -timeout=30 -rss_limit_mb=2048 -max_len=65536

fuzz-deps:
	@./scripts/install-deps.sh fuzz

$(FUZZ)/build.ninja:
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTESSAVO_GUI=OFF -DTESSAVO_TESTS=OFF -DTESSAVO_FUZZ=ON

build-fuzz: fuzz-deps $(FUZZ)/build.ninja
	cmake --build $(FUZZ) -j $(JOBS) --target fuzz_translate fuzz_load

fuzz: build-fuzz
	./scripts/run-fuzz.sh $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_FLAGS)

# Rewrites the seed corpus from the fixture builders.
fuzz-seeds: build
	./$(BUILD)/fuzz/fuzz_seeds fuzz/corpus

clean:
	rm -rf $(BUILD) $(ASAN) $(FUZZ)
