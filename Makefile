# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Entry points that set everything up on a fresh Debian 12 or 13 machine:
#   make run      builds the program and starts it
#   make test     builds everything and runs every test, plain and then again
#                 under AddressSanitizer and UndefinedBehaviorSanitizer
#   make package  builds the Debian package from debian/ the Debian way: by
#                 sbuild in a fresh Debian of this machine's release, checked
#                 by lintian at its strictest and hardening-check; copied to
#                 dist/ with the upstream tarball dist/karvel-VERSION.tar.xz
#   make package-CODENAME-ARCH  the same for Debian 12 (bookworm) or 13
#                 (trixie) on amd64, arm64 or armhf (cross-built with sbuild
#                 --host); make packages builds all six
#   make autopkgtest  the package's own tests (debian/tests) on each of the
#                 six, installed by apt in a fresh system of its own release
#                 and architecture (under qemu for arm); autopkgtest-CODENAME-ARCH
#                 for one
#   make release  every file a user downloads, in dist/, from one version:
#                 the tarball, the six packages (each passed autopkgtest), the
#                 Windows zip and installer, the browser edition's zip, and
#                 SHA256SUMS; PACKAGE_ARCHS="amd64 armhf" leaves arm64 out
#   make windows  cross-builds for Windows, tests it under Wine and makes
#                 dist/karvel-1.00-win64.zip and its installer
#                 dist/karvel-1.00-win64-setup.exe (KARVEL_QT_MINGW: a ready Qt)
#   make web      KARVEL for the browser, built in a fresh Debian 13:
#                 dist/karvel-1.00-web/ (a folder any web server serves)
#                 and its zip; the committed digits, run by node
#   make test-web  that folder in Chromium, WebKitGTK (Safari's engine) and
#                 Firefox ESR, as a user would use it, also offline, after a
#                 new release (not in WebKit) and on a phone (in Chromium)
#   make test-debian12, make test-debian13  the README's test command as a
#                 newcomer with sudo in a fresh minimal Debian 12 or 13
#   make test-arm64  the suite under qemu's emulation of arm64 (and part of
#                 it on armhf), with the committed digits and pictures
#   make check-release  what a release needs besides the tests: REUSE, the
#                 C++ layout (make check-format), the package and its checks,
#                 the AppStream and desktop files, one version everywhere
#   make reprotest  builds the source package twice under reprotest's
#                 varied conditions and compares the packages (and the zip
#                 and the installer, with a Qt for MinGW)
# Each first installs the Debian packages it needs that are missing (with
# sudo when not root).

# The builds themselves are CMake presets (CMakePresets.json): build/,
# build-sanitize/, build-windows/; the packages' in build-debian/.
JOBS ?= $(shell nproc)
# Warnings stop the build on CI, where nobody is there to read them.
export KARVEL_WERROR := $(if $(CI),ON,OFF)
# Qt's versions, the face's package, the emulators: one place for them.
include build-facts.env
# Installs as root: with sudo when not root; one apt-get at a time, for
# make -j.
SUDO := $(if $(filter 0,$(shell id -u)),,sudo)
APT_LOCK := $(or $(XDG_CACHE_HOME),$(HOME)/.cache)/karvel/apt.lock
APT_GET = mkdir -p $(dir $(APT_LOCK)) && flock $(APT_LOCK) $(or $(SUDO),env) DEBIAN_FRONTEND=noninteractive apt-get
# The packages are built for this machine's release and architecture.
DEBIAN_CODENAME := $(shell . /etc/os-release 2>/dev/null && echo $$VERSION_CODENAME)
NATIVE_ARCH := $(shell dpkg --print-architecture 2>/dev/null)
DEBIAN_VERSION := $(shell dpkg-parsechangelog --show-field Version 2>/dev/null)
# The release's own version (tools/check-version.sh keeps them the same).
VERSION := $(patsubst %-$(lastword $(subst -, ,$(DEBIAN_VERSION))),%,$(DEBIAN_VERSION))
DEBIAN_PACKAGE_TOOLS := sbuild mmdebstrap uidmap lintian devscripts dpkg-dev git xz-utils \
                        qemu-user-static binfmt-support arch-test
