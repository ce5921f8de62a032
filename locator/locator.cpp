#include "locator/locator.h"
