# A newcomer needs two commands: `make run` and `make test`. Both install what is missing first.
.PHONY: setup run test test-native test-win64 test-win32 bench

setup:
	@bash tools/setup.sh

run: setup
	cmake --preset native >/dev/null
	cmake --build --preset native --target quendrel_demo
	./build/native/quendrel_demo

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
