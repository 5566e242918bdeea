// Self-registration of the automation server: DllRegisterServer and DllUnregisterServer.
//
// Registration writes the type library, the class and ProgID keys (under HKEY_CLASSES_ROOT)
// and marks the class safe for scripting and for initialisation.  Unregistration removes
// this build's part of the type library registration and, so that an uninstall leaves
// nothing behind, the class key with the category marks below it, and the ProgID once no
// build of the class is registered in either registry view (the 32-bit and the 64-bit build
// may be registered side by side).  The two category descriptions stay: they
// are the platform's own categories, which other classes are registered under too.
#include <comcat.h>
#include <objbase.h>
#include <oleauto.h>
#include <olectl.h>
#include <windows.h>

#include <cwchar>
#include <initializer_list>
#include <string>
#include <vector>

#include "identifiers.hpp"
#include "module.hpp"

namespace vlm::automation {
namespace {

const std::wstring kClassKey = std::wstring(L"CLSID\\") + kClassIdText;
constexpr wchar_t kTypeLibKey[] = L"TypeLib\\{6F1D2A90-4C3B-4E7A-9B15-2D8C7E4F1A36}";

// The full path of this library file, or empty when it does not fit in MAX_PATH.
std::wstring libraryPath() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(moduleHandle(), path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return std::wstring(path, length);
}

// The short (8.3) form of a path, or the path itself where there is none.
std::wstring shortPath(const std::wstring& path) {
  wchar_t buffer[MAX_PATH];
  const DWORD length = GetShortPathNameW(path.c_str(), buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return path;
  return std::wstring(buffer, length);
}

HRESULT registerTypeLibrary(const std::wstring& path) {
  if (path.empty()) return SELFREG_E_TYPELIB;
  ITypeLib* library = nullptr;
  if (FAILED(LoadTypeLibEx(path.c_str(), REGKIND_NONE, &library))) return SELFREG_E_TYPELIB;
  bool ours = false;
  TLIBATTR* attributes = nullptr;
  if (SUCCEEDED(library->GetLibAttr(&attributes))) {
    ours = IsEqualGUID(attributes->guid, kLibraryId);
    library->ReleaseTLibAttr(attributes);
  }
  const bool registered = ours && SUCCEEDED(RegisterTypeLib(library, const_cast<OLECHAR*>(path.c_str()), nullptr));
  library->Release();
  return registered ? S_OK : SELFREG_E_TYPELIB;
}

// Sets the default value of HKEY_CLASSES_ROOT\key; with keepExisting, a value that can
// already be read is left as it is.
bool setDefaultValue(const std::wstring& key, const std::wstring& value, bool keepExisting) {
  HKEY handle = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &handle,
                      nullptr) != ERROR_SUCCESS)
    return false;
  LSTATUS status = ERROR_SUCCESS;
  if (!keepExisting || RegQueryValueExW(handle, nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    status = RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                            static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(handle);
  return status == ERROR_SUCCESS;
}

HRESULT registerClass(const std::wstring& path) {
  const bool written = setDefaultValue(kProgId, kProgId, true) &&                                   //
                       setDefaultValue(kClassKey, kProgId, true) &&                                 //
                       setDefaultValue(std::wstring(kProgId) + L"\\CLSID", kClassIdText, false) &&  //
                       setDefaultValue(kClassKey + L"\\ProgID", kProgId, false) &&                  //
                       setDefaultValue(kClassKey + L"\\InProcServer32", shortPath(path), false);
  return written ? S_OK : SELFREG_E_CLASS;
}

// One call on the platform's component-category manager, made and released around it.
template <typename Action>
HRESULT withCategoryManager(Action action) {
  ICatRegister* manager = nullptr;
  if (FAILED(CoCreateInstance(CLSID_StdComponentCategoriesMgr, nullptr, CLSCTX_INPROC_SERVER, IID_ICatRegister,
                              reinterpret_cast<void**>(&manager))))
    return SELFREG_E_CLASS;
  const HRESULT hr = action(manager);
  manager->Release();
  return FAILED(hr) ? SELFREG_E_CLASS : S_OK;
}

HRESULT createCategory(const GUID& category, const wchar_t* description) {
  return withCategoryManager([&](ICatRegister* manager) {
    CATEGORYINFO info{};
    info.catid = category;
    info.lcid = 0x0409;
    std::wcsncpy(info.szDescription, description, 127);  // the rest stays zero
    return manager->RegisterCategories(1, &info);
  });
}

HRESULT markClass(const GUID& category) {
  return withCategoryManager([&](ICatRegister* manager) {
    CATID categories[1] = {category};
    return manager->RegisterClassImplCategories(kClassId, 1, categories);
  });
}

HRESULT registerCategories() {
  // The category manager is a COM object: make sure this thread has COM, and leave it as it
  // was found (a caller that already chose another apartment keeps it).
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  HRESULT hr = createCategory(kSafeForScripting, L"Controls that are safely scriptable");
  if (SUCCEEDED(hr)) hr = createCategory(kSafeForInitializing, L"Controls safely initializable from persistent data");
  if (SUCCEEDED(hr)) hr = markClass(kSafeForScripting);
  if (SUCCEEDED(hr)) hr = markClass(kSafeForInitializing);
  if (SUCCEEDED(com)) CoUninitialize();
  return hr;
}

bool absentOrDone(LSTATUS status) { return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND; }

std::vector<std::wstring> subkeys(HKEY key) {
  std::vector<std::wstring> names;
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, length);
  }
  return names;
}

// The platform part of a type library registration that this build writes and removes.
// On 64-bit Windows both builds may be registered at once, and the TypeLib key is shared
// between the two registry views: each build owns only its own part.
constexpr const wchar_t* kPlatform = sizeof(void*) == 8 ? L"win64" : L"win32";

// A locale entry of a type library version is a hexadecimal LCID; FLAGS and HELPDIR are not.
bool isLocale(const std::wstring& name) {
  return !name.empty() && name.find_first_not_of(L"0123456789abcdefABCDEF") == std::wstring::npos;
}

// Removes this build's part of TypeLib\{LIBID}: the platform subkey of every version's locale
// entries.  A locale entry left without any platform part goes, a version without locale
// entries goes, and the library key goes when no version is left.
bool removeTypeLibraryKey() {
  HKEY library = nullptr;
  const LSTATUS status = RegOpenKeyExW(HKEY_CLASSES_ROOT, kTypeLibKey, 0, KEY_READ | KEY_WRITE, &library);
  if (status == ERROR_FILE_NOT_FOUND) return true;
  if (status != ERROR_SUCCESS) return false;
  bool ok = true, keptAny = false;
  for (const std::wstring& version : subkeys(library)) {
    HKEY versionKey = nullptr;
    bool kept = false;
    if (RegOpenKeyExW(library, version.c_str(), 0, KEY_READ | KEY_WRITE, &versionKey) == ERROR_SUCCESS) {
      for (const std::wstring& entry : subkeys(versionKey)) {
        if (!isLocale(entry)) continue;
        HKEY entryKey = nullptr;
        if (RegOpenKeyExW(versionKey, entry.c_str(), 0, KEY_READ | KEY_WRITE, &entryKey) != ERROR_SUCCESS) continue;
        ok = absentOrDone(RegDeleteTreeW(entryKey, kPlatform)) && ok;
        const bool others = !subkeys(entryKey).empty();  // win16 or the other build's part
        RegCloseKey(entryKey);
        if (others) {
          kept = true;
        } else {
          ok = absentOrDone(RegDeleteTreeW(versionKey, entry.c_str())) && ok;
        }
      }
      RegCloseKey(versionKey);
    }
    keptAny = keptAny || kept;
    if (!kept) ok = absentOrDone(RegDeleteTreeW(library, version.c_str())) && ok;
  }
  RegCloseKey(library);
  if (!keptAny) ok = absentOrDone(RegDeleteTreeW(HKEY_CLASSES_ROOT, kTypeLibKey)) && ok;
  return ok;
}

// The Interface keys that RegisterTypeLib wrote for the library's interfaces.
void removeInterfaceKeys(ITypeLib* library) {
  for (UINT i = 0, n = library->GetTypeInfoCount(); i < n; ++i) {
    TYPEKIND kind;
    if (FAILED(library->GetTypeInfoType(i, &kind)) || (kind != TKIND_DISPATCH && kind != TKIND_INTERFACE)) continue;
    ITypeInfo* info = nullptr;
    if (FAILED(library->GetTypeInfo(i, &info))) continue;
    TYPEATTR* attributes = nullptr;
    if (SUCCEEDED(info->GetTypeAttr(&attributes))) {
      wchar_t iid[40];
      if (StringFromGUID2(attributes->guid, iid, 40) > 0)
        RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"Interface\\") + iid).c_str());
      info->ReleaseTypeAttr(attributes);
    }
    info->Release();
  }
}

