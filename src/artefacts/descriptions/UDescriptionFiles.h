#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/xml/XMLDoc.h"

// What the description-file generators share: asking where and whether to write, and
// reading single values of the communication parameters.

// Runs a save dialog in the project folder with that filter, proposed name and default
// extension; the chosen path, or nothing when the user cancelled.
std::optional<std::string> Ask_Save_Path(const std::string& filter, const std::string& fileName = "",
                                         const std::string& defaultExt = "");

// True when the path is free, or the user answered Yes to the overwrite question (a text
// of the text table) about it.
bool May_Replace_File(const std::string& path, int questionText);

// The text of the named element under the root; fallback when the element is missing.
std::string Element_Text(const TXMLNode& root, const std::string& name, const std::string& fallback = "");

// Calls rowAction for each element below the named section of the root, in document order.
void For_Each_Row(const TXMLNode& root, const std::string& section,
                  const std::function<void(const TXMLNode&)>& rowAction);

// The maker's postal and mail details, as the description files print them.
struct TMaker_Contact {
    std::string Organisation;
    std::string Street;
    std::string Postal_Town; // postal code and town
    std::string Province;
    std::string Country;
    std::string Phone;
    std::string Fax;
    std::string Mail;
};
extern const TMaker_Contact Maker_Contact;
