#include "editors/mqtt/UTopicTemplate.h"

TFTopicTemplate* FTopicTemplate = nullptr;