// The registered type library of version 5.1: neutral locale first, then the library's own
// (English, United States), under which the platform registers it.
ITypeLib* registeredTypeLibrary() {
  for (LCID locale : {LCID{0}, LCID{0x0409}}) {
    ITypeLib* library = nullptr;
    if (SUCCEEDED(LoadRegTypeLib(kLibraryId, kLibraryMajor, kLibraryMinor, locale, &library))) return library;
  }
  return nullptr;
}

HRESULT unregisterTypeLibrary() {
  ITypeLib* registered = registeredTypeLibrary();
  const bool removed = removeTypeLibraryKey();
  if (registered) {
    // The interfaces stay registered while any registration of the library does.
    HKEY library = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kTypeLibKey, 0, KEY_READ, &library) == ERROR_SUCCESS)
      RegCloseKey(library);
    else
      removeInterfaceKeys(registered);
    registered->Release();
  }
  return removed ? S_OK : SELFREG_E_TYPELIB;
}

// Whether the class is registered in the 32-bit or the 64-bit registry view (on 32-bit
// Windows both name the one registry).
bool classRegisteredInAnyView() {
  for (REGSAM view : {REGSAM{KEY_WOW64_32KEY}, REGSAM{KEY_WOW64_64KEY}}) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kClassKey.c_str(), 0, KEY_READ | view, &key) == ERROR_SUCCESS) {
      RegCloseKey(key);
      return true;
    }
  }
  return false;
}

