#include "monitorui/flows.h"
