# The two entry points of the README: `make run` and `make test`.
PRESET ?= default
TEST_PRESET ?= ci
EXE = build/$(PRESET)/src/app/qvxconsole

.PHONY: deps build run test asan tsan bench format package smoke

deps:
	@tools/deps.sh

build: deps
	@[ -f build/$(PRESET)/build.ninja ] || cmake --preset $(PRESET)
	cmake --build --preset $(PRESET)

run: build
	tools/run.sh $(EXE) $(ARGS)

# The Debian package, from the same build: build/$(PRESET)/qvxconsole_*.deb
package: build
	cd build/$(PRESET) && cpack -G DEB

# The real program under Xvfb, driven through a buzz-in; renews the screenshots in docs/.
smoke: build
	tools/smoke.sh $(EXE)

test: deps
	@[ -f build/$(TEST_PRESET)/build.ninja ] || cmake --preset $(TEST_PRESET)
	cmake --build --preset $(TEST_PRESET)
	ctest --preset $(TEST_PRESET)

asan:
	$(MAKE) test TEST_PRESET=asan

# The reader-thread tests under ThreadSanitizer (only what they need is built).
tsan: deps
	@[ -f build/tsan/build.ninja ] || cmake --preset tsan
	cmake --build --preset tsan
	ctest --preset tsan

bench: deps
	@[ -f build/bench/build.ninja ] || cmake --preset bench
	cmake --build --preset bench
	tools/bench.sh build/bench

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i
