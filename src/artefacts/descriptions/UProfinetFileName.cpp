#include "artefacts/descriptions/UProfinetFileName.h"

TFProfinetFileName* FProfinetFileName = nullptr;
