# Kymora: `make run` opens the window, `make test` runs every test, `make package` makes the
# release packages. Each installs first what is missing for its purpose, and no more: `make run`
# only what building and running the Linux program needs.

BUILD_DIR ?= build
WINDOWS_BUILD_DIR ?= build-windows
WEB_BUILD_DIR ?= build-web
# Debian's emcc finds its JavaScript tools in Debian's node modules.
EMSCRIPTEN_ENV = NODE_PATH=/usr/share/nodejs
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?=
# For the Windows and web builds alone: -DBUILD_TESTING=OFF builds the program without its tests.
CROSS_FLAGS ?=

.PHONY: all deps deps-run deps-package configure build program run test test-sanitize bench install screenshots windows web package clean

# Plain make builds the program, as make run does, without opening it.
all: program

# What the tests need (everything); what running needs; what the packages need.
deps:
	@scripts/install-deps.sh test
deps-run:
	@scripts/install-deps.sh run
deps-package:
	@scripts/install-deps.sh package

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DKYMORA_WINDOWS_PROGRAM=$(CURDIR)/$(WINDOWS_BUILD_DIR)/kymora.exe -DKYMORA_WEB_PAGE=$(CURDIR)/$(WEB_BUILD_DIR)/kymora.html $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) -- --no-print-directory

# Only the program: a build folder made here first has no tests in it; one that has them keeps
# them.
program: deps-run
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DBUILD_TESTING=OFF) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR) --target kymora -j $(JOBS) -- --no-print-directory

run: program
	@$(BUILD_DIR)/kymora

# Every test: the Linux program's (with the Windows program under Wine and the web page in
# Chromium), then the plain C++ tests of the Windows build under Wine and of the web build
# under Node.js.
test: build windows web
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)
	@ctest --test-dir $(WINDOWS_BUILD_DIR) --output-on-failure -j $(JOBS)
	@ctest --test-dir $(WEB_BUILD_DIR) --output-on-failure -j $(JOBS)

# The web page, built with Emscripten: $(WEB_BUILD_DIR)/kymora.html, one self-contained file.
web: deps-package
	@$(EMSCRIPTEN_ENV) emcmake cmake -S . -B $(WEB_BUILD_DIR) -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_CROSSCOMPILING_EMULATOR=$$(command -v node) $(CROSS_FLAGS) >/dev/null
	@$(EMSCRIPTEN_ENV) cmake --build $(WEB_BUILD_DIR) -j $(JOBS) -- --no-print-directory

# The Windows program, cross-built with MinGW-w64: $(WINDOWS_BUILD_DIR)/kymora.exe.
windows: deps-package
	@cmake -S . -B $(WINDOWS_BUILD_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release $(CROSS_FLAGS) >/dev/null
	@cmake --build $(WINDOWS_BUILD_DIR) -j $(JOBS) -- --no-print-directory

clean:
	@rm -rf $(BUILD_DIR) $(BUILD_DIR)-bench $(BUILD_DIR)-sanitize $(BUILD_DIR)-package $(WINDOWS_BUILD_DIR) $(WINDOWS_BUILD_DIR)-bench $(WEB_BUILD_DIR) dist

# Benchmarks: on the offscreen platform, on a real X server under Xvfb and, for the pace of a
# run, on a Wayland compositor (weston, headless); the Windows program under Wine; the web page
# in Chromium, Firefox and WebKitGTK.
bench: deps web
	@cmake -S . -B $(BUILD_DIR)-bench -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKYMORA_BENCHMARKS=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)-bench -j $(JOBS) -- --no-print-directory
	@echo "== offscreen platform"
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)-bench/bench/bench_run
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)-bench/bench/bench_startup
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)-bench/bench/bench_pace
	@echo "== X server (Xvfb)"
	@QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" sh -c '$(BUILD_DIR)-bench/bench/bench_run --benchmark_filter=BM_DefaultRun && $(BUILD_DIR)-bench/bench/bench_startup && $(BUILD_DIR)-bench/bench/bench_pace'
	@QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" $(BUILD_DIR)-bench/bench/bench_pace --fullscreen
	@echo "== Wayland (weston, headless)"
	@tests/support/run-on-weston.sh $(BUILD_DIR)-bench/bench/bench_pace
	@echo "== The Windows program under Wine (Xvfb)"
	@cmake -S . -B $(WINDOWS_BUILD_DIR)-bench -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKYMORA_BENCHMARKS=ON >/dev/null
	@cmake --build $(WINDOWS_BUILD_DIR)-bench -j $(JOBS) -- --no-print-directory
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD_DIR)-bench/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= xvfb-run -a -s "-screen 0 1280x1024x24" wine $(WINDOWS_BUILD_DIR)-bench/bench/bench_pace_windows.exe
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD_DIR)-bench/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= xvfb-run -a -s "-screen 0 1920x1080x24" wine $(WINDOWS_BUILD_DIR)-bench/bench/bench_pace_windows.exe /fullscreen
	@echo "== The web page in Chromium (headless)"
	@KYMORA_WEB_PAGE=$(CURDIR)/$(WEB_BUILD_DIR)/kymora.html node bench/web/bench_web.mjs
	@echo "== The web page in Firefox (headless) and WebKitGTK (on weston, headless)"
	@KYMORA_WEB_PAGE=$(CURDIR)/$(WEB_BUILD_DIR)/kymora.html tests/support/run-on-weston.sh node bench/web/bench_engines.mjs

