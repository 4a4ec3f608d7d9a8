#include "grid/services/HtmlMarkup.h"

#include "grid/foundation/markup/HtmlEntities.h"
#include "platform/rtl/SysUtils.h"

std::string THtmlMarkup::Name(const std::string& Capitals) const { return FXHTML ? LowerCase(Capitals) : Capitals; }

std::string THtmlMarkup::BareAttribute(const std::string& Name, int Value) const
{
    const std::string value = std::to_string(Value);
    return FXHTML ? LowerCase(Name) + "\"" + value + "\"" : Name + value;
}

std::string THtmlMarkup::NoWrap() const { return FXHTML ? " nowrap=\"nowrap\"" : " nowrap"; }

std::string THtmlMarkup::LineBreak() const { return FXHTML ? "<br />" : "<br>"; }

std::string THtmlMarkup::NonBreakingSpace() const { return FXHTML ? "&#160;" : "&nbsp;"; }

std::string THtmlMarkup::Image(const std::string& Source) const
{
    return "<img src= \"" + PlainText(Source) + (FXHTML ? "\" />" : "\">");
}

std::string THtmlMarkup::PlainText(const std::string& Text) const
{
    return FXHTML ? HtmlEncodeEntities(Text, false) : Text;
}
