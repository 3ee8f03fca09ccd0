# make run    installs what is missing, builds, opens Kickpool on the demo season
# make test   installs what is missing, builds, runs every test
# make docs   builds the user guide (pages and pictures) into build/bin/guide
# make bench  builds and runs the benchmarks
# make fuzz   fuzzes the season loader for FUZZ_SECONDS (60 by default); new inputs go to tests/data/fuzz
# make package builds the Debian package kickpool_VERSION_ARCH.deb in this folder
# make windows builds the Windows setup program kickpool-VERSION-setup.exe in this folder (the first
#              run also builds Qt for Windows, once, into ~/.cache/kickpool-windows)
BUILD ?= build
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_CORPUS = tests/data/fuzz

.PHONY: all deps build run test docs bench package windows fuzz clean

all: build

deps:
	@./scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@./scripts/run.sh $(BUILD)/bin

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure

docs: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target docs
	@echo "The user guide: $(BUILD)/bin/guide/index.html"

bench: build
	@for b in $(BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

package:
	@./scripts/install-deps.sh --package
	@$(MAKE) build
	@cd $(BUILD) && rm -f kickpool_*.deb && cpack -G DEB >/dev/null
	@rm -f kickpool_*.deb && cp $(BUILD)/kickpool_*.deb . && ls kickpool_*.deb

windows: build
	@NATIVE_BUILD=$(BUILD) ./scripts/build-windows.sh

# New inputs are found in a scratch folder, then merged into the corpus: only those that reach
# code the corpus does not already reach are kept, so the corpus stays small.
fuzz:
	@./scripts/install-deps.sh --fuzz
	@cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DKICKPOOL_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS) --target season_fuzzer
	@mkdir -p $(FUZZ_BUILD)/found $(FUZZ_CORPUS)
	@status=0; \
	$(FUZZ_BUILD)/bin/season_fuzzer -max_total_time=$(FUZZ_SECONDS) -max_len=16384 -timeout=10 \
	  -dict=tests/fuzz/season.dict -artifact_prefix=$(FUZZ_BUILD)/ $(FUZZ_BUILD)/found $(FUZZ_CORPUS) || status=$$?; \
	$(FUZZ_BUILD)/bin/season_fuzzer -merge=1 -max_len=16384 $(FUZZ_CORPUS) $(FUZZ_BUILD)/found 2>&1 | tail -n 1; \
	exit $$status

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD) build-windows
