#pragma once
#include <string>

#include "editors/ethernetip/EdsDocument.h"

// An EDS document from inline text, one line per "\n".
inline TEdsDocument EdsFromText(const std::string& text) { return TEdsDocument::FromText(text); }
