// The classic dialog template (DLGTEMPLATE with DLGITEMTEMPLATE items) as the
// resource compiler stores it; the extended form is refused.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "byte_reader.h"

// A field that is absent, an ordinal, or a text.
struct TemplateField {
    enum Kind { None, Ordinal, Text } kind = None;
    std::uint16_t ordinal = 0;
    std::u16string text;
};

bool operator==(const TemplateField& a, const TemplateField& b);
std::string Describe(const TemplateField& field);
TemplateField NoField();
TemplateField OrdinalField(std::uint16_t ordinal);
TemplateField TextField(const std::u16string& text);

struct DialogControl {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    std::uint16_t id = 0;
    TemplateField windowClass;
    TemplateField text;
    std::uint16_t creationDataSize = 0;
};

struct DialogTemplate {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::int16_t x = 0, y = 0, cx = 0, cy = 0;
    TemplateField menu;
    TemplateField windowClass;
    std::u16string caption;
    bool hasFont = false; // DS_SETFONT
    std::uint16_t pointSize = 0;
    std::u16string fontName;
    std::vector<DialogControl> controls;
};

bool ParseDialogTemplate(const Bytes& data, DialogTemplate& dialog, std::string& error);
