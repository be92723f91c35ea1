#include "params/parameterset.h"

ParameterSet params;
