#include "registry.h"

#include "settings/registry_layout.h"

StoredValue ReadValue(HKEY root, const char* path, const char* name)
{
    testreg::Value value = testreg::ReadValue(root, path, name);
    return StoredValue{value.present, value.type, std::string(value.data.begin(), value.data.end())};
}

long long ReadDword(HKEY root, const char* path, const char* name)
{
    testreg::Value value = testreg::ReadValue(root, path, name);
    if (!value.present || value.type != REG_DWORD || value.data.size() != 4)
        return -1;
    return value.Dword();
}

void ForgetEverything()
{
    testreg::DeleteProductKeys(MAKER_KEY_PATH, UNINSTALL_ENTRY_PATH);
}