AUTOPKGTEST_TOOLS := autopkgtest
WINDOWS_TOOLS := g++-mingw-w64-x86-64-posix wine wine64 ninja-build zip unzip dpkg-dev nsis
BROWSER_TEST_TOOLS := chromium chromium-driver webkit2gtk-driver xvfb xauth firefox-esr python3-websocket \
                      python3-selenium brotli
# axe-core, which the browser tests run in the page, from the npm registry.
AXE_CORE := axe-core@4.14.1
RELEASE_TOOLS := reuse appstream desktop-file-utils
# hardening-check takes a program that calls only functions whose bounds the
# compiler knew for unfortified; and Debian's C start files (Scrt1.o, crti.o,
# crtn.o, up to Debian 13 at least) carry no control-flow (CET) marking, so
# no program built on Debian is marked, though its code is built for it.
HARDENING_CHECK := hardening-check --nofortify --nocfprotection
REPROTEST_TOOLS := reprotest diffoscope-minimal faketime disorderfs locales-all debhelper

# Every step that writes a time writes this one: the last commit's, or
# outside git the changelog's.
SOURCE_DATE_EPOCH := $(shell tools/source-date-epoch.sh)
$(if $(SOURCE_DATE_EPOCH),,$(error no time for the build to write: set SOURCE_DATE_EPOCH))
export SOURCE_DATE_EPOCH

