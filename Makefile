# Quarzel — the usual commands.
#   make deps    install the Debian packages the build needs
#   make         release build (build/release)
#   make run     build and start the desktop program
#   make check   build with sanitizers and run every test (build/check)
#   make bench   build and run the benchmarks (release)
#   make fuzz    build the libFuzzer targets with clang (build/fuzz)
#   make package build the Debian package (build/paket/quarzel_*.deb)

JOBS ?= $(shell nproc)
CMAKE_COMMON = -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=$(shell command -v ccache >/dev/null 2>&1 && echo ccache)

.PHONY: all deps build run check bench fuzz package clean format

all: build

deps:
	@scripts/install-deps

build/release/build.ninja: | deps
	cmake -S . -B build/release $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release

build: deps build/release/build.ninja
	cmake --build build/release -j $(JOBS)

run: build
	build/release/src/app/quarzel $(ARGS)

build/check/build.ninja: | deps
	cmake -S . -B build/check $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Debug -DQUARZEL_SANITIZE=ON -DQUARZEL_WERROR=ON

check: deps build/check/build.ninja
	cmake --build build/check -j $(JOBS)
	cd build/check && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@for b in build/release/bench/bench_*; do echo "== $$b"; $$b; done

build/fuzz/build.ninja: | deps
	cmake -S . -B build/fuzz $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ -DQUARZEL_FUZZ=ON

fuzz: deps build/fuzz/build.ninja
	cmake --build build/fuzz -j $(JOBS) --target fuzzers

# Only the programs: the tests and benchmarks are no part of the package.
build/paket/build.ninja: | deps
	cmake -S . -B build/paket $(CMAKE_COMMON) -DCMAKE_BUILD_TYPE=Release -DQUARZEL_TESTS=OFF

package: deps build/paket/build.ninja
	@command -v dpkg-shlibdeps >/dev/null || { echo "Für das Paket fehlt dpkg-shlibdeps: apt-get install dpkg-dev"; exit 1; }
	cmake --build build/paket -j $(JOBS)
	cd build/paket && cpack -G DEB

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf build
