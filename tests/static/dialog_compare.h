// A dialog template as it must be, and the comparison that names every
// field that differs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "dialog_template.h"

struct ExpectedControl {
    std::uint16_t id;
    std::uint32_t style;
    TemplateField windowClass;
    std::u16string text;
    std::int16_t x, y, cx, cy;
};

struct ExpectedDialog {
    std::u16string resourceName; // as stored: upper case
    std::uint32_t style;
    std::uint32_t exStyle;
    std::int16_t x, y, cx, cy;
    std::u16string caption;
    std::uint16_t pointSize;
    std::u16string fontName;
    std::vector<ExpectedControl> controls;
};

// One line per difference, empty when the template is as expected. A control
// is named by its row in the expected table and its id.
std::vector<std::string> CompareDialog(const DialogTemplate& actual, const ExpectedDialog& expected);

std::string Hex(std::uint32_t value);
