# The front door: every target that needs packages depends on deps.
.PHONY: all deps build run test test-sanitize test-debian13 package screenshot bench clean

all: build

deps:
	@scripts/deps.sh

build/CMakeCache.txt: | deps
	cmake --preset default

build: deps build/CMakeCache.txt
	cmake --build --preset default

run: build
	./build/vuvere-rovivudevu

test: build
	ctest --preset default

build-sanitize/CMakeCache.txt: | deps
	cmake --preset sanitize

test-sanitize: deps build-sanitize/CMakeCache.txt
	cmake --build --preset sanitize
	ctest --preset sanitize

# The same `make test` on a fresh clone in a minimal Debian 13 tree, then the package there (root).
test-debian13: deps
	scripts/test-debian13.sh

# Checks the build dependencies rather than installing them: `make test` has done that.
package:
	scripts/package.sh build/deb

screenshot: build
	scripts/screenshot.sh

bench: build
	bench/run.sh

clean:
	rm -rf build build-sanitize
