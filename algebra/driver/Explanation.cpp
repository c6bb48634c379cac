// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver/Explanation.h"

std::string g_strIndent;
int g_nQuietNarratives = 0;
