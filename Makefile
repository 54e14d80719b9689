# Set-up and everyday commands. `make run` and `make test` install what they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian 12 packages needed to build, test and run the game.
PACKAGES := build-essential cmake pkg-config googletest libgtest-dev libgmock-dev \
	qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libqt6svg6 \
	qt6-qpa-plugins libgl-dev libglx-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
	fonts-dejavu-core xvfb xauth openbox xdotool imagemagick tidy \
	desktop-file-utils appstream dpkg-dev

.PHONY: all deps build run test bench clean install package

# Where `make install` puts the game: your own ~/.local by default (PREFIX=/usr/local for all).
PREFIX ?= $(HOME)/.local

all: build

deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}\n' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
		echo "Installing: $$missing"; \
		$(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq --no-install-recommends $$missing; \
	fi

# Warnings are errors here, for us and CI; a packager's plain cmake build only warns.
build: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVETTA_WERROR=ON
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/brivetta && ./brivetta

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	$(BUILD)/bench/brivetta_bench

clean:
	rm -rf $(BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB
