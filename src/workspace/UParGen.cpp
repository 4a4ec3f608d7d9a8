#include "workspace/UParGen.h"

TFParGen* FParGen = nullptr;
