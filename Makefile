# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a new machine needs: `make run` and `make test`.
BUILD      ?= build
BUILD_SAN  ?= build-asan
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60
JOBS       ?= $(shell nproc)
# The clang-format the committed .clang-format is written for; the format test checks the same.
CLANG_FORMAT ?= $(shell command -v clang-format-14 || command -v clang-format)

.PHONY: run test build deps clean bench sprites-sheet format package screenshot fuzz

# SKIP_DEPS=1 leaves apt alone on a machine that already has what the build needs.
deps:
ifeq ($(SKIP_DEPS),)
	@scripts/bootstrap.sh
endif

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPISTEWORK_WERROR=ON

$(BUILD_SAN)/build.ninja: | deps
	cmake -S . -B $(BUILD_SAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DPISTEWORK_SANITIZE=ON \
	    -DPISTEWORK_WERROR=ON

build: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/pistework

# Tests run twice: once in the normal build, once under AddressSanitizer and UBSan.
test: build $(BUILD_SAN)/build.ninja
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	cmake --build $(BUILD_SAN) -j $(JOBS)
	cd $(BUILD_SAN) && ctest --output-on-failure -j $(JOBS) -LE nosan

# libFuzzer targets under clang with ASan and UBSan, each run FUZZ_SECONDS on a copy of its
# seeds in fuzz/corpus; fails on any crash, broken rule or hang. fuzz/README.md tells how to run
# one target and reproduce a crash.
$(BUILD_FUZZ)/build.ninja: | deps
	CC=clang CXX=clang++ cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DPISTEWORK_FUZZ=ON -DPISTEWORK_WERROR=ON

fuzz: deps $(BUILD_FUZZ)/build.ninja
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzzers
	fuzz/run.sh $(BUILD_FUZZ) $(FUZZ_SECONDS)

# A Debian package in $(BUILD), its dependencies computed by dpkg-shlibdeps.
package: build
	cd $(BUILD) && cpack -G DEB

# The README's picture of a bout, taken from the game itself under Xvfb.
screenshot: build
	tools/screenshot.sh $(BUILD)/bin/pistework docs/bout.png

bench: build
	$(BUILD)/bin/pistework-bench

clean:
	rm -rf $(BUILD) $(BUILD_SAN) $(BUILD_FUZZ)

# All 80 pictures at three times their size, labelled, in $(BUILD)/sprites-sheet.png.
sprites-sheet: deps $(BUILD)/build.ninja
	cmake --build $(BUILD) --target sprites-sheet

# Rewrites every C++ file as the committed .clang-format has it; the format test checks this.
format: deps
	@$(CLANG_FORMAT) --version 2>/dev/null | grep -q 'version 14\.' || \
	    { echo "format: needs clang-format 14 (clang-format-14), found: '$(CLANG_FORMAT)'"; exit 1; }
	find src tests tools bench fuzz -type f \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 $(CLANG_FORMAT) -i
