# The commands of the README: `make run`, `make test` and `make package`.
BUILD ?= build
JOBS ?= 2

.PHONY: setup build run test package fuzz

setup:
	@scripts/setup

build: setup
	@cmake -S . -B $(BUILD) -G Ninja -DVELTAR_GUI=ON -DVELTAR_WERROR=ON > /dev/null
	@cmake --build $(BUILD) -j$(JOBS)

# Opens the main window with the default case. Without a display (a bare server) the
# window is rendered once to $(BUILD)/veltar.png instead.
run: build
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
	  $(BUILD)/bin/veltar; \
	else \
	  QT_QPA_PLATFORM=offscreen $(BUILD)/bin/veltar --screenshot $(BUILD)/veltar.png 2>/dev/null && \
	  echo "No display: the window with the default case is rendered to $(BUILD)/veltar.png"; \
	fi

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# The Debian package $(BUILD)/veltar_1.8-1_amd64.deb.
package: build
	@cd $(BUILD) && cpack -G DEB

# The fuzz targets of tests/fuzz, each for FUZZ_SECONDS (CI runs them for 30 s), built
# with clang in build-fuzz.
FUZZ_SECONDS ?= 600
fuzz: setup
	@tests/fuzz/run.sh $(FUZZ_SECONDS)
