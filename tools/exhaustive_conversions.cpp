// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Checks both conversions on every finite single, on every core:
//   exhaustive_conversions [STEP]
// 1. The 9-digit text of each single converts back to exactly that single.
// 2. Each single widened to double prints in the general format and reads
//    back as its value rounded to 15 significant digits.
// STEP > 1 checks every STEP-th bit pattern only, for a quick run. It
// prints how many it checked and failed, and a digest of every text that
// the second check wrote, so that two builds compare byte for byte.
#include "host/core/Conversions.h"
#include "host/core/RuntimeError.h"

#include <array>
#include <atomic>
#include <bit>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

struct Tally {
    std::uint64_t checked = 0;
    std::uint64_t failed = 0;
    // The sum of the hashes of every text written: the same, whatever the
    // order of the shares, from every build that writes the same texts.
    std::uint64_t digest = 0;
};

std::uint64_t hashed(std::string_view text)
{
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    return hash;
}

double parsed(std::string_view text)
{
    // strtod, not from_chars: the browser build's C++ library has no
    // floating-point from_chars. Nothing here sets a locale: it reads ".".
    return std::strtod(std::string(text).c_str(), nullptr);
}

// What the general format must look like: a plain or E-form number without
// trailing zeros after the separator.
bool looksGeneral(const std::string& text)
{
    const std::string mantissa = text.substr(0, text.find('E'));
    if (mantissa.find('.') != std::string::npos && (mantissa.back() == '0' || mantissa.back() == '.'))
        return false;
    return text.find_first_not_of("-0123456789.E+") == std::string::npos;
}

bool checkSingle(float single, std::uint64_t& digest)
{
    std::array<char, 32> buffer{};
    auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), single, std::chars_format::scientific, 8).ptr;
    try {
        const float back = HostRuntime::toSingle(std::string_view(buffer.data(), end - buffer.data()));
        if (std::bit_cast<std::uint32_t>(back) != std::bit_cast<std::uint32_t>(single))
            return false;
        const double widened = single;
        const std::string text = HostRuntime::doubleToText(widened);
        digest += hashed(text);
        end =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), widened, std::chars_format::scientific, 14).ptr;
        const double rounded = parsed(std::string_view(buffer.data(), end - buffer.data()));
        return looksGeneral(text) && parsed(text) == rounded;
    } catch (const HostRuntime::RuntimeError&) {
        return false;
    }
}

void checkShare(std::uint64_t first, std::uint64_t step, Tally& tally)
{
    for (std::uint64_t bits = first; bits <= 0xFFFFFFFFu; bits += step) {
        const float single = std::bit_cast<float>(static_cast<std::uint32_t>(bits));
        if (!std::isfinite(single))
            continue;
        ++tally.checked;
        if (!checkSingle(single, tally.digest) && ++tally.failed <= 10)
            std::fprintf(stderr, "fails: bit pattern 0x%08llx\n", static_cast<unsigned long long>(bits));
    }
}

} // namespace

int main(int argc, char* argv[])
{
#ifdef _WIN32
    // The same bytes as on every other system: no carriage return before a
    // line's end.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const std::uint64_t sample = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1;
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
    // Built for the browser without threads: one share.
    const unsigned cores = 1;
#else
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
#endif
    const auto start = std::chrono::steady_clock::now();
    std::vector<Tally> tallies(cores);
    const std::uint64_t step = cores * std::max<std::uint64_t>(sample, 1);
    std::vector<std::thread> workers;
    for (unsigned core = 1; core < cores; ++core)
        workers.emplace_back(checkShare, core * std::max<std::uint64_t>(sample, 1), step, std::ref(tallies[core]));
    checkShare(0, step, tallies[0]);
    for (std::thread& worker : workers)
        worker.join();
    Tally total;
    for (const Tally& tally : tallies) {
        total.checked += tally.checked;
        total.failed += tally.failed;
        total.digest += tally.digest;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // What it found on stdout, the same from every build; how long it took
    // on stderr.
    std::printf("%llu finite singles checked: %llu failed; digest of the texts %016llx\n",
                static_cast<unsigned long long>(total.checked), static_cast<unsigned long long>(total.failed),
                static_cast<unsigned long long>(total.digest));
    std::fprintf(stderr, "on %u cores in %.0f s\n", cores, seconds);
    return total.failed == 0 ? 0 : 1;
}
