# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Entry points that set everything up on a fresh Debian 12 machine:
#   make run      builds the program and starts it
#   make test     builds everything and runs every test, plain and then again
#                 under AddressSanitizer and UndefinedBehaviorSanitizer
#   make package  builds the Debian package dist/karvel_*.deb
#   make windows  cross-builds for Windows, tests it under Wine and makes
#                 dist/karvel-1.00-win64.zip (KARVEL_QT_MINGW: a ready Qt)
# Each first installs the Debian packages it needs that are missing (with
# sudo when not root).

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
PACKAGE_DIR ?= build-package
JOBS ?= $(shell nproc)
# Warnings stop the build on CI, where nobody is there to read them.
WERROR := $(if $(CI),ON,OFF)
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
            libxkbcommon-dev fonts-liberation2 fonts-dejavu-core xvfb xauth
PACKAGING_TOOLS := dpkg-dev file
WINDOWS_TOOLS := g++-mingw-w64-x86-64-posix wine wine64 ninja-build zip unzip dpkg-dev

# Installs the Debian packages of $(1) that are missing.
install-missing = missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y --no-install-recommends $$missing; \
	fi

.PHONY: run test test-plain test-sanitized build deps configure package windows clean

run: configure
	cmake --build $(BUILD_DIR) -j $(JOBS) --target karvel
	./$(BUILD_DIR)/ui/karvel

test: test-plain test-sanitized

test-plain: build
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

test-sanitized: deps
	cmake -S . -B $(SANITIZE_DIR) -DCMAKE_BUILD_TYPE=Debug -DKARVEL_SANITIZE=ON -DKARVEL_WERROR=$(WERROR)
	cmake --build $(SANITIZE_DIR) -j $(JOBS)
	cd $(SANITIZE_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

configure: deps
	cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKARVEL_WERROR=$(WERROR)

# Only the program and what it installs, optimised and hardened as Debian
# builds its packages.
package: deps
	@$(call install-missing,$(PACKAGING_TOOLS))
	cmake -S . -B $(PACKAGE_DIR) -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DKARVEL_WERROR=$(WERROR) \
	      -DCMAKE_INSTALL_PREFIX=/usr "-DCMAKE_CXX_FLAGS=-D_FORTIFY_SOURCE=2 -fstack-protector-strong" \
	      "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro,-z,now"
	cmake --build $(PACKAGE_DIR) -j $(JOBS)
	cd $(PACKAGE_DIR) && cpack -G DEB -B $(CURDIR)/dist
	@ls dist/*.deb

windows: deps
	@$(call install-missing,$(WINDOWS_TOOLS))
	JOBS=$(JOBS) windows/build.sh

deps:
	@$(call install-missing,$(PACKAGES))

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR) $(PACKAGE_DIR) build-windows dist
