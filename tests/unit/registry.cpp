#include "registry.h"

#include "settings/registry_layout.h"

StoredValue ReadValue(HKEY root, const char* path, const char* name)
{
    StoredValue value{false, 0, {}};
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return value;
    char data[1024];
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, name, nullptr, &value.type, reinterpret_cast<BYTE*>(data), &size) ==
        ERROR_SUCCESS) {
        value.present = true;
        value.bytes.assign(data, size);
    }
    RegCloseKey(key);
    return value;
}

void WriteValue(HKEY root, const char* path, const char* name, DWORD type, const void* data, DWORD size)
{
    HKEY key;
    if (RegCreateKeyExA(root, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(key);
}

void WriteDword(HKEY root, const char* path, const char* name, DWORD value)
{
    WriteValue(root, path, name, REG_DWORD, &value, sizeof value);
}

bool KeyExists(HKEY root, const char* path)
{
    HKEY key;
    if (RegOpenKeyExA(root, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

void DeleteTree(HKEY root, const char* path)
{
    RegDeleteTreeA(root, path);
    RegDeleteKeyA(root, path);
}

long long ReadDword(HKEY root, const char* path, const char* name)
{
    StoredValue value = ReadValue(root, path, name);
    if (!value.present || value.type != REG_DWORD || value.bytes.size() != 4)
        return -1;
    DWORD number;
    memcpy(&number, value.bytes.data(), 4);
    return number;
}

void ForgetEverything()
{
    DeleteTree(HKEY_CURRENT_USER, MAKER_KEY_PATH);
    DeleteTree(HKEY_LOCAL_MACHINE, MAKER_KEY_PATH);
    DeleteTree(HKEY_LOCAL_MACHINE, UNINSTALL_ENTRY_PATH);
}
