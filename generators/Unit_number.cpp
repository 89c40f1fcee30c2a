#include "generators/Unit_number.h"
