#include "moonleaf/com/registration.h"

#include <string>
#include <vector>

#include "common/win32/unique_handle.h"
#include "moonleaf/com/module.h"
#include "moonleaf/com/moonleaf_ids.h"

namespace moonleaf_com {

namespace {

// OLEMISC_RECOMPOSEONRESIZE | CANTLINKINSIDE | INSIDEOUT | ACTIVATEWHENVISIBLE | SETCLIENTSITEFIRST
constexpr const wchar_t* kMiscStatus = L"131473";
// The standard marshaler of automation interfaces (what RegisterTypeLib would name).
constexpr const wchar_t* kAutomationProxy = L"{00020424-0000-0000-C000-000000000046}";
#ifdef _WIN64
constexpr const wchar_t* kTypeLibPlatform = L"win64";
#else
constexpr const wchar_t* kTypeLibPlatform = L"win32";
#endif

std::wstring braced(const GUID& guid) {
    wchar_t text[40] = {};
    ::StringFromGUID2(guid, text, 40);
    return text;
}

std::wstring widen(const char* ascii) {
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

struct Entry {
    std::wstring key;     // below the classes root
    const wchar_t* name;  // nullptr for the default value
    std::wstring value;
};

std::vector<Entry> entries() {
    const std::wstring clsid = L"CLSID\\" + braced(moonleaf_ids::kClsid);
    const std::wstring libid = braced(moonleaf_ids::kLibid);
    const std::wstring progid = widen(MOONLEAF_PROGID);
    const std::wstring progid_current = widen(MOONLEAF_PROGID_CURRENT);
    const std::wstring typelib_version = L"TypeLib\\" + libid + L"\\1.0";
    const std::wstring path = module_path();
    std::wstring folder = path.substr(0, path.find_last_of(L'\\') + 1);

    std::vector<Entry> list = {
        {clsid, nullptr, L"Moonleaf"},
        {clsid + L"\\InprocServer32", nullptr, path},
        {clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment"},
        {clsid + L"\\ProgID", nullptr, progid_current},
        {clsid + L"\\VersionIndependentProgID", nullptr, progid},
        {clsid + L"\\Control", nullptr, L""},
        {clsid + L"\\MiscStatus", nullptr, kMiscStatus},
        {clsid + L"\\MiscStatus\\1", nullptr, kMiscStatus},
        {clsid + L"\\TypeLib", nullptr, libid},
        {clsid + L"\\Version", nullptr, L"1.0"},
        {progid, nullptr, L"Moonleaf"},
        {progid + L"\\CLSID", nullptr, braced(moonleaf_ids::kClsid)},
        {progid + L"\\CurVer", nullptr, progid_current},
        {progid_current, nullptr, L"Moonleaf"},
        {progid_current + L"\\CLSID", nullptr, braced(moonleaf_ids::kClsid)},
        {typelib_version, nullptr, L"Moonleaf2"},
        {typelib_version + L"\\FLAGS", nullptr, L"2"},  // LIBFLAG_FCONTROL
        {typelib_version + L"\\HELPDIR", nullptr, folder},
        {typelib_version + L"\\0\\" + kTypeLibPlatform, nullptr, path},
    };
    // The interfaces the type library describes, so that they can be marshalled.
    const std::pair<GUID, const wchar_t*> interfaces[] = {
        {moonleaf_ids::kIid, L"_Moonleaf"}, {moonleaf_ids::kEventsIid, L"__Moonleaf"}};
    for (const auto& [iid, name] : interfaces) {
        const std::wstring key = L"Interface\\" + braced(iid);
        list.push_back({key, nullptr, name});
        list.push_back({key + L"\\ProxyStubClsid32", nullptr, kAutomationProxy});
        list.push_back({key + L"\\TypeLib", nullptr, libid});
        list.push_back({key + L"\\TypeLib", L"Version", L"1.0"});
    }
    return list;
}

// The keys removed on unregistration, each with everything below it.
std::vector<std::wstring> owned_keys() {
    return {L"CLSID\\" + braced(moonleaf_ids::kClsid),
            widen(MOONLEAF_PROGID),
            widen(MOONLEAF_PROGID_CURRENT),
            L"TypeLib\\" + braced(moonleaf_ids::kLibid),
            L"Interface\\" + braced(moonleaf_ids::kIid),
            L"Interface\\" + braced(moonleaf_ids::kEventsIid)};
}

HRESULT open_classes_root(RegistrationScope scope, common::win32::UniqueHkey& root) {
    const HKEY hive = scope == RegistrationScope::machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    const LONG status = ::RegCreateKeyExW(hive, L"Software\\Classes", 0, nullptr, 0, KEY_ALL_ACCESS,
                                          nullptr, root.put(), nullptr);
    return HRESULT_FROM_WIN32(status);
}

HRESULT write_entry(HKEY root, const Entry& entry) {
    common::win32::UniqueHkey key;
    LONG status = ::RegCreateKeyExW(root, entry.key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                    key.put(), nullptr);
    if (status != ERROR_SUCCESS) return HRESULT_FROM_WIN32(status);
    const auto bytes = static_cast<DWORD>((entry.value.size() + 1) * sizeof(wchar_t));
    status = ::RegSetValueExW(key.get(), entry.name, 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(entry.value.c_str()), bytes);
    return HRESULT_FROM_WIN32(status);
}

HRESULT remove_keys(HKEY root) {
    HRESULT result = S_OK;
    for (const std::wstring& key : owned_keys()) {
        const LONG status = ::RegDeleteTreeW(root, key.c_str());
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND && SUCCEEDED(result))
            result = HRESULT_FROM_WIN32(status);
    }
    return result;
}

}  // namespace

HRESULT register_server(RegistrationScope scope) {
    common::win32::UniqueHkey root;
    HRESULT hr = open_classes_root(scope, root);
    if (FAILED(hr)) return hr;  // without administrator rights: E_ACCESSDENIED
    for (const Entry& entry : entries()) {
        hr = write_entry(root.get(), entry);
        if (FAILED(hr)) {
            // Half a registration is worse than none.
            remove_keys(root.get());
            return hr;
        }
    }
    return S_OK;
}

HRESULT unregister_server(RegistrationScope scope) {
    common::win32::UniqueHkey root;
    const HRESULT hr = open_classes_root(scope, root);
    if (FAILED(hr)) return hr;
    return remove_keys(root.get());
}

}  // namespace moonleaf_com
