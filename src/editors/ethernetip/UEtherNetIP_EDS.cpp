#include "editors/ethernetip/UEtherNetIP_EDS.h"

TFEtherNEtIP_EDS* FEtherNEtIP_EDS = nullptr;
