#include "lentar.h"
