#pragma once
#include <string>

#include "editors/ethernetip/EdsConnections.h"
#include "editors/ethernetip/EdsDocument.h"
#include "editors/ethernetip/TargetConfig.h"

// One import of a target's EDS file: the file is read and parsed once, and both the
// connections offered to the user and the configuration of the one chosen come from
// that parse.
class TEdsImport {
public:
    // A missing file imports as a file without identity and connections; an unreadable one
    // raises EFOpenError.
    explicit TEdsImport(std::string fileName);

    const TEdsConnections& Connections() const { return connections_; }
    // The target configuration that the connection names, decoded from the same parse.
    TTargetConfig TargetConfigOf(const TConnData& conn) const;

private:
    std::string fileName_;
    TEdsDocument document_;
    TEdsConnections connections_;
};
