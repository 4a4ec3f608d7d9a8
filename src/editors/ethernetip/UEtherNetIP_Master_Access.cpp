#include "editors/ethernetip/UEtherNetIP_Master_Access.h"

TFEtherNetIP_Master_Access* FEtherNetIP_Master_Access = nullptr;
