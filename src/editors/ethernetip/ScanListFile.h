#pragma once
#include <array>
#include <memory>
#include <string>

#include "editors/ethernetip/ScanListColumns.h"
#include "editors/ethernetip/TargetConfig.h"

class TExtColumnGrid;
class TXMLNode;

// The target configuration of each scan list row (entry r - 1 belongs to row r); empty
// where the row has none.
using TTargetConfigs = std::array<std::unique_ptr<TTargetConfig>, Scan_List_Targets>;

// EtherNetIP_Master_Rules.xml: the root EtherNetIP_Master_Access, the version comment, and
// per row a `row` element with the raw texts of columns 1 to 18 and, for a row with a
// target configuration, its TargetCong element. The image builder reads the same file.

// Fills the grid (already cleared) and the configurations from the file. A missing
// attribute reads as its column's default. Rows after the tenth are not read: the
// returned message says so (otherwise "").
std::string Load_Scan_List(const std::string& Path, TExtColumnGrid& Grid, TTargetConfigs& Configs);

// Writes the rows 1 .. Rows with their configurations, replacing the file.
void Save_Scan_List(const std::string& Path, const TExtColumnGrid& Grid, const TTargetConfigs& Configs,
                    int Rows);

// The row attribute that stores a column (1 to 18).
const char* Scan_List_Attribute(int Col);

// A TargetCong element and back.
void Write_Target_Config(const TTargetConfig& Config, TXMLNode Row);
TTargetConfig Read_Target_Config(const TXMLNode& TargetCong);
