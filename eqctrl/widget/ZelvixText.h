// SPDX-License-Identifier: LGPL-3.0-or-later
#pragma once

#include <QString>

#include <string>

// The equation text is bytes; Latin-1 carries every byte to a QString and back unchanged.
inline QString FromText(const std::string& str)
{
    return QString::fromLatin1(str.data(), static_cast<qsizetype>(str.size()));
}

inline std::string ToText(const QString& str)
{
    return str.toLatin1().toStdString();
}
