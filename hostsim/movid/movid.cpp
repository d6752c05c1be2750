#include "movid.h"
