#include "grid/foundation/markup/HtmlControlTags.h"

#include <algorithm>
#include <vector>

#include "grid/foundation/markup/HtmlEntities.h"
#include "grid/foundation/markup/HtmlTagAttributes.h"
#include "platform/rtl/SysUtils.h"

namespace {
const std::string kControlStart = "<CONTROL ";

// One control of a text: where its attributes begin (after "<CONTROL") and end (at its
// ">", or the end of the text).
struct TControlAt {
    size_t attributes = 0;
    size_t end = 0;
    THtmlControlTag tag;
};

std::vector<TControlAt> FindControls(const std::string& text)
{
    const std::string upper = UpperCase(text);
    std::vector<TControlAt> controls;
    for (size_t at = upper.find(kControlStart); at != std::string::npos;
         at = upper.find(kControlStart, at + 1)) {
        TControlAt control;
        control.attributes = at + kControlStart.size() - 1;
        control.end = std::min(text.find('>', control.attributes), text.size());
        control.tag = ParseControlTag(text.substr(control.attributes, control.end - control.attributes));
        controls.push_back(control);
    }
    return controls;
}

const THtmlControlTag* FindControl(const std::vector<TControlAt>& controls, const std::string& id)
{
    for (const TControlAt& control : controls)
        if (control.tag.ID == id) return &control.tag;
    return nullptr;
}

bool IsEditable(const THtmlControlTag& tag)
{
    return tag.Type != "BUTTON" && tag.Type != "CHECK" && tag.Type != "RADIO";
}
} // namespace

THtmlControlTag ParseControlTag(const std::string& tag)
{
    THtmlControlTag control;
    control.Type = UpperCase(TagAttribute(tag, "TYPE"));
    control.ID = TagAttribute(tag, "ID");
    control.Value = HtmlDecodeEntities(TagAttribute(tag, "VALUE"), true);
    control.Width = TagAttribute(tag, "WIDTH");
    control.Height = TagAttribute(tag, "HEIGHT");
    control.Prop = HtmlDecodeEntities(TagAttribute(tag, "PROP"), true);
    control.MaxLen = TagAttribute(tag, "MAXLEN");
    return control;
}

bool HasControlTag(const std::string& text) { return UpperCase(text).find("<CONTROL") != std::string::npos; }

std::string GetNextEditableControl(const std::string& text, const std::string& id)
{
    bool passed = id.empty();
    for (const TControlAt& control : FindControls(text)) {
        if (passed && IsEditable(control.tag)) return control.tag.ID;
        if (control.tag.ID == id) passed = true;
    }
    return {};
}

bool FindControlValue(const std::string& text, const std::string& id, std::string& value)
{
    const auto controls = FindControls(text);
    const THtmlControlTag* control = FindControl(controls, id);
    if (control) value = control->Value;
    return control != nullptr;
}

std::string GetControlProp(const std::string& text, const std::string& id)
{
    const auto controls = FindControls(text);
    const THtmlControlTag* control = FindControl(controls, id);
    return control ? control->Prop : std::string();
}

int GetControlMaxLen(const std::string& text, const std::string& id)
{
    const auto controls = FindControls(text);
    const THtmlControlTag* control = FindControl(controls, id);
    return control ? ReadLeadingInteger(control->MaxLen) : 0;
}

bool SetControlValue(std::string& text, const std::string& id, const std::string& value)
{
    for (const TControlAt& control : FindControls(text)) {
        if (control.tag.ID != id) continue;
        std::string tag = text.substr(control.attributes, control.end - control.attributes);
        const std::string attribute = "VALUE=\"" + HtmlEncodeEntities(value, true) + "\"";
        size_t begin = 0;
        size_t end = 0;
        if (FindTagAttributeSpan(tag, "VALUE", begin, end))
            tag.replace(begin, end - begin, attribute);
        else
            tag += " " + attribute;
        text.replace(control.attributes, control.end - control.attributes, tag);
        return true;
    }
    return false;
}

std::string ClearRadioControls(const std::string& text)
{
    std::string result = text;
    for (const TControlAt& control : FindControls(text))
        if (control.tag.Type == "RADIO") SetControlValue(result, control.tag.ID, "FALSE");
    return result;
}
