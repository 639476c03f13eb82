#include "MbText.h"
