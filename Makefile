# The two everyday commands: `make run` and `make test`.
BUILD := build
JOBS := $(shell nproc)

.PHONY: all deps configure build run test pictures format clean

all: build

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	cd assets && ../$(BUILD)/duridaz

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# Redraws every picture: the files in assets/ and the window's own pictures.
pictures: build
	$(BUILD)/tools/makepictures .

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	rm -rf $(BUILD)
