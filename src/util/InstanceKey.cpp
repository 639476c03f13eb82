#include "InstanceKey.h"
