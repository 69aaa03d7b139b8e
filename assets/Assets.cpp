// SPDX-FileCopyrightText: 2026 The KARVEL developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The library's content is its compiled-in resources; this unit gives it a
// home for the paths that name them.
#include "assets/Assets.h"
