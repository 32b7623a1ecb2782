#include "link/Reporter.h"
