#include "editors/ethernetip/EdsImport.h"

TEdsImport::TEdsImport(std::string fileName)
    : fileName_(std::move(fileName)), document_(TEdsDocument::LoadFromFile(fileName_)),
      connections_(ReadEdsConnections(document_))
{
}

TTargetConfig TEdsImport::TargetConfigOf(const TConnData& conn) const
{
    TTargetConfig config;
    config.FileName = fileName_;
    config.Size = conn.TargetConfSize;
    config.Format = conn.TargetConfFormat;
    config.DecodeTargetConf(document_);
    return config;
}
