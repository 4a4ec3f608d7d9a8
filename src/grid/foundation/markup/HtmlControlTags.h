#pragma once
#include <string>

// The inline controls of a markup text, written <CONTROL TYPE=".." ID=".." VALUE=".."
// WIDTH="w" HEIGHT="h" PROP=".." MAXLEN="n">. IDs are compared exactly; types upper-cased.

struct THtmlControlTag {
    std::string Type; // upper-cased
    std::string ID;
    std::string Value; // entities decoded
    std::string Width;
    std::string Height;
    std::string Prop; // entities decoded
    std::string MaxLen;
};

// The attributes of the tag text that follows "<CONTROL"; a missing attribute is empty.
THtmlControlTag ParseControlTag(const std::string& tag);

bool HasControlTag(const std::string& text);

// The ID of the first editable control (not a button, check box or radio button) after the
// control `id`, or of the first one when `id` is empty; "" when there is none.
std::string GetNextEditableControl(const std::string& text, const std::string& id);

bool FindControlValue(const std::string& text, const std::string& id, std::string& value);
std::string GetControlProp(const std::string& text, const std::string& id);
int GetControlMaxLen(const std::string& text, const std::string& id); // 0 without one

// Writes the new value into the first control `id`, keeping its other attributes and the
// text around it; false, leaving the text alone, when there is no such control.
bool SetControlValue(std::string& text, const std::string& id, const std::string& value);

// The text with the value of every radio control set to "FALSE".
std::string ClearRadioControls(const std::string& text);
