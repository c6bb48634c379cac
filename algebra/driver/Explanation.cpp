#include "driver/Explanation.h"

std::string g_strIndent;
int g_nQuietNarratives = 0;
