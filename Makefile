# A newcomer needs two commands: `make run` and `make test`. Both install what is missing first.
.PHONY: setup run test test-native test-win64 test-win32 bench

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

test-win32:
	cmake --preset win32 >/dev/null
	cmake --build --preset win32
	ctest --preset win32

bench: setup
	cmake --preset bench >/dev/null
	cmake --build --preset bench
	./build/bench/benchmarks/text_benchmark
