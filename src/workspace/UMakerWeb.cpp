#include "workspace/UMakerWeb.h"

#include "workspace/UComon.h"

const std::string Maker_Web_Address = "www.quorvane.com";
const std::string Maker_Web_Host = "http://www.quorvane.com";

std::string Maker_Home_Page() { return Maker_Web_Host + "/HOME/default.asp?frompg=" + SW_Code_Const; }

std::string Maker_Download_Page(const std::string& anchor)
{
    return Maker_Web_Host + "/Home/download/download.asp#" + anchor;
}

std::string Link_Markup(const std::string& address, const std::string& text)
{
    return "<a href=\"" + address + "\">" + text + "</a>";
}
