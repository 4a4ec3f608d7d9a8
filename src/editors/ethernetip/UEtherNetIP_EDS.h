#pragma once
#include <memory>
#include <string>
#include <vector>

#include "editors/ethernetip/EdsImport.h"
#include "editors/ethernetip/OkCancelForm.h"

class TExtColumnGrid;
class TTimer;

// The chooser of the connection of an imported EDS file: each show reads EDS_FileName once
// and lists its usable connections, the first one preselected. A file without one closes
// the window as cancelled, with an error, right after it is shown.
class TFEtherNEtIP_EDS : public TOkCancelForm {
public:
    explicit TFEtherNEtIP_EDS(TComponent* owner);
    ~TFEtherNEtIP_EDS() override;

    void Set_Lang() override;
    void FormShow() override;
    void ShowDatainGrid();
    void TCloseTimer();

    // What the last show read; empty before the first.
    const std::vector<TConnData>& List_Conn() const;
    const TEdsIdentity& Identity() const;
    // The target configuration that a listed connection names, from the same read.
    TTargetConfig TargetConfigOf(const TConnData& Connection) const;

    std::string EDS_FileName;
    TExtColumnGrid* ECG;
    TTimer* TClose;

private:
    std::unique_ptr<TEdsImport> import_;
};

extern TFEtherNEtIP_EDS* FEtherNEtIP_EDS;
