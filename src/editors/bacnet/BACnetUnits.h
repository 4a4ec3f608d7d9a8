#pragma once
#include <string>
#include <vector>

// The BACnet engineering units by their codes 0 to 236, and the categories the unit picker
// groups them in.

constexpr int BACnet_Last_Unit = 236;

// The unit's name; "unknown" for a code outside 0 to 236.
std::string BACnet_Unit_Name(int Code);

struct TBACnetUnitCategory {
    const char* Name;
    std::vector<int> Codes; // in list order
};

// The 23 categories, in list order; every code stands in exactly one.
const std::vector<TBACnetUnitCategory>& BACnet_Unit_Categories();
