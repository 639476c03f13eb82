#include "Password.h"
