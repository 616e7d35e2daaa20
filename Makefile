# A newcomer needs two commands: `make run` and `make test`. Both install what is missing first.
.PHONY: setup run test test-native test-win64 test-win32 bench fuzz

setup:
	@bash tools/setup.sh

# Starts the tool under Wine; with a display of your own it opens there.
run: setup
	cmake --preset win64 >/dev/null
	cmake --build --preset win64 --target Quendrel probe
	KEEP_DISPLAY=$(if $(DISPLAY),1,0) tools/winebed.sh build/win64 tools/run.sh build/win64

test: setup
	$(MAKE) --no-print-directory test-native test-win64 test-win32

test-native:
	cmake --preset native >/dev/null
	cmake --build --preset native
	ctest --preset native

test-win64:
	cmake --preset win64 >/dev/null
	cmake --build --preset win64
	tools/winebed.sh build/win64 ctest --preset win64

# Under 32-bit Wine (tools/setup-wine32.sh); closes with "win32: N passed, N failed, N skipped",
# counting GoogleTest's tests.
test-win32:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32
	tools/winebed.sh --32 build/win32 tools/ctest-count.sh win32 build/win32 --preset win32

bench: setup
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	./build/bench/benchmarks/text_benchmark

# The JPEG decoder under libFuzzer for FUZZ_SECONDS (make test gives it one minute). What it
# learns stays in build/native/fuzz-corpus for the next run; what it finds goes to
# build/native/fuzz-findings.
FUZZ_SECONDS ?= 1800
fuzz: setup
	cmake --preset native >/dev/null
	cmake --build --preset native --target jpeg_picture_fuzzer
	bash tests/fuzz/run-fuzzer.sh build/native/tests/fuzz/jpeg_picture_fuzzer $(FUZZ_SECONDS) \
	  build/native/fuzz-findings build/native/fuzz-corpus
