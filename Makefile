# Two commands matter: `make run` opens the keyboard, `make test` runs every test.
SHELL := /bin/bash
JOBS ?= $(shell nproc)
XVFB := xvfb-run -a -s "-screen 0 1280x1024x24"

.PHONY: all deps build build-linux build-windows test test-linux test-windows \
        check-sanitize bench fuzz run package resources clean

all: build

deps:
	@scripts/install-deps.sh

build-linux: deps
	cmake --preset linux >/dev/null
	cmake --build --preset linux -j $(JOBS)

build-windows: deps
	cmake --preset windows >/dev/null
	cmake --build --preset windows -j $(JOBS)

build: build-linux build-windows

test-linux: build-linux
	ctest --preset linux

# Windows programs run under Wine; the GUI tests need an X display.
test-windows: build-windows
	$(XVFB) scripts/wine-session.sh build/windows/wineprefix ctest --preset windows

check-sanitize: deps
	cmake --preset linux-sanitize >/dev/null
	cmake --build --preset linux-sanitize -j $(JOBS)
	ctest --preset linux-sanitize

test: test-linux test-windows check-sanitize

bench: build-linux
	scripts/run-bench.sh build/linux/bin

fuzz: deps
	cmake --preset fuzz >/dev/null
	cmake --build --preset fuzz -j $(JOBS)
	scripts/run-fuzz.sh build/fuzz/bin $(or $(FUZZ_SECONDS),30)

run:
	scripts/run.sh

package: build-windows
	cmake --build --preset windows --target package

# Regenerates the committed glyphs and table; needs fonts and iconv, not run by builds.
resources:
	scripts/make-resources.sh

clean:
	rm -rf build
