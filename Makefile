# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Entry points that set everything up on a fresh Debian 12 or 13 machine:
#   make run      builds the program and starts it
#   make test     builds everything and runs every test, plain and then again
#                 under AddressSanitizer and UndefinedBehaviorSanitizer
#   make package  builds the Debian package dist/karvel_*.deb
#   make windows  cross-builds for Windows, tests it under Wine and makes
#                 dist/karvel-1.00-win64.zip and its installer
#                 dist/karvel-1.00-win64-setup.exe (KARVEL_QT_MINGW: a ready Qt)
#   make test-debian12, make test-debian13  the README's test command, the
#                 package and its installation, as a newcomer with sudo in a
#                 fresh minimal Debian 12 or 13
#   make package-arm64, make package-armhf  the package for the Raspberry
#                 Pi's Debian, cross-built in a throwaway Debian 12
#   make test-arm64  the suite under qemu's emulation of arm64 (and part of
#                 it on armhf), with the same digits and pixels as here
#   make check-package  lintian and hardening-check on the package (of
#                 KARVEL_ARCH, where given)
#   make check-release  what a release needs besides the tests: REUSE,
#                 lintian and hardening-check on the package, the AppStream
#                 and desktop files
#   make reprotest  builds the packages for amd64, arm64 and armhf (and the
#                 zip and the installer, with a Qt for MinGW) twice under
#                 varied conditions and compares them
# Each first installs the Debian packages it needs that are missing (with
# sudo when not root).

# The builds themselves are CMake presets (CMakePresets.json): build/,
# build-sanitize/, build-package/, build-windows/.
JOBS ?= $(shell nproc)
# Warnings stop the build on CI, where nobody is there to read them.
export KARVEL_WERROR := $(if $(CI),ON,OFF)
# Liberation Sans 2 is fonts-liberation2 up to Debian 12, fonts-liberation after.
DEBIAN_RELEASE := $(shell . /etc/os-release 2>/dev/null && echo $${VERSION_ID%%.*})
FACE_PACKAGE := $(if $(filter 10 11 12,$(DEBIAN_RELEASE)),fonts-liberation2,fonts-liberation)
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
            libxkbcommon-dev libxcb-xfixes0-dev $(FACE_PACKAGE) fonts-dejavu-core xvfb xauth xdotool \
            dbus-daemon
# KARVEL_ARCH=arm64 or armhf: a cross build for that Debian architecture,
# only where apt has it added (in the throwaway system of make
# package-arm64 and make test-arm64, never on the machine itself).
KARVEL_ARCH ?=
ifneq ($(KARVEL_ARCH),)
PACKAGES += crossbuild-essential-$(KARVEL_ARCH) qemu-user-static \
            $(addsuffix :$(KARVEL_ARCH),qt6-base-dev libgl-dev libxkbcommon-dev libxcb-xfixes0-dev pkgconf)
CROSS_CONFIGURE := --toolchain $(CURDIR)/cmake/toolchains/$(KARVEL_ARCH).cmake
# dpkg-buildflags and dpkg-shlibdeps take the architecture from here.
export DEB_HOST_ARCH := $(KARVEL_ARCH)
endif
DEB_ARCH := $(or $(KARVEL_ARCH),$(shell dpkg --print-architecture 2>/dev/null))
PACKAGE_FILE = $(wildcard dist/karvel_*_$(DEB_ARCH).deb)
PACKAGING_TOOLS := dpkg-dev file
PACKAGE_CHECK_TOOLS := lintian devscripts
WINDOWS_TOOLS := g++-mingw-w64-x86-64-posix wine wine64 ninja-build zip unzip dpkg-dev nsis
DEBIAN_SYSTEM_TOOLS := debootstrap git
RELEASE_TOOLS := reuse appstream desktop-file-utils
# hardening-check takes a program that calls only functions whose bounds the
# compiler knew for unfortified; and Debian's C start files (Scrt1.o, crti.o,
# crtn.o, up to Debian 13 at least) carry no control-flow (CET) marking, so
# no program built on Debian is marked, though its code is built for it.
HARDENING_CHECK := hardening-check --nofortify --nocfprotection
REPROTEST_TOOLS := reprotest diffoscope-minimal faketime disorderfs locales-all git

# Every step that writes a time writes this one: the last commit's, or
# outside git the changelog's.
SOURCE_DATE_EPOCH := $(shell tools/source-date-epoch.sh)
export SOURCE_DATE_EPOCH

# Installs the Debian packages of $(1) that are missing.
install-missing = missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && $$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

.PHONY: run test test-plain test-sanitized build deps configure package check-package check-release windows \
        test-debian12 test-debian13 package-arm64 package-armhf test-arm64 reprotest clean

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

# Only the program and what it installs, optimised and hardened as Debian
# builds its packages: dpkg-buildflags with every hardening feature (the
# build adds what this dpkg does not know yet). The package is made under
# umask 022, so that its modes do not depend on the builder's.
package: deps
	@$(call install-missing,$(PACKAGING_TOOLS))
	rm -rf build-package
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all; \
	CXXFLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	LDFLAGS="$$(dpkg-buildflags --get LDFLAGS)" cmake --preset package $(CROSS_CONFIGURE)
	cmake --build --preset package -j $(JOBS)
	umask 022 && cpack --preset package
	rm -rf dist/_CPack_Packages
	@ls dist/karvel_*_$(DEB_ARCH).deb

# The package as Debian checks it: lintian, and the protections of the program.
check-package: package
	@$(call install-missing,$(PACKAGE_CHECK_TOOLS))
	lintian --fail-on error $(PACKAGE_FILE)
	rm -rf build-package/unpacked && dpkg-deb -x $(PACKAGE_FILE) build-package/unpacked
	$(HARDENING_CHECK) build-package/unpacked/usr/bin/karvel

# Each in a throwaway Debian 12 with that architecture added.
package-arm64 package-armhf: package-%:
	@$(call install-missing,$(DEBIAN_SYSTEM_TOOLS))
	tools/cross-build.sh package $*

test-arm64:
	@$(call install-missing,$(DEBIAN_SYSTEM_TOOLS))
	tools/cross-build.sh test

windows: deps
	@$(call install-missing,$(WINDOWS_TOOLS))
	JOBS=$(JOBS) windows/build.sh

check-release: check-package
	@$(call install-missing,$(RELEASE_TOOLS))
	reuse lint
	appstreamcli validate --no-net --pedantic build-package/assets/net.example.karvel.metainfo.xml
	desktop-file-validate build-package/assets/karvel.desktop

test-debian12 test-debian13: test-debian%:
	@$(call install-missing,$(DEBIAN_SYSTEM_TOOLS))
	HARDENING_CHECK="$(HARDENING_CHECK)" tools/test-debian.sh $*

reprotest: deps
	@$(call install-missing,$(PACKAGING_TOOLS) $(REPROTEST_TOOLS) $(DEBIAN_SYSTEM_TOOLS))
	tools/reprotest.sh

deps:
	@$(call install-missing,$(PACKAGES))

clean:
	rm -rf build build-sanitize build-package build-fuzz build-windows build-arm64 build-armhf dist
