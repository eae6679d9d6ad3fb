# Set-up, build, run and test Zarvel on Debian 12. Every target first
# installs the Debian packages that are missing (scripts/install-deps).

BUILD ?= build
ASAN_BUILD ?= build-asan
JOBS ?= $(shell nproc)
PREFIX ?= /usr/local

.PHONY: all deps program run test bench install uninstall clean

all: program

deps:
	./scripts/install-deps

program: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: program
	./$(BUILD)/zarvel

# Every test of the program, then the core's tests once more under
# AddressSanitizer and UndefinedBehaviorSanitizer.
test: program
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZARVEL_CORE_ONLY=ON -DZARVEL_BENCH=OFF \
		-DCMAKE_CXX_FLAGS="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS)

bench: program
	./$(BUILD)/bench/deal_bench --benchmark_report_aggregates_only=true
	./bench/measure-window $(BUILD)

install: program
	cmake --install $(BUILD) --prefix $(PREFIX)

# Removes what the last install put in place.
uninstall:
	xargs -r rm -f < $(BUILD)/install_manifest.txt

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
