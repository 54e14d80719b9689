# Set-up and everyday commands. `make run` and `make test` install what they need first.
BUILD ?= build
JOBS ?= $(shell nproc)
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)

# Debian 12 packages needed to build, test and run the game.
PACKAGES := build-essential cmake pkg-config googletest libgtest-dev libgmock-dev \
	qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev libqt6svg6 \
	qt6-qpa-plugins libgl-dev libglx-dev gstreamer1.0-plugins-base gstreamer1.0-plugins-good \
	fonts-dejavu-core imagemagick tidy \
	desktop-file-utils appstream dpkg-dev qt6-l10n-tools qt6-tools-dev qt6-translations-l10n

.PHONY: all deps build run test sanitize bench clean install package traduzioni

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

# The tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer in a folder of their
# own: any bad memory access, leak or undefined behaviour stops the test that did it.
SANITIZE_BUILD ?= build-asan
SANITIZE_FLAGS := -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined
# The build runs the test programs too (to list their cases), so the options hold for both.
# Warnings are `make test`'s job: instrumented code makes GCC warn where nothing is wrong.
sanitize: export ASAN_OPTIONS = detect_leaks=1:check_initialization_order=1
sanitize: export UBSAN_OPTIONS = print_stacktrace=1:halt_on_error=1
sanitize: export LSAN_OPTIONS = suppressions=$(CURDIR)/tests/sanitizer/lsan.supp:print_suppressions=0
sanitize: deps
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRIVETTA_WERROR=OFF \
		-DCMAKE_CXX_FLAGS="$(SANITIZE_FLAGS)" \
		-DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE_FLAGS)" -DCMAKE_SHARED_LINKER_FLAGS="$(SANITIZE_FLAGS)"
	cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	cd $(SANITIZE_BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The English and Spanish .ts files brought up to date with the texts of ui/: a new text comes in
# unfinished, a text gone goes. The build never rewrites them; the translations test fails until
# every text has its finished translation.
LUPDATE ?= /usr/lib/qt6/bin/lupdate
traduzioni: deps
	$(LUPDATE) -no-obsolete -locations none -source-language it_IT ui \
		-ts traduzioni/brivetta_en.ts traduzioni/brivetta_es.ts

bench: build
	$(BUILD)/bench/brivetta_bench

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

package: build
	cd $(BUILD) && cpack -G DEB
