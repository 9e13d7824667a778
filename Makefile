# Set-up and everyday commands. Every target installs what is missing first.
BUILD_DIR ?= build
ASAN_DIR ?= build-asan
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench asan fuzz clean

deps:
	@bash tools/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	./$(BUILD_DIR)/laserpic

test: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD_DIR)/bench/bench_*; do \
	  [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	  echo "== $$b"; QT_QPA_PLATFORM=offscreen $$b --benchmark_repetitions=5 --benchmark_report_aggregates_only=true || exit 1; \
	done

asan: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DLASERPIC_SANITIZE=ON -DLASERPIC_BENCH=OFF > /dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS)
	cd $(ASAN_DIR) && QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS.
# Crashes are kept and counted, not fatal: the metafile libraries have known
# faults, which is why the editor runs them in a limited helper process.
FUZZ_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_FLAGS = -fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer

fuzz: deps
	@cmake -S . -B $(FUZZ_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
	  -DCMAKE_C_FLAGS="$(FUZZ_FLAGS)" -DCMAKE_CXX_FLAGS="$(FUZZ_FLAGS)" \
	  -DLASERPIC_FUZZ=ON -DLASERPIC_TESTS=OFF -DLASERPIC_BENCH=OFF > /dev/null
	@cmake --build $(FUZZ_DIR) -j $(JOBS) --target fuzz_seeds fuzz_picture_file fuzz_raster_reply fuzz_metafile
	@./$(FUZZ_DIR)/fuzz/fuzz_seeds $(FUZZ_DIR)/corpus
	@for t in picture_file raster_reply metafile; do \
	  rm -rf $(FUZZ_DIR)/crashes/$$t; mkdir -p $(FUZZ_DIR)/crashes/$$t; \
	  echo "== fuzz_$$t ($(FUZZ_SECONDS) s)"; \
	  ( cd $(FUZZ_DIR)/crashes/$$t && ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen \
	    ../../fuzz/fuzz_$$t -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 -timeout=10 \
	    -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 ../../corpus/$$t ) > $(FUZZ_DIR)/fuzz_$$t.log 2>&1; \
	  grep -E '^#[0-9]+' $(FUZZ_DIR)/fuzz_$$t.log | tail -1; \
	  echo "crashes kept: $$(ls $(FUZZ_DIR)/crashes/$$t | grep -c -E '^(crash|timeout|oom|leak)-')"; \
	done

clean:
	rm -rf $(BUILD_DIR) $(ASAN_DIR) $(FUZZ_DIR)
