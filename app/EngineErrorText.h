// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// What the message pane says when the engine gave up on a request: the engine's own message
// on the first line, then what it means for the user, in plain words.
std::string DescribeEngineError(const std::string& strMessage);
