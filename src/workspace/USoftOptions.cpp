#include "workspace/USoftOptions.h"

TFSoftOptions* FSoftOptions = nullptr;
