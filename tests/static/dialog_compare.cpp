#include "dialog_compare.h"

#include <cstdio>

#include "printable.h"

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

static std::string Quoted(const std::u16string& text)
{
    return "\"" + Printable(text) + "\"";
}

static void Differ(std::vector<std::string>& out, const std::string& where, const std::string& field,
                   const std::string& expected, const std::string& found)
{
    out.push_back(where + ": " + field + " " + expected + " expected, " + found + " found");
}

template <typename T>
static void Number(std::vector<std::string>& out, const std::string& where, const std::string& field, T expected,
                   T found)
{
    if (expected != found)
        Differ(out, where, field, std::to_string(expected), std::to_string(found));
}

static void Style(std::vector<std::string>& out, const std::string& where, const std::string& field,
                  std::uint32_t expected, std::uint32_t found)
{
    if (expected != found)
        Differ(out, where, field, Hex(expected), Hex(found));
}

static void Geometry(std::vector<std::string>& out, const std::string& where, std::int16_t x, std::int16_t y,
                     std::int16_t cx, std::int16_t cy, std::int16_t ax, std::int16_t ay, std::int16_t acx,
                     std::int16_t acy)
{
    if (x != ax || y != ay || cx != acx || cy != acy) {
        auto text = [](int a, int b, int c, int d) {
            return "(" + std::to_string(a) + ", " + std::to_string(b) + ") " + std::to_string(c) + " x " +
                   std::to_string(d);
        };
        Differ(out, where, "position and size", text(x, y, cx, cy), text(ax, ay, acx, acy));
    }
}

std::vector<std::string> CompareDialog(const DialogTemplate& actual, const ExpectedDialog& expected)
{
    std::vector<std::string> out;
    const std::string dialog = Printable(expected.resourceName);
    Style(out, dialog, "style", expected.style, actual.style);
    Style(out, dialog, "extended style", expected.exStyle, actual.exStyle);
    Geometry(out, dialog, expected.x, expected.y, expected.cx, expected.cy, actual.x, actual.y, actual.cx, actual.cy);
    if (!(actual.menu == NoField()))
        Differ(out, dialog, "menu", "none", Describe(actual.menu));
    if (!(actual.windowClass == NoField()))
        Differ(out, dialog, "class", "none (the dialog class)", Describe(actual.windowClass));
    if (actual.caption != expected.caption)
        Differ(out, dialog, "caption", Quoted(expected.caption), Quoted(actual.caption));
    if (!actual.hasFont) {
        out.push_back(dialog + ": no font (DS_SETFONT clear)");
    } else {
        Number(out, dialog, "font size", expected.pointSize, actual.pointSize);
        if (actual.fontName != expected.fontName)
            Differ(out, dialog, "font", Quoted(expected.fontName), Quoted(actual.fontName));
    }
    if (actual.controls.size() != expected.controls.size())
        Differ(out,
               dialog,
               "control count",
               std::to_string(expected.controls.size()),
               std::to_string(actual.controls.size()));

    for (std::size_t i = 0; i < expected.controls.size() && i < actual.controls.size(); i++) {
        const ExpectedControl& e = expected.controls[i];
        const DialogControl& a = actual.controls[i];
        const std::string where = dialog + " control " + std::to_string(i + 1) + " (id " + std::to_string(e.id) + ")";
        Number(out, where, "id", e.id, a.id);
        Style(out, where, "style", e.style, a.style);
        Style(out, where, "extended style", 0, a.exStyle);
        Geometry(out, where, e.x, e.y, e.cx, e.cy, a.x, a.y, a.cx, a.cy);
        if (!(a.windowClass == e.windowClass))
            Differ(out, where, "class", Describe(e.windowClass), Describe(a.windowClass));
        if (!(a.text == TextField(e.text)))
            Differ(out, where, "text", Quoted(e.text), Describe(a.text));
        Number<unsigned>(out, where, "creation data size", 0u, a.creationDataSize);
    }
    for (std::size_t i = expected.controls.size(); i < actual.controls.size(); i++)
        out.push_back(dialog + " control " + std::to_string(i + 1) + " (id " + std::to_string(actual.controls[i].id) +
                      "): not expected");
    for (std::size_t i = actual.controls.size(); i < expected.controls.size(); i++)
        out.push_back(dialog + " control " + std::to_string(i + 1) + " (id " + std::to_string(expected.controls[i].id) +
                      "): missing");
    return out;
}
