// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QtGlobal>

// Symbols of the Zelvix library that hosts may use; everything else stays inside it.
#if defined(ZELVIX_LIBRARY)
#define ZELVIX_EXPORT Q_DECL_EXPORT
#else
#define ZELVIX_EXPORT Q_DECL_IMPORT
#endif
