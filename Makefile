# SPDX-License-Identifier: GPL-3.0-or-later
# Quorvel: `make run` starts the program, `make test` runs every test.
# Both install what is missing first (Debian packages, see scripts/install-deps):
# `make run` what the program needs, `make test` also what the tests need.

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 60

.PHONY: deps programm-deps run build test bench fuzz format screenshot package clean

deps:
	@scripts/install-deps

programm-deps:
	@scripts/install-deps programm

build: programm-deps
	@cmake --preset release >/dev/null
	@cmake --build --preset release -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "make run: kein Bildschirm (DISPLAY/WAYLAND_DISPLAY leer) - ohne Bildschirm so starten: xvfb-run -a make run"; \
	  exit 1; \
	fi
	@./build/release/src/app/quorvel

test: deps
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan -j $(JOBS)
	@ctest --preset asan -j $(JOBS)

bench: deps
	@cmake --preset bench >/dev/null
	@cmake --build --preset bench -j $(JOBS)
	@./build/bench/bench/quorvel_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

fuzz: deps
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz -j $(JOBS)
	@for f in build/fuzz/fuzz/fuzz_*; do \
	  [ -x "$$f" ] || continue; \
	  name=$$(basename $$f); mkdir -p build/fuzz/corpus/$$name; \
	  echo "== $$name ($(FUZZ_SECONDS) s)"; \
	  $$f -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 build/fuzz/corpus/$$name fuzz/corpus/$$name 2>&1 | tail -12 || exit 1; \
	done

format:
	@find src tests bench fuzz -name '*.cpp' -o -name '*.h' | xargs clang-format -i

screenshot: deps build
	@scripts/screenshot

package: build
	@cd build/release && cpack -G DEB

clean:
	@rm -rf build
