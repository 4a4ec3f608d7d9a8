#include "editors/snmp/USNMP_Trap_Access.h"

TFSNMP_Trap_Access* FSNMP_Trap_Access = nullptr;
