#include "Urls.h"
