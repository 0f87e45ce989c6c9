#include "dialog_template.h"

#include <cstdio>

#include "printable.h"

bool operator==(const TemplateField& a, const TemplateField& b)
{
    if (a.kind != b.kind)
        return false;
    if (a.kind == TemplateField::Ordinal)
        return a.ordinal == b.ordinal;
    return a.kind == TemplateField::None || a.text == b.text;
}

std::string Describe(const TemplateField& field)
{
    switch (field.kind) {
    case TemplateField::None:
        return "none";
    case TemplateField::Ordinal: {
        char text[16];
        std::snprintf(text, sizeof text, "ordinal 0x%04X", static_cast<unsigned>(field.ordinal));
        return text;
    }
    default:
        return "\"" + Printable(field.text) + "\"";
    }
}

TemplateField NoField()
{
    return TemplateField();
}

TemplateField OrdinalField(std::uint16_t ordinal)
{
    TemplateField f;
    f.kind = TemplateField::Ordinal;
    f.ordinal = ordinal;
    return f;
}

TemplateField TextField(const std::u16string& text)
{
    TemplateField f;
    f.kind = TemplateField::Text;
    f.text = text;
    return f;
}

const std::uint32_t DsSetFont = 0x40;

static bool ReadText(const Bytes& data, std::size_t& at, std::u16string& text)
{
    text.clear();
    for (;;) {
        if (!InRange(data, at, 2))
            return false;
        char16_t c = static_cast<char16_t>(ReadU16(data, at));
        at += 2;
        if (c == 0)
            return true;
        text += c;
    }
}

static bool ReadField(const Bytes& data, std::size_t& at, TemplateField& field)
{
    if (!InRange(data, at, 2))
        return false;
    std::uint16_t first = ReadU16(data, at);
    if (first == 0x0000) {
        field = NoField();
        at += 2;
        return true;
    }
    if (first == 0xFFFF) {
        if (!InRange(data, at + 2, 2))
            return false;
        field = OrdinalField(ReadU16(data, at + 2));
        at += 4;
        return true;
    }
    field.kind = TemplateField::Text;
    return ReadText(data, at, field.text);
}

bool ParseDialogTemplate(const Bytes& data, DialogTemplate& dialog, std::string& error)
{
    dialog = DialogTemplate();
    if (!InRange(data, 0, 18)) {
        error = "dialog template shorter than its header";
        return false;
    }
    if (ReadU16(data, 0) == 1 && ReadU16(data, 2) == 0xFFFF) {
        error = "extended dialog template (DLGTEMPLATEEX), not the classic form";
        return false;
    }
    dialog.style = ReadU32(data, 0);
    dialog.exStyle = ReadU32(data, 4);
    std::uint16_t count = ReadU16(data, 8);
    dialog.x = static_cast<std::int16_t>(ReadU16(data, 10));
    dialog.y = static_cast<std::int16_t>(ReadU16(data, 12));
    dialog.cx = static_cast<std::int16_t>(ReadU16(data, 14));
    dialog.cy = static_cast<std::int16_t>(ReadU16(data, 16));
    std::size_t at = 18;
    if (!ReadField(data, at, dialog.menu) || !ReadField(data, at, dialog.windowClass) ||
        !ReadText(data, at, dialog.caption)) {
        error = "dialog header truncated";
        return false;
    }
    if (dialog.style & DsSetFont) {
        dialog.hasFont = true;
        if (!InRange(data, at, 2)) {
            error = "dialog font truncated";
            return false;
        }
        dialog.pointSize = ReadU16(data, at);
        at += 2;
        if (!ReadText(data, at, dialog.fontName)) {
            error = "dialog font name truncated";
            return false;
        }
    }
    for (std::uint16_t i = 0; i < count; i++) {
        at = (at + 3) & ~static_cast<std::size_t>(3); // each item on a DWORD boundary
        DialogControl c;
        if (!InRange(data, at, 18)) {
            error = "control " + std::to_string(i + 1) + " of " + std::to_string(count) + " truncated";
            return false;
        }
        c.style = ReadU32(data, at);
        c.exStyle = ReadU32(data, at + 4);
        c.x = static_cast<std::int16_t>(ReadU16(data, at + 8));
        c.y = static_cast<std::int16_t>(ReadU16(data, at + 10));
        c.cx = static_cast<std::int16_t>(ReadU16(data, at + 12));
        c.cy = static_cast<std::int16_t>(ReadU16(data, at + 14));
        c.id = ReadU16(data, at + 16);
        at += 18;
        if (!ReadField(data, at, c.windowClass) || !ReadField(data, at, c.text) || !InRange(data, at, 2)) {
            error = "control " + std::to_string(i + 1) + " of " + std::to_string(count) + " truncated";
            return false;
        }
        c.creationDataSize = ReadU16(data, at);
        at += 2 + c.creationDataSize;
        dialog.controls.push_back(c);
    }
    return true;
}
