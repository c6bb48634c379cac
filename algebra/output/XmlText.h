// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Text made safe to stand in an XML document: markup characters escaped, bytes that are not
// UTF-8 and characters XML forbids (most control characters) replaced by U+FFFD.
std::string XmlEscape(const std::string& strText);

// The same for UTF-8 alone, for formats that are not XML.
std::string ValidUtf8(const std::string& strText);
