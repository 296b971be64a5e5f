# The project's commands. Each one installs what it needs on a fresh Debian machine first.
BUILD      ?= build
BUILD_ASAN ?= build-asan
BUILD_FUZZ ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS    := travail config catalogue jpeg modbus-rtu modbus-tcp application journal
JOBS       ?= 2
PACKAGES   := cmake ninja-build g++ qt6-base-dev qt6-svg-dev qt6-serialport-dev qt6-pdf-dev \
              libjpeg-dev fonts-liberation poppler-utils googletest libgtest-dev libmodbus-dev libbenchmark-dev mbpoll \
              help2man qt6-translations-l10n desktop-file-utils appstream dpkg-dev \
              libxlsxwriter-dev python3-openpyxl xvfb dbus-daemon at-spi2-core python3-pyatspi

.PHONY: all setup build run test test-asan fuzz bench screenshots images-aide donnees exemples package clean

all: build

setup:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing:" $$missing; \
		SUDO=$$( [ "$$(id -u)" = 0 ] || echo sudo ); \
		$$SUDO apt-get update -qq && DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y -qq $$missing; \
	fi

$(BUILD)/build.ninja: | setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

# The program folder is the build folder: the settings file is kept there between runs.
run: build
	cd $(BUILD) && ./vimra --demo

test: build
	ctest --test-dir $(BUILD) -j $(JOBS) --output-on-failure

# Core tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test-asan: setup
	cmake -S . -B $(BUILD_ASAN) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIMRA_SANITIZE=ON
	cmake --build $(BUILD_ASAN) -j $(JOBS) --target vimra_core_tests vimra_tool_tests vimra-tool
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
		LSAN_OPTIONS=suppressions=$(CURDIR)/tests/support/lsan.supp \
		ctest --test-dir $(BUILD_ASAN) -L core -j $(JOBS) --output-on-failure

# Every fuzzer for FUZZ_SECONDS seconds (clang, libFuzzer, ASan and UBSan), from the seeds and the
# kept findings. A finding stops the run and is written to fuzz/regressions/<fuzzer>/: mend the
# reader, then commit the file, which the test suite then reads on every run.
fuzz:
	$(MAKE) setup PACKAGES="$(PACKAGES) clang libclang-rt-14-dev"
	cmake -S . -B $(BUILD_FUZZ) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
		-DVIMRA_FUZZ=ON
	cmake --build $(BUILD_FUZZ) -j $(JOBS) --target fuzz-graines $(addprefix fuzz_,$(FUZZERS))
	QT_QPA_PLATFORM=offscreen $(BUILD_FUZZ)/fuzz/fuzz-graines $(BUILD_FUZZ)/corpus
	for f in $(FUZZERS); do \
		mkdir -p fuzz/regressions/$$f && \
		echo "fuzzing $$f for $(FUZZ_SECONDS) s" && \
		QT_QPA_PLATFORM=offscreen $(BUILD_FUZZ)/fuzz/fuzz_$$f -max_total_time=$(FUZZ_SECONDS) \
			-rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix=fuzz/regressions/$$f/ \
			$(BUILD_FUZZ)/corpus/$$f fuzz/regressions/$$f || exit 1; \
	done

# Every benchmark in one run and one table: the measured median, the floor or peer measured in the
# same run, and the ratio against the target.
bench: build
	sh benchmarks/tout.sh $(BUILD)

# Every window, and the pictures of the user guide in $(BUILD)/screenshots/aide; every window again at
# 200 % and 150 % (high-density screens) in $(BUILD)/screenshots/200 and /150, and with a system font
# of 14 points in $(BUILD)/screenshots/14pt.
screenshots: build
	$(BUILD)/vimra-screenshots $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/vimra-captures $(BUILD)/screenshots
	QT_SCALE_FACTOR=2 $(BUILD)/vimra-screenshots $(BUILD)/screenshots/200
	QT_SCALE_FACTOR=1.5 $(BUILD)/vimra-screenshots $(BUILD)/screenshots/150
	VIMRA_TAILLE_POLICE=14 $(BUILD)/vimra-screenshots $(BUILD)/screenshots/14pt

# Redraws the pictures of the user guide from the program itself into resources/aide/images, which
# the program is built with; commit what changed.
images-aide: build
	$(BUILD)/vimra-screenshots --aide resources/aide/images
	cmake --build $(BUILD) -j $(JOBS)

# Redraws the application pictures, the application sheets and the wiring diagrams, and rewrites the
# catalogue files in data/ from tools/generateur-donnees/catalogue.json; commit what changed.
donnees: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vimra-donnees
	$(BUILD)/vimra-donnees tools/generateur-donnees/catalogue.json data

# Records the example works of data/Exemples on the simulated bench; commit what changed.
exemples: setup $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS) --target vimra-exemples
	$(BUILD)/vimra-exemples data/Exemples

# The Debian package (CPack), in $(BUILD)/: `sudo apt install ./$(BUILD)/vimra_*.deb` installs it.
package: build
	cmake --build $(BUILD) --target package

clean:
	rm -rf $(BUILD) $(BUILD_ASAN)
