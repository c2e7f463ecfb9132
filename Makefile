# The two everyday commands: `make run` and `make test`.
BUILD := build
JOBS := $(shell nproc)
# Our own builds treat every warning as an error and build the tests and benchmarks.
DEV_OPTIONS := -DDURIDAZ_WERROR=ON -DBUILD_TESTING=ON

.PHONY: all deps configure build run test pictures format clean
.PHONY: sanitize fuzz-build fuzz fuzz-replay fuzz-corpus

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(DEV_OPTIONS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd assets && ../$(BUILD)/duridaz

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory sanitize fuzz-replay

# Redraws every picture: the files in assets/ and the window's own pictures.
pictures: build
	$(BUILD)/tools/makepictures .

# The tests again under AddressSanitizer and UndefinedBehaviorSanitizer with leak detection;
# the X server and packaging tests run in the main build only.
SANITIZE_BUILD := build-asan
SANITIZE := -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
SANITIZE_ENV := ASAN_OPTIONS=detect_leaks=1:strict_string_checks=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

sanitize: deps
	@cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(DEV_OPTIONS) \
		"-DCMAKE_CXX_FLAGS=$(SANITIZE)" "-DCMAKE_EXE_LINKER_FLAGS=$(SANITIZE)" >/dev/null
	@cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && $(SANITIZE_ENV) ctest --output-on-failure -j $(JOBS) \
		-E '^(x11_|packaging_)'

# Fuzzes the picture loader with libFuzzer for FUZZ_SECONDS, starting from the committed
# corpus, the bad files and the real pictures; what it finds goes to build-fuzz/corpus, a
# crash or hang to build-fuzz/crash-* or timeout-*. Any allocation over 64 MB is a crash.
FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 300
FUZZ_SEEDS := tests/fuzz-corpus tests/badfiles assets
FUZZ_FLAGS := -timeout=5 -malloc_limit_mb=64 -rss_limit_mb=2048 -max_len=65536 \
	-artifact_prefix=$(FUZZ_BUILD)/

fuzz-build: deps
	@cmake -S tests/fuzz -B $(FUZZ_BUILD) -DCMAKE_CXX_COMPILER=clang++ \
		-DCMAKE_BUILD_TYPE=RelWithDebInfo -DDURIDAZ_WERROR=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)

fuzz: fuzz-build
	@mkdir -p $(FUZZ_BUILD)/corpus
	$(FUZZ_BUILD)/fuzz_picturefile $(FUZZ_FLAGS) -max_total_time=$(FUZZ_SECONDS) \
		-print_final_stats=1 $(FUZZ_BUILD)/corpus $(FUZZ_SEEDS)

# Runs every committed input through the fuzz target once: quick, and the same every time.
fuzz-replay: fuzz-build
	$(FUZZ_BUILD)/fuzz_picturefile $(FUZZ_FLAGS) -runs=0 $(FUZZ_SEEDS)

# Keeps, of what `make fuzz` found, the inputs that reach something new in tests/fuzz-corpus.
fuzz-corpus: fuzz-build
	@mkdir -p tests/fuzz-corpus
	$(FUZZ_BUILD)/fuzz_picturefile -merge=1 tests/fuzz-corpus $(FUZZ_BUILD)/corpus

# Speed, memory and idle cost against a bare Qt window, from a Release build of their own, all
# in one go in a fresh X server; see "Benchmarks" in README.md. `make test` only builds them.
.PHONY: bench
BENCH_BUILD := build-release

bench: deps
	@cmake -S . -B $(BENCH_BUILD) -DCMAKE_BUILD_TYPE=Release $(DEV_OPTIONS) >/dev/null
	@cmake --build $(BENCH_BUILD) -j $(JOBS) --target benchmarks
	bench/run.sh $(BENCH_BUILD)

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
	rm -rf $(SANITIZE_BUILD) $(FUZZ_BUILD)
	rm -rf $(BENCH_BUILD)
