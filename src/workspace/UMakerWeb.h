#pragma once
#include <string>

// The maker's web site, which the links of the main window, the About box and the
// Software Options window open.

extern const std::string Maker_Web_Address;  // as shown to the user
extern const std::string Maker_Web_Host;    // scheme and host, no trailing "/"

// The home page, telling the site which configurator the visitor comes from.
std::string Maker_Home_Page();

// The download page, opened at the anchor of one product ("GW30605").
std::string Maker_Download_Page(const std::string& anchor);

// A link of the link labels: an "a" element with that address around the text.
std::string Link_Markup(const std::string& address, const std::string& text);
