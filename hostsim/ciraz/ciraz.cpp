#include "ciraz.h"
