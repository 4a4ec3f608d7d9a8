#pragma once
#include <string>

// Where a table added to an existing page starts its numbers, so that its style classes
// restyle no earlier table and its pictures replace no earlier picture.
struct THtmlNumbering {
    int FirstStyle = 0;
    int FirstPicture = 1;
};

// The numbers after every style class and picture that Page names and every picture file
// "imgN.jpg" that ImagesFolder holds.
THtmlNumbering HtmlNumberingAfter(const std::string& Page, const std::string& ImagesFolder);
