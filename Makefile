# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test deps configure build clean

deps:
	@bash tools/ensure-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@$(BUILD)/taremo

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

.PHONY: bench
bench: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/bench/taremo_bench --benchmark_min_time=0.05
	@python3 bench/startup.py --build $(BUILD)

clean:
	rm -rf $(BUILD)
