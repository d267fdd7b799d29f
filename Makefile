# Quick start: `make run` converts the bundled sample; `make test` runs the whole suite.
# Both install missing Debian packages, configure and build first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all deps configure build run test bench asan-test fuzz clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@mkdir -p out
	./$(BUILD)/vecrast -i samples/sample.wmf -o $(CURDIR)/out/
	@echo "The JPG is $(CURDIR)/out/sample.jpg"

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS) --timeout 300

# The suite again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
asan-test:
	@$(MAKE) --no-print-directory test BUILD=build-asan \
	  CMAKE_FLAGS="-DVECRAST_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo"

bench: build
	@./bench/run.sh $(BUILD)

# libFuzzer targets (clang); FUZZ_SECONDS bounds each run.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVECRAST_FUZZ=ON -DVECRAST_TESTS=OFF >/dev/null
	@cmake --build build-fuzz -j$(JOBS) --target fuzz_metafile
	@./fuzz/run.sh build-fuzz

clean:
	rm -rf build build-asan build-fuzz out
