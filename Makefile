# make run    installs what is missing, builds, opens Kickpool on the demo season
# make test   installs what is missing, builds, runs every test
# make bench  builds and runs the benchmarks
# make package builds the Debian package kickpool_VERSION_ARCH.deb in this folder
BUILD ?= build
MAKEFLAGS += --no-print-directory
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps build run test bench package clean

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

bench: build
	@for b in $(BUILD)/bench/bench_*; do \
	  if [ -f "$$b" ] && [ -x "$$b" ]; then "$$b" || exit 1; fi; \
	done

package:
	@./scripts/install-deps.sh --package
	@$(MAKE) build
	@cd $(BUILD) && rm -f kickpool_*.deb && cpack -G DEB >/dev/null
	@rm -f kickpool_*.deb && cp $(BUILD)/kickpool_*.deb . && ls kickpool_*.deb

clean:
	rm -rf $(BUILD)