# Installs the Debian packages of $(1) that are missing.
install-missing = missing=$$(for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	[ -z "$$missing" ] || { echo "Installing:" $$missing; \
	  $(APT_GET) update && $(APT_GET) install -y --no-install-recommends $$missing; }

.PHONY: run test test-plain test-sanitized build deps configure debian-tools source package packages autopkgtest check-release check-shell check-format \
        release windows web test-web benchmark-web test-debian12 test-debian13 test-arm64 reprotest clean

run: configure
	cmake --build --preset default -j $(JOBS) --target karvel
	./build/ui/karvel

test: test-plain test-sanitized

test-plain: build
	ctest --preset default -j $(JOBS)

test-sanitized: deps
	cmake --preset sanitize
	cmake --build --preset sanitize -j $(JOBS)
	ctest --preset sanitize -j $(JOBS)

build: configure
	cmake --build --preset default -j $(JOBS)

configure: deps
	cmake --preset default

package: package-$(DEBIAN_CODENAME)-$(NATIVE_ARCH)

# Every package a release carries: each release for each architecture.
PACKAGE_RELEASES := bookworm trixie
PACKAGE_ARCHS ?= amd64 arm64 armhf
PACKAGE_BUILDS := $(foreach r,$(PACKAGE_RELEASES),$(foreach a,$(PACKAGE_ARCHS),$(r)-$(a)))
packages: $(addprefix package-,$(PACKAGE_BUILDS))

# What the package targets need, installed ahead by root for an ordinary
# user who installs with sudo (as CI does).
debian-tools:
	@$(call install-missing,$(DEBIAN_PACKAGE_TOOLS) $(AUTOPKGTEST_TOOLS) sudo)

# The source package, made once per run of make, before any build reads it.
source:
	@$(call install-missing,$(DEBIAN_PACKAGE_TOOLS))
	tools/debian-package.sh source

# sbuild builds the source package for that release and architecture (a
# cross build where it is not the machine's); lintian fails it on any tag,
# even of information, but the one a first upload cannot help.
package-%: source
	tools/debian-package.sh build $(subst -, ,$*)
	lintian --pedantic --display-info --fail-on error,warning,info,pedantic \
	    --suppress-tags initial-upload-closes-no-bugs \
	    build-debian/source/karvel_$(DEBIAN_VERSION).dsc build-debian/$*/*.changes build-debian/$*/*.deb
	rm -rf build-debian/unpacked-$* && dpkg-deb -x build-debian/$*/$$(tools/debian-package.sh name $(subst -, ,$*)) build-debian/unpacked-$*
	$(HARDENING_CHECK) build-debian/unpacked-$*/usr/bin/karvel
	cp build-debian/$*/$$(tools/debian-package.sh name $(subst -, ,$*)) dist/

# The tests of debian/tests on every package, each installed by apt in a
# fresh system of its own release and architecture.
autopkgtest: $(addprefix autopkgtest-,$(PACKAGE_BUILDS))
autopkgtest-%: package-%
	@$(call install-missing,$(AUTOPKGTEST_TOOLS))
	tools/debian-package.sh autopkgtest $(subst -, ,$*)

# The whole suite on arm64 under qemu, and the calculation, the conversions,
# the main window and the committed digits on armhf, cross-built in a
# fresh Debian 12 that has both architectures added.
CROSS_BUILD = cmake --preset $(1); cmake --build --preset $(1) -j $$(nproc) $(2); ctest --preset $(1) -j $$(nproc) $(3)
test-arm64:
	@$(call install-missing,$(DEBIAN_PACKAGE_TOOLS))
	tools/debian-run.sh --architectures=$(NATIVE_ARCH),arm64,armhf bookworm '\
	  make deps; \
	  for arch in arm64 armhf; do \
	    sudo apt-get build-dep -y -qq --no-install-recommends --host-architecture=$$arch --build-profiles=nocheck ./; \
	    sudo apt-get install -y -qq --no-install-recommends crossbuild-essential-$$arch qemu-user-static pkgconf:$$arch libxcb-xfixes0-dev:$$arch; \
	  done; \
	  $(call CROSS_BUILD,arm64); \
	  $(call CROSS_BUILD,armhf,--target test_calculator test_conversions test_form1 dimension_sweep exhaustive_conversions,\
	         -R "^(test_(calculator|conversions|form1)|same_sweep|same_conversions)$$")'

windows: deps
	@$(call install-missing,$(WINDOWS_TOOLS))
	JOBS=$(JOBS) windows/build.sh

check-release: package check-format check-shell
	@$(call install-missing,$(RELEASE_TOOLS))
	reuse lint
	appstreamcli validate --no-net --pedantic build-debian/unpacked-$(DEBIAN_CODENAME)-$(NATIVE_ARCH)/usr/share/metainfo/*.metainfo.xml
	desktop-file-validate build-debian/unpacked-$(DEBIAN_CODENAME)-$(NATIVE_ARCH)/usr/share/applications/*.desktop
	tools/check-version.sh

# Every shell script passes shellcheck (as .shellcheckrc sets it up).
check-shell:
	@$(call install-missing,shellcheck)
	shellcheck $$( { git ls-files '*.sh'; git grep -lE '^#!.*[/ ](ba)?sh$$'; } | sort -u)

# Every C++ file laid out as .clang-format says.
check-format:
	@$(call install-missing,clang-format)
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')

# Everything a user downloads, from one version, with its checksums.
release: check-release packages autopkgtest windows web
	PACKAGE_ARCHS="$(PACKAGE_ARCHS)" tools/release.sh

web:
	@$(call install-missing,$(DEBIAN_PACKAGE_TOOLS) unzip)
	browser/build.sh

# In the same run as the web build, the browser test waits for its folder.
ifneq ($(filter web release,$(MAKECMDGOALS)),)
test-web: web
endif
test-web:
	@$(call install-missing,$(BROWSER_TEST_TOOLS))
	@# Debian's npm, unless a Node.js that brings its own is there.
	@command -v npm > /dev/null || { $(call install-missing,npm); }
	npm install --loglevel=error --no-save --no-package-lock --prefix "$${XDG_CACHE_HOME:-$$HOME/.cache}/karvel/npm" $(AXE_CORE)
	xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" browser/test_browser.py dist/karvel-$(VERSION)-web

benchmark-web:
	@$(call install-missing,$(BROWSER_TEST_TOOLS))
	browser/test_browser.py --measure dist/karvel-$(VERSION)-web

# The README's test command as a newcomer runs it on a fresh Debian.
test-debian12 test-debian13: test-debian%:
	@$(call install-missing,$(DEBIAN_PACKAGE_TOOLS))
	tools/debian-run.sh $(if $(filter 12,$*),bookworm,trixie) \
	    '. /etc/os-release; echo "$$PRETTY_NAME, as $$(id -un)"; make test'

reprotest: deps
	@$(call install-missing,$(DEBIAN_PACKAGE_TOOLS) $(REPROTEST_TOOLS))
	tools/reprotest.sh

# The build packages are those that debian/control names, with
# build-essential: the one list of them.
deps:
	@dpkg-checkbuilddeps 2> /dev/null && dpkg-query -W build-essential > /dev/null 2>&1 || { \
	  echo "Installing the build packages that debian/control names"; \
	  $(APT_GET) update && $(APT_GET) build-dep -y --no-install-recommends ./; }

clean:
	rm -rf build build-sanitize build-debian build-fuzz build-windows build-web dist
