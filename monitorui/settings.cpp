#include "monitorui/settings.h"
