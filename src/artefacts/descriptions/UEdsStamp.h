#pragma once
#include <string>

#include "platform/rtl/DateUtils.h"

// The creation and modification stamps of the EDS file. CANopen tools expect the date as
// mm-dd-yyyy and the time on a 12-hour clock, hours 01 to 12, as hh:mmAM or hh:mmPM.
std::string EDS_Date_Text(TDateTime value);
std::string EDS_Time_Text(TDateTime value);
