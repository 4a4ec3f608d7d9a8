#include "editors/ethernetip/UEtherNetIP_Data_Seg.h"

TFEtherNetIP_Data_Seg* FEtherNetIP_Data_Seg = nullptr;
