# Two entry points that set everything up on a fresh Debian 12 machine:
#   make run   builds the program and starts it
#   make test  builds everything and runs every test, plain and then again
#              under AddressSanitizer and UndefinedBehaviorSanitizer
# Each first installs the build packages that are missing (with sudo when not root).

BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
JOBS ?= $(shell nproc)
# Warnings stop the build on CI, where nobody is there to read them.
WERROR := $(if $(CI),ON,OFF)
PACKAGES := cmake make g++ pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev \
            libxkbcommon-dev fonts-liberation2 fonts-dejavu-core xvfb xauth

.PHONY: run test test-plain test-sanitized build deps configure clean

run: build
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

deps:
	@missing=""; \
	for p in $(PACKAGES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  if [ "$$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi; \
	  $$sudo apt-get update && DEBIAN_FRONTEND=noninteractive $$sudo apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD_DIR) $(SANITIZE_DIR)