// The class key is this view's own; the ProgID is shared by both views and goes only when
// no build of the class is registered any more.
HRESULT unregisterClass() {
  bool removed = absentOrDone(RegDeleteTreeW(HKEY_CLASSES_ROOT, kClassKey.c_str()));
  if (removed && !classRegisteredInAnyView()) removed = absentOrDone(RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId));
  return removed ? S_OK : SELFREG_E_CLASS;
}

}  // namespace
}  // namespace vlm::automation

using namespace vlm::automation;

// Type library, then class keys, then categories; stops at the first failure and leaves
// what was written so far.
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllRegisterServer() {
  const std::wstring path = libraryPath();
  HRESULT hr = registerTypeLibrary(path);
  if (SUCCEEDED(hr)) hr = registerClass(path);
  if (SUCCEEDED(hr)) hr = registerCategories();
  return hr;
}

// Removes everything registration wrote but the shared category descriptions.  Entries that
// are already gone count as removed, so unregistering twice succeeds.  A type-library
// failure is reported first (SELFREG_E_TYPELIB), then a class-key failure (SELFREG_E_CLASS).
extern "C" __declspec(dllexport) HRESULT STDAPICALLTYPE DllUnregisterServer() {
  const HRESULT typeLibrary = unregisterTypeLibrary();
  const HRESULT classKeys = unregisterClass();
  return FAILED(typeLibrary) ? typeLibrary : classKeys;
}
