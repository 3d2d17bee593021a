# Front door: `make run` shows the demo disk, `make test` runs the whole suite.
# Both first install missing Debian packages (tools/bootstrap.sh) and build with CMake + Ninja.

BUILD      ?= build
ASAN_BUILD ?= build-asan
WIN_BUILD  ?= build-win
FUZZ_BUILD ?= build-fuzz
SCALAR_BUILD ?= build-scalar
FUZZ_SECONDS ?= 600
JOBS       ?= $(shell nproc)
DEMO       := samples/demo.d64
CTEST_ARGS ?= --output-on-failure -j $(JOBS)
# Real disk images for the tests that read some; those tests skip when the folder is absent.
CORPUS     ?= $(abspath ../shared/corpus)
CORPUS_ENV := $(if $(wildcard $(CORPUS)),QL_CORPUS_DIR=$(CORPUS))

.PHONY: all bootstrap configure build run test test-asan test-scalar windows test-windows windows-package package format format-check fuzz bench charset-sheet clean

all: build

bootstrap:
	@tools/bootstrap.sh

$(BUILD)/build.ninja: | bootstrap
	cmake --preset ci -S . > /dev/null

configure: bootstrap $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run-demo.sh $(BUILD)/bin $(DEMO)

test: build
	cd $(BUILD) && $(CORPUS_ENV) ctest $(CTEST_ARGS)
	@$(MAKE) --no-print-directory test-asan
	@$(MAKE) --no-print-directory test-windows

# The engine, quillane-dir and the font files cross-built for 64-bit Windows with MinGW-w64:
# static programs in $(WIN_BUILD)/bin, the font files beside them.
windows: bootstrap
	@[ -f $(WIN_BUILD)/build.ninja ] || cmake --preset windows -S . \
	  -DQL_LINUX_BIN_DIR=$(abspath $(BUILD))/bin > /dev/null
	cmake --build $(WIN_BUILD) -j $(JOBS)

# The Windows programs as a zip to unpack anywhere: $(WIN_BUILD)/quillane-light-<version>-win64.zip.
windows-package: windows
	cmake --build $(WIN_BUILD) --target package

# The Windows suite under Wine: the engine and picture tests, and quillane-dir.exe against the
# Linux quillane-dir over the same images (after `make build`).
test-windows: windows-package
	cd $(WIN_BUILD) && $(CORPUS_ENV) ctest $(CTEST_ARGS)

# The Debian package of both programs: $(BUILD)/quillane-light_<version>_<arch>.deb.
package: build
	cmake --build $(BUILD) --target package

# The engine, the command-line lister and their tests again, under ASan and UBSan.
test-asan: bootstrap
	@[ -f $(ASAN_BUILD)/build.ninja ] || cmake --preset asan -S . > /dev/null
	cmake --build $(ASAN_BUILD) -j $(JOBS)
	cd $(ASAN_BUILD) && $(CORPUS_ENV) ctest $(CTEST_ARGS)

# The engine, the command-line lister and their tests again, with the sixteen-byte tests in plain
# loops instead of vector types (QL_SCALAR_LANES), as a compiler without them builds it.
test-scalar: bootstrap
	@[ -f $(SCALAR_BUILD)/build.ninja ] || cmake -S . -B $(SCALAR_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_WERROR=ON -DQL_SCALAR_LANES=ON -DQL_WITH_QT=OFF > /dev/null
	cmake --build $(SCALAR_BUILD) -j $(JOBS)
	cd $(SCALAR_BUILD) && $(CORPUS_ENV) ctest $(CTEST_ARGS)

# Benchmarks: every *_bench program that the build made; medians of 10 runs.
BENCH_ARGS ?= --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
bench: build
	@for b in $(BUILD)/bench/*_bench; do \
	  [ -x "$$b" ] || continue; echo "== $$b"; \
	  "$$b" $(BENCH_ARGS) || exit 1; done

# Both character-set faces as 16 x 16 tables of all byte codes: build/charset-upper.png and
# build/charset-lower.png.
charset-sheet: configure
	cmake --build $(BUILD) -j $(JOBS) --target charset_sheet
	$(BUILD)/display/fonts/charset_sheet $(BUILD)/bin $(BUILD)

format:
	clang-format -i $$(git ls-files '*.h' '*.cpp')

format-check: bootstrap
	clang-format --dry-run --Werror $$(git ls-files '*.h' '*.cpp')

# The libFuzzer target under ASan and UBSan, built with clang in its own build folder. New
# inputs are kept in $(FUZZ_BUILD)/corpus, crashes in $(FUZZ_BUILD)/findings; the committed seeds
# in tests/fuzz/corpus are also replayed by the engine tests.
fuzz: bootstrap
	@[ -f $(FUZZ_BUILD)/build.ninja ] || CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQL_FUZZ=ON -DQL_WITH_QT=OFF > /dev/null
	cmake --build $(FUZZ_BUILD) -j $(JOBS) --target fuzz_listing fuzz_archive
	mkdir -p $(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/findings $(FUZZ_BUILD)/archive-corpus
	$(FUZZ_BUILD)/bin/fuzz_listing -max_total_time=$(FUZZ_SECONDS) -max_len=16384 \
	  -artifact_prefix=$(FUZZ_BUILD)/findings/ $(FUZZ_BUILD)/corpus tests/fuzz/corpus
	cd $(FUZZ_BUILD) && bin/fuzz_archive -max_total_time=$(FUZZ_SECONDS) -max_len=16384 \
	  -artifact_prefix=findings/ archive-corpus $(CURDIR)/tests/fuzz/corpus

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(SCALAR_BUILD) $(WIN_BUILD)
