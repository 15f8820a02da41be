# The two commands of the README. Both install what is missing first.
RUN_BUILD  ?= build/release
TEST_BUILD ?= build/test
GENERATOR  ?= Ninja
# make fuzz FUZZ_SECONDS=N: every fuzz target for N seconds (clang build in FUZZ_BUILD).
FUZZ_BUILD ?= build/fuzz
FUZZ_SECONDS ?= 60
# FUZZ_CPU_SECONDS=N instead stops each target after N seconds of CPU time.
FUZZ_CPU_SECONDS ?= 0
# make deb: the Debian package, from a Release build in DEB_BUILD with Debian's
# own compiler and linker flags (hardening); the .deb lands here.
DEB_BUILD  ?= build/deb
DEB_FLAGS  = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
# make run XVFB=1: run the window under xvfb-run on a machine without a display.
XVFB       ?= 0
# make run ARGS=N: open the window in the dictionary's language N instead of
# the language of the user's locale (LANG=de_DE.UTF-8 make run: German).
ARGS       ?=

# make tidy: clang-tidy with .clang-tidy over src/ and apps/ (compile database
# of TEST_BUILD; TIDY_FILES narrows it, a regular expression over paths).
TIDY_FILES ?= (src|apps)/.*\.cpp$$

.PHONY: run test fuzz tidy deps build-release build-test deb format clean

deps:
	bash scripts/install-deps.sh

build-release: deps
	cmake -S . -B $(RUN_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTANKORA_BUILD_TESTS=OFF
	cmake --build $(RUN_BUILD)

run: build-release
	XVFB=$(XVFB) bash scripts/run.sh $(RUN_BUILD) $(ARGS)

build-test: deps
	cmake -S . -B $(TEST_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Debug -DTANKORA_SANITIZE=ON -DTANKORA_WERROR=ON
	cmake --build $(TEST_BUILD)

test: build-test
	cd $(TEST_BUILD) && ctest --output-on-failure --timeout 300 -j2

deb: deps
	cmake -S . -B $(DEB_BUILD) -G $(GENERATOR) -DCMAKE_BUILD_TYPE=Release \
	  -DTANKORA_BUILD_TESTS=OFF -DTANKORA_BUILD_BENCH=OFF \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CXXFLAGS) $$($(DEB_FLAGS) CPPFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build $(DEB_BUILD)
	cd $(DEB_BUILD) && cpack
	cp $(DEB_BUILD)/tankora_*.deb .

fuzz:
	bash scripts/install-deps.sh fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) FUZZ_CPU_SECONDS=$(FUZZ_CPU_SECONDS) bash scripts/fuzz.sh $(FUZZ_BUILD)

tidy: build-test
	bash scripts/install-deps.sh tidy
	cmake -S . -B $(TEST_BUILD) -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
	bash scripts/tidy.sh $(TEST_BUILD) '$(TIDY_FILES)'

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf build tankora_*.deb
