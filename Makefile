# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: deps configure build run test bench clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/retail && ./mervand30

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

bench: build
	cd $(BUILD)/bench && for b in ./bench_*; do $$b; done

clean:
	rm -rf $(BUILD)
