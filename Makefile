# The two set-up commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= 2

.PHONY: setup build run test

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -G Ninja > /dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@$(BUILD)/bin/veltar-cli calc
	@for f in examples/*.velta; do echo "== $$f"; $(BUILD)/bin/veltar-cli calc "$$f" || exit 1; done

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
