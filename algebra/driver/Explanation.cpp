#include "driver/Explanation.h"

std::string g_strIndent;
