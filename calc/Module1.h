// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's standard module: the one program-wide variable.
namespace Module1 {

// The operating frequency in MHz, as last converted from the input field.
// Held in single precision on purpose: the results are computed from the
// input rounded to the nearest single.
inline float Frequency = 0.0f;

} // namespace Module1