# The release packages in dist/: the Debian source package (kymora_1.00-1.dsc with its
# tarballs) and what dpkg-buildpackage builds from it (kymora_1.00-1_amd64.deb and its debugging
# symbols), the Windows program as kymora-1.00-windows-x86_64.zip and kymora-1.00-x64.msi, the
# web page as kymora-1.00-web.zip, and SHA256SUMS.
package: deps-package windows web
	@scripts/make-packages.sh $(BUILD_DIR)-package $(WINDOWS_BUILD_DIR) $(WEB_BUILD_DIR)

# Installs under PREFIX (default /usr/local): the program, its desktop entry, icons and
# AppStream metainfo.
PREFIX ?= /usr/local
install: build
	@cmake --install $(BUILD_DIR) --prefix $(PREFIX)

# Saves the README's pictures into docs/images: the Qt program's, the Windows program's under
# Wine (in the projector's colours too, and following a contrast theme that the tests' probe
# turns on after the run: black, white text, a light blue highlight, yellow button text), and the
# web page's in Chromium.
WINDOWS_PROBE = $(WINDOWS_BUILD_DIR)/tests/kymora_probe.exe
CONTRAST_THEME = 000000 FFFFFF 8080FF 000000 FFFF00 FFFFFF
screenshots: build windows web
	@cmake --build $(BUILD_DIR) --target kymora_screenshots kymora_windows_screenshot -j $(JOBS) -- --no-print-directory
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/tools/kymora_screenshots docs/images
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD_DIR)/wine-prefix QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/tools/kymora_windows_screenshot $(WINDOWS_BUILD_DIR)/kymora.exe docs/images/kymora-windows.png
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD_DIR)/wine-prefix QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/tools/kymora_windows_screenshot $(WINDOWS_BUILD_DIR)/kymora.exe docs/images/kymora-windows-projector.png --colours=projector
	@WINEPREFIX=$(CURDIR)/$(WINDOWS_BUILD_DIR)/wine-prefix QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" $(BUILD_DIR)/tools/kymora_windows_screenshot $(WINDOWS_BUILD_DIR)/kymora.exe docs/images/kymora-windows-high-contrast.png --then $(WINDOWS_PROBE) high-contrast on --then $(WINDOWS_PROBE) colours $(CONTRAST_THEME)
	@KYMORA_WEB_PAGE=$(CURDIR)/$(WEB_BUILD_DIR)/kymora.html node tools/web_screenshots.mjs docs/images

# Every test again, built with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer.
SANITIZER_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitizers/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
test-sanitize: deps
	@cmake -S . -B $(BUILD_DIR)-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKYMORA_SANITIZE=ON $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD_DIR)-sanitize -j $(JOBS) -- --no-print-directory
	@$(SANITIZER_ENV) ctest --test-dir $(BUILD_DIR)-sanitize --output-on-failure -j $(JOBS)
