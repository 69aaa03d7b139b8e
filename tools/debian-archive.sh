# SPDX-FileCopyrightText: 2026 The KARVEL developers
# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
#
# Where the throwaway Debian systems take their packages from: the archive
# and the proxy of this machine's own apt, never a fixed address. Sourced.

# The first archive of the apt sources that serves a release's own suite
# (not -updates or -security), or KARVEL_DEBIAN_ARCHIVE.
debian_archive() {
    if [ -n "${KARVEL_DEBIAN_ARCHIVE:-}" ]; then
        echo "$KARVEL_DEBIAN_ARCHIVE"
        return
    fi
    local archive
    # shellcheck disable=SC2016 # apt's own $(...) fields
    archive=$(apt-get indextargets --format '$(TARGET_OF) $(RELEASE) $(REPO_URI)' 'Created-By: Packages' \
              | awk '$1 == "deb" && $2 !~ /-/ { print $3; exit }')
    if [ -z "$archive" ]; then
        echo "no Debian archive in this machine's apt sources: set KARVEL_DEBIAN_ARCHIVE to one" >&2
        return 1
    fi
    echo "${archive%/}"
}

# The proxy that apt is set up with, if any.
debian_proxy() {
    local http_proxy=""
    eval "$(apt-config shell http_proxy Acquire::http::Proxy)"
    echo "$http_proxy"
}
