#pragma once
#include <string>

#include "platform/ui/Graphics.h"

// The look of the header and summary rows that grouping inserts; every value is plain.
struct TGroupingValues {
    bool AutoSelectGroup = false;
    bool AutoCheckGroup = false;
    // Takes the group's row count as its one integer argument; empty: " (n)".
    std::string GroupCountFormat;
    TColor HeaderColor = clNone;
    TColor HeaderColorTo = clNone;
    TColor HeaderTextColor = clNone;
    bool HeaderUnderline = false;
    TColor HeaderLineColor = clBlue;
    int HeaderLineWidth = 2;
    bool MergeHeader = false;
    bool MergeSummary = false;
    bool ShowGroupCount = false;
    bool Summary = false;
    TColor SummaryColor = clNone;
    TColor SummaryColorTo = clNone;
    TColor SummaryTextColor = clNone;
    bool SummaryLine = false;
    TColor SummaryLineColor = clBlue;
    int SummaryLineWidth = 2;
};

class TGrouping : public TPersistent, public TGroupingValues {
public:
    void Assign(const TPersistent& Source) override;
};
