#include "locator/dms_text.h"
