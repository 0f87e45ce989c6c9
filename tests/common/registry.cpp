#include "common/registry.h"

#include <algorithm>
#include <cstring>

namespace testreg {

DWORD Value::Dword() const
{
    DWORD v = 0;
    std::copy_n(data.begin(), std::min<size_t>(4, data.size()), reinterpret_cast<BYTE*>(&v));
    return v;
}

std::string Value::String() const
{
    std::string s(data.begin(), data.end());
    return s.substr(0, s.find('\0'));
}

Value ReadValue(HKEY root, const char* key, const char* name, REGSAM view)
{
    Value v;
    HKEY h;
    // Wine's RegOpenKeyExA drops the view flags on a predefined root; the
    // wide call honours them (the key names here are ASCII).
    std::wstring wideKey(key, key + strlen(key));
    if (RegOpenKeyExW(root, wideKey.c_str(), 0, KEY_READ | view, &h) != ERROR_SUCCESS)
        return v;
    DWORD size = 0;
    if (RegQueryValueExA(h, name, nullptr, &v.type, nullptr, &size) == ERROR_SUCCESS) {
        v.data.resize(size);
        if (RegQueryValueExA(h, name, nullptr, &v.type, v.data.data(), &size) == ERROR_SUCCESS) {
            v.data.resize(size);
            v.present = true;
        }
    }
    RegCloseKey(h);
    if (!v.present)
        v = Value{};
    return v;
}

bool KeyExists(HKEY root, const char* key)
{
    HKEY h;
    if (RegOpenKeyExA(root, key, 0, KEY_READ, &h) != ERROR_SUCCESS)
        return false;
    RegCloseKey(h);
    return true;
}

void WriteValue(HKEY root, const char* key, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY h;
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(h, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(h);
}

void WriteString(HKEY root, const char* key, const char* name, const std::string& text)
{
    WriteValue(root, key, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void WriteDword(HKEY root, const char* key, const char* name, DWORD value)
{
    WriteValue(root, key, name, REG_DWORD, &value, sizeof value);
}

void DeleteKey(HKEY root, const char* key)
{
    RegDeleteTreeA(root, key);
    RegDeleteKeyA(root, key);
}

void DeleteProductKeys(const char* makerKey, const char* uninstallEntry)
{
    DeleteKey(HKEY_CURRENT_USER, makerKey);
    DeleteKey(HKEY_LOCAL_MACHINE, makerKey);
    DeleteKey(HKEY_LOCAL_MACHINE, uninstallEntry);
}

} // namespace testreg
