#include "editors/mqtt/UMQTT_Set_Topic.h"

TFMQTT_Set_Topic* FMQTT_Set_Topic = nullptr;
