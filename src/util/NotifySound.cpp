#include "NotifySound.h"
