#include "TimeUtil.h"
