# Quick start: `make run` converts the bundled sample; `make test` runs the whole suite.
# Both install missing Debian packages, configure and build first.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
# Warnings are errors in every build made here (and so in CI, which runs these targets).
WERROR ?= ON

.PHONY: all deps configure build run test bench asan-test fuzz corpus screenshots install clean

all: build

deps:
	@./scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DVECRAST_WERROR=$(WERROR) $(CMAKE_FLAGS) >/dev/null

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

bench: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release -DVECRAST_WERROR=$(WERROR) -DVECRAST_BENCHMARKS=ON \
	  $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)
	@./bench/run.sh $(BUILD)

# The player against the real-world corpus: fidelity per file and in summary, and the
# refusal checks. VECRAST_CORPUS overrides ../shared/corpus; CORPUS_FLAGS adds options
# (e.g. CORPUS_FLAGS="--diff 20 --summary"; ./$(BUILD)/tools/corpus_compare --help lists them).
corpus: configure
	@cmake --build $(BUILD) -j$(JOBS) --target corpus_compare wmf_render
	@./$(BUILD)/tools/corpus_compare --out $(BUILD)/corpus $(CORPUS_FLAGS)

# A PNG of every window and page, drawn on a private virtual display (SCENES picks some by name).
screenshots: build
	@rm -rf $(BUILD)/screenshots
	@tests/ui/with_display.sh --wm ./$(BUILD)/tools/screenshots/vecrast_screenshots $(BUILD)/screenshots $(SCENES)

# Installs the program under PREFIX (default /usr/local): the executable, the window module,
# the data files, the desktop entry and the icons.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# libFuzzer targets (clang); FUZZ_SECONDS bounds each run.
fuzz: deps
	@CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DVECRAST_FUZZ=ON -DVECRAST_TESTS=OFF -DVECRAST_WINDOW=OFF -DVECRAST_WERROR=$(WERROR) >/dev/null
	@cmake --build build-fuzz -j$(JOBS) --target fuzz_metafile
	@./fuzz/run.sh build-fuzz

clean:
	rm -rf build build-asan build-fuzz out
