// The automation server seen by a client in the same process: creation, name binding,
// every method against its export, the dispatch refusals, the error text, and the class
// factory with the library's unload rule.  The program registers the server first.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleauto.h>
#include <vlmcore5.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr CLSID kClassId = {0xD84B1F6E, 0x2A57, 0x4C93, {0x8E, 0x0F, 0x5B, 0x6A, 0x3C, 0x2D, 0x9E, 0x71}};
constexpr IID kInterfaceId = {0xA3E57C21, 0x8B94, 0x4F06, {0xB2, 0xD3, 0x7C, 0x1E, 0x9A, 0x5F, 0x4B, 0x08}};
constexpr GUID kLibraryId = {0x6F1D2A90, 0x4C3B, 0x4E7A, {0x9B, 0x15, 0x2D, 0x8C, 0x7E, 0x4F, 0x1A, 0x36}};

// ---- the exports, called directly ------------------------------------------------------

// A result of any export: double, int or text.
struct Value {
  VARTYPE type = VT_EMPTY;
  double real = 0;
  int integer = 0;
  std::wstring text;
};

std::wstring ansiToWide(const char* text) {
  const int n = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(n > 0 ? n - 1 : 0), L'\0');
  if (n > 1) MultiByteToWideChar(CP_ACP, 0, text, -1, wide.data(), n);
  return wide;
}

Value realValue(double v) { return {VT_R8, v, 0, {}}; }
Value intValue(int v) { return {VT_I4, 0, v, {}}; }

Value direct(double(VLM_CALL* f)(), const double*) { return realValue(f()); }
Value direct(double(VLM_CALL* f)(double), const double* a) { return realValue(f(a[0])); }
Value direct(double(VLM_CALL* f)(double, double), const double* a) { return realValue(f(a[0], a[1])); }
Value direct(double(VLM_CALL* f)(double, double, double), const double* a) { return realValue(f(a[0], a[1], a[2])); }
Value direct(int(VLM_CALL* f)(), const double*) { return intValue(f()); }
Value direct(int(VLM_CALL* f)(int), const double* a) { return intValue(f(static_cast<int>(a[0]))); }
Value direct(int(VLM_CALL* f)(double, double), const double* a) { return intValue(f(a[0], a[1])); }
Value direct(const char*(VLM_CALL* f)(), const double*) { return {VT_BSTR, 0, 0, ansiToWide(f())}; }

struct Export {
  const char* code;  // result '_' parameters: D double, I int, S text, V none
  const char* parameters;
  Value (*call)(const double* arguments);
};

// Every export of the header, by name.
const std::map<std::string, Export>& exports() {
  static const std::map<std::string, Export> all = {
#define VLM_EXPORT(name, code, parameters) \
  {#name, {#code, parameters, [](const double* a) { return direct(&name, a); }}},
#include "vlmcore5_exports.inc"
#undef VLM_EXPORT
  };
  return all;
}

// Arguments at which a method computes a real property (its parameters named as declared).
std::vector<double> typicalArguments(const std::string& name, const std::vector<std::string>& parameters) {
  const auto has = [&](const char* part) { return name.find(part) != std::string::npos; };
  double p = 3e6, t = 500;  // compressed liquid
  if (has("2PT") || name == "vlmP23T") t = 700;
  if (has("5PT")) t = 1500;
  if (has("RT")) t = 650;
  if (has("3PT") || has("R3PT")) p = 25e6, t = 650;
  if (has("SWT") || has("SST") || has("STX") || has("XST") || name == "vlmRST" || name == "vlmSURFTENT") t = 400;
  if (name == "vlmT23P") p = 20e6;
  if (name == "vlmTSP") p = 1e6;
  // The settings setters get their defaults back, so the process state stays as it was.
  const std::map<std::string, double> setters = {{"vlmSETCHECKRANGEMODE", 1},   {"vlmSETLASTERROR", 0},
                                                 {"vlmSETDELTATS", 1.0},        {"vlmSETMAXITERATION", 1000},
                                                 {"vlmSETDELTAPRESSURE", 1e-4}, {"vlmSETINITWATERDENSITY", 800},
                                                 {"vlmSETINITSTEAMDENSITY", 10}};
  std::vector<double> arguments;
  for (const std::string& parameter : parameters) {
    if (setters.count(name))
      arguments.push_back(setters.at(name));
    else if (parameter == "t")
      arguments.push_back(t);
    else if (name.rfind("vlmXST", 0) == 0) {
      // The dryness from a property value: take the value of wet steam with x = 0.3.
      const double wet[2] = {t, 0.3};
      arguments.push_back(exports().at("vlm" + name.substr(6) + "STX").call(wet).real);
    } else if (parameter == "p")
      arguments.push_back(p);
    else if (parameter == "r")
      arguments.push_back(500);
    else if (parameter == "r0")
      arguments.push_back(600);
    else if (parameter == "h")
      arguments.push_back(5e5);
    else if (parameter == "s")
      arguments.push_back(1500);
    else if (parameter == "x")
      arguments.push_back(0.5);
    else
      ADD_FAILURE() << "no typical value for " << name << "(" << parameter << ")";
  }
  return arguments;
}

// ---- the client side ----------------------------------------------------------------------

class Com : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))); }
  void TearDown() override { CoUninitialize(); }
};

// A VLMCalculator created through the platform by CLSID, released at the end of the test.
class Calculator : public Com {
 protected:
  void SetUp() override {
    Com::SetUp();
    ASSERT_EQ(
        CoCreateInstance(kClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&object)),
        S_OK);
  }
  void TearDown() override {
    if (object) object->Release();
    Com::TearDown();
  }

  DISPID id(const wchar_t* name) {
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    DISPID dispid = 0;
    EXPECT_EQ(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &dispid), S_OK) << name;
    return dispid;
  }

  // Invokes a method with arguments in their declared order; the status of the call.
  HRESULT call(DISPID dispid, std::vector<VARIANT> arguments, VARIANT* result, UINT* argumentError = nullptr,
               std::vector<DISPID> named = {}, WORD flags = DISPATCH_METHOD, const IID& riid = IID_NULL) {
    std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
    DISPPARAMS params{reversed.data(), named.data(), static_cast<UINT>(reversed.size()),
                      static_cast<UINT>(named.size())};
    if (result) VariantInit(result);
    return object->Invoke(dispid, riid, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, argumentError);
  }

  IDispatch* object = nullptr;
};

VARIANT number(double value) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_R8;
  V_R8(&v) = value;
  return v;
}

// A text argument; owned by the test's list of texts so it outlives the call.
VARIANT text(const wchar_t* value) {
  static std::vector<BSTR> keep;
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = VT_BSTR;
  V_BSTR(&v) = SysAllocString(value);
  keep.push_back(V_BSTR(&v));
  return v;
}

std::wstring module(const wchar_t* name) {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(GetModuleHandleW(name), path, MAX_PATH);
  return std::wstring(path, n);
}

template <typename F>
F entry(const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"vlmcore5.dll"), name)));
}

// Registers the server (DllRegisterServer of the loaded library) before any test runs.
class Registered : public ::testing::Environment {
 public:
  void SetUp() override {
    using Register = HRESULT(STDAPICALLTYPE*)();
    const auto registerServer = entry<Register>("DllRegisterServer");
    ASSERT_NE(registerServer, nullptr);
    ASSERT_EQ(registerServer(), S_OK);
  }
};
::testing::Environment* const registered = ::testing::AddGlobalTestEnvironment(new Registered);

// ---- creation and binding ---------------------------------------------------------------

TEST_F(Com, CreatesTheObjectByProgIdAndByClassId) {
  CLSID clsid;
  ASSERT_EQ(CLSIDFromProgID(L"vlm.VLMCalculator", &clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, kClassId));
  IUnknown* unknown = nullptr;
  ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&unknown)),
            S_OK);
  // IDispatch and IVLMCalculator are one implementation.
  IDispatch *dispatch = nullptr, *calculator = nullptr;
  ASSERT_EQ(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
  ASSERT_EQ(unknown->QueryInterface(kInterfaceId, reinterpret_cast<void**>(&calculator)), S_OK);
  EXPECT_EQ(dispatch, calculator);
  void* none = reinterpret_cast<void*>(1);
  EXPECT_EQ(unknown->QueryInterface(IID_IClassFactory, &none), E_NOINTERFACE);
  EXPECT_EQ(none, nullptr);
  calculator->Release();
  dispatch->Release();
  unknown->Release();
}

TEST_F(Calculator, BindsNamesWithoutRegardToCase) {
  EXPECT_EQ(id(L"vlmpst"), 1);
  EXPECT_EQ(id(L"VLMPST"), 1);
  EXPECT_EQ(id(L"vlmgetlasterror"), 5);
  EXPECT_EQ(id(L"vlmCV3PT"), 64);
  EXPECT_EQ(id(L"VlmGetLastErrorDescription"), 135);

  // vlmCP3PT is an export without a method.
  LPOLESTR missing[1] = {const_cast<LPOLESTR>(L"vlmCP3PT")};
  DISPID dispid = 0;
  EXPECT_EQ(object->GetIDsOfNames(IID_NULL, missing, 1, LOCALE_USER_DEFAULT, &dispid), DISP_E_UNKNOWNNAME);
  EXPECT_EQ(dispid, DISPID_UNKNOWN);

  // Parameter names resolve to their positions.
  LPOLESTR withParameters[3] = {const_cast<LPOLESTR>(L"vlmr3ptr0"), const_cast<LPOLESTR>(L"R0"),
                                const_cast<LPOLESTR>(L"p")};
  DISPID ids[3] = {};
  EXPECT_EQ(object->GetIDsOfNames(IID_NULL, withParameters, 3, LOCALE_USER_DEFAULT, ids), S_OK);
  EXPECT_EQ(ids[0], 52);
  EXPECT_EQ(ids[1], 2);
  EXPECT_EQ(ids[2], 0);

  EXPECT_EQ(object->GetIDsOfNames(kInterfaceId, missing, 1, LOCALE_USER_DEFAULT, &dispid), DISP_E_UNKNOWNINTERFACE);

  UINT count = 7;
  EXPECT_EQ(object->GetTypeInfoCount(&count), S_OK);
  EXPECT_EQ(count, 0u);
}

// ---- the type library against the object and the exports ------------------------------

std::wstring wide(const std::string& s) { return std::wstring(s.begin(), s.end()); }
std::string narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += static_cast<char>(c);
  return out;
}

struct Function {
  DISPID id;
  std::string name;
  std::vector<std::string> parameters;
  std::vector<VARTYPE> types;
  VARTYPE result;
};

// The methods of IVLMCalculator as the type library in the DLL's resources declares them.
std::vector<Function> typeLibraryFunctions() {
  std::vector<Function> functions;
  ITypeLib* library = nullptr;
  EXPECT_EQ(LoadTypeLibEx(module(L"vlmcore5.dll").c_str(), REGKIND_NONE, &library), S_OK);
  if (!library) return functions;
  ITypeInfo* info = nullptr;
  EXPECT_EQ(library->GetTypeInfoOfGuid(kInterfaceId, &info), S_OK);
  TYPEATTR* attributes = nullptr;
  if (info && SUCCEEDED(info->GetTypeAttr(&attributes))) {
    EXPECT_EQ(attributes->typekind, TKIND_DISPATCH);
    EXPECT_EQ(attributes->cVars, 0);
    for (UINT i = 0; i < attributes->cFuncs; ++i) {
      FUNCDESC* desc = nullptr;
      if (FAILED(info->GetFuncDesc(i, &desc))) continue;
      BSTR names[4] = {};
      UINT count = 0;
      info->GetNames(desc->memid, names, 4, &count);
      Function f{desc->memid, narrow(names[0]), {}, {}, desc->elemdescFunc.tdesc.vt};
      for (UINT k = 1; k < count; ++k) f.parameters.push_back(narrow(names[k]));
      for (SHORT k = 0; k < desc->cParams; ++k) f.types.push_back(desc->lprgelemdescParam[k].tdesc.vt);
      for (UINT k = 0; k < count; ++k) SysFreeString(names[k]);
      info->ReleaseFuncDesc(desc);
      functions.push_back(f);
    }
    info->ReleaseTypeAttr(attributes);
  }
  if (info) info->Release();
  library->Release();
  return functions;
}

TEST(TypeLibrary, DescribesTheLibraryAndTheClass) {
  ITypeLib* library = nullptr;
  ASSERT_EQ(LoadTypeLibEx(module(L"vlmcore5.dll").c_str(), REGKIND_NONE, &library), S_OK);
  TLIBATTR* attributes = nullptr;
  ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, kLibraryId));
  EXPECT_EQ(attributes->wMajorVerNum, 5);
  EXPECT_EQ(attributes->wMinorVerNum, 1);
  EXPECT_EQ(attributes->lcid, 0x0409u);
  library->ReleaseTLibAttr(attributes);
  BSTR name = nullptr, help = nullptr;
  ASSERT_EQ(library->GetDocumentation(-1, &name, &help, nullptr, nullptr), S_OK);
  EXPECT_STREQ(name, L"vlmcore5");
  EXPECT_STREQ(help, L"Velmora 5.1");
  SysFreeString(name);
  SysFreeString(help);

  // VLMCalculator: creatable, with one (default) interface.
  ITypeInfo* coclass = nullptr;
  ASSERT_EQ(library->GetTypeInfoOfGuid(kClassId, &coclass), S_OK);
  TYPEATTR* type = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&type), S_OK);
  EXPECT_EQ(type->typekind, TKIND_COCLASS);
  EXPECT_TRUE(type->wTypeFlags & TYPEFLAG_FCANCREATE);
  EXPECT_EQ(type->cImplTypes, 1);
  coclass->ReleaseTypeAttr(type);
  coclass->Release();
  library->Release();
}

// Each of the 135 methods has DISPID 1..135, the name, parameter names and types of its
// export; every export but vlmCP3PT and the one-field state exports (vlmSTATEPT ...) has one.
TEST_F(Calculator, MatchesTheTypeLibraryAndTheExports) {
  const std::vector<Function> functions = typeLibraryFunctions();
  ASSERT_EQ(functions.size(), 135u);
  std::set<std::string> named;
  for (size_t i = 0; i < functions.size(); ++i) {
    const Function& f = functions[i];
    SCOPED_TRACE(f.name);
    EXPECT_EQ(f.id, static_cast<DISPID>(i + 1));
    EXPECT_EQ(id(wide(f.name).c_str()), f.id);  // the object's table agrees with the library
    ASSERT_TRUE(exports().count(f.name));
    std::string parameters;
    for (const std::string& p : f.parameters) parameters += (parameters.empty() ? "" : ", ") + p;
    EXPECT_EQ(parameters, exports().at(f.name).parameters);
    // Declared types: double VT_R8, int VT_I4, text VT_BSTR.
    const std::string code = exports().at(f.name).code;
    const auto type = [](char c) -> VARTYPE { return c == 'D' ? VT_R8 : c == 'I' ? VT_I4 : VT_BSTR; };
    EXPECT_EQ(f.result, type(code[0]));
    std::string types = code.substr(2) == "V" ? "" : code.substr(2);
    ASSERT_EQ(f.types.size(), types.size());
    for (size_t k = 0; k < types.size(); ++k) EXPECT_EQ(f.types[k], type(types[k]));
    named.insert(f.name);
  }
  // The first DISPID of each group of methods, which clients rely on.
  const std::map<DISPID, std::string> landmarks = {{1, "vlmPST"},           {3, "vlmGETCHECKRANGEMODE"},
                                                   {17, "vlmT23P"},         {19, "vlmWATERSTATEAREA"},
                                                   {21, "vlmTHERMCONDRT"},  {23, "vlmV1PT"},
                                                   {32, "vlmV2PT"},         {39, "vlmVPT"},
                                                   {51, "vlmP3RT"},         {52, "vlmR3PTR0"},
                                                   {63, "vlmH3PT"},         {64, "vlmCV3PT"},
                                                   {66, "vlmV5PT"},         {73, "vlmVSWT"},
                                                   {85, "vlmRST"},          {86, "vlmVSST"},
                                                   {98, "vlmVSTX"},         {110, "vlmVPTX"},
                                                   {122, "vlmSURFTENT"},    {123, "vlmXSTV"},
                                                   {134, "vlmXSTPRANDTLE"}, {135, "vlmGETLASTERRORDESCRIPTION"}};
  for (const auto& [dispid, name] : landmarks) EXPECT_EQ(functions[dispid - 1].name, name) << dispid;
  for (const auto& [name, unused] : exports()) {
    const bool without = name == "vlmCP3PT" || name.rfind("vlmSTATE", 0) == 0;
    EXPECT_EQ(named.count(name), without ? 0u : 1u) << name;
  }
}

// ---- calls ---------------------------------------------------------------------------------

std::vector<std::string> split(const std::string& list) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find(", ", start);
    if (end == std::string::npos) end = list.size();
    out.push_back(list.substr(start, end - start));
    start = end + 2;
  }
  return out;
}

// Every method with typical arguments returns what its export returns and leaves the same code.
TEST_F(Calculator, EveryMethodReturnsWhatItsExportReturns) {
  const std::vector<Function> functions = typeLibraryFunctions();
  ASSERT_EQ(functions.size(), 135u);
  for (const Function& f : functions) {
    SCOPED_TRACE(f.name);
    const Export& e = exports().at(f.name);
    const std::vector<double> arguments = typicalArguments(f.name, split(e.parameters));
    std::vector<VARIANT> variants;
    for (double a : arguments) variants.push_back(number(a));

    VARIANT result;
    ASSERT_EQ(call(f.id, variants, &result), S_OK);
    const int viaObjectCode = vlmGETLASTERROR();
    const Value expected = e.call(arguments.data());
    EXPECT_EQ(vlmGETLASTERROR(), viaObjectCode);
    if (f.name != "vlmSETLASTERROR") {
      EXPECT_EQ(viaObjectCode, 0) << "not a typical point";
    }

    ASSERT_EQ(V_VT(&result), expected.type);
    if (expected.type == VT_R8) {
      EXPECT_EQ(V_R8(&result), expected.real);
      EXPECT_NE(V_R8(&result), -1.0);
    } else if (expected.type == VT_I4) {
      EXPECT_EQ(V_I4(&result), expected.integer);
    } else {
      EXPECT_EQ(std::wstring(V_BSTR(&result), SysStringLen(V_BSTR(&result))), expected.text);
    }
    VariantClear(&result);
  }
}

TEST_F(Calculator, SharesTheLibrarysSettingsAndErrorCode) {
  VARIANT result;
  VARIANT iterations;
  VariantInit(&iterations);
  V_VT(&iterations) = VT_I4;
  V_I4(&iterations) = 77;
  ASSERT_EQ(call(id(L"vlmSETMAXITERATION"), {iterations}, &result), S_OK);
  EXPECT_EQ(vlmGETMAXITERATION(), 77);
  vlmSETMAXITERATION(1000);

  // Below 273.16 K with range checking on: -1 as an ordinary result, code 2 and its text.
  ASSERT_EQ(vlmGETCHECKRANGEMODE(), 1);
  ASSERT_EQ(call(id(L"vlmVPT"), {number(3e6), number(250)}, &result), S_OK);
  EXPECT_EQ(V_VT(&result), VT_R8);
  EXPECT_EQ(V_R8(&result), -1.0);
  ASSERT_EQ(call(5, {}, &result), S_OK);
  EXPECT_EQ(V_VT(&result), VT_I4);
  EXPECT_EQ(V_I4(&result), 2);
  const std::wstring outOfRange = ansiToWide(vlmGETLASTERRORDESCRIPTION());
  ASSERT_EQ(call(135, {}, &result), S_OK);
  ASSERT_EQ(V_VT(&result), VT_BSTR);
  EXPECT_EQ(V_BSTR(&result), outOfRange);
  VariantClear(&result);

  // After a success, the text of code 0; a result nobody asks for is still computed.
  ASSERT_EQ(call(1, {number(373.15)}, nullptr), S_OK);
  const std::wstring none = ansiToWide(vlmGETLASTERRORDESCRIPTION());
  ASSERT_EQ(call(135, {}, &result), S_OK);
  EXPECT_EQ(V_BSTR(&result), none);
  VariantClear(&result);
  ASSERT_EQ(call(135, {}, nullptr), S_OK);
}

// The text comes from the library's 8-bit text through the ANSI code page.
TEST_F(Calculator, ErrorTextIsTheLibrarysTextInTheAnsiCodePage) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Brindlow\\Velmora", 0, nullptr, 0,
                            KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  wchar_t before[64] = {};
  DWORD size = sizeof(before) - sizeof(wchar_t);
  const bool hadLanguage =
      RegQueryValueExW(key, L"Language", nullptr, nullptr, reinterpret_cast<BYTE*>(before), &size) == ERROR_SUCCESS;
  const wchar_t russian[] = L"Russian";
  ASSERT_EQ(RegSetValueExW(key, L"Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(russian), sizeof(russian)),
            ERROR_SUCCESS);

  vlmVPT(3e6, 250);
  const char* bytes = vlmGETLASTERRORDESCRIPTION();
  ASSERT_GT(static_cast<unsigned char>(bytes[0]), 0x7F) << "a Russian text";
  const std::wstring expected = ansiToWide(bytes);
  VARIANT result;
  ASSERT_EQ(call(135, {}, &result), S_OK);
  ASSERT_EQ(V_VT(&result), VT_BSTR);
  EXPECT_EQ(std::wstring(V_BSTR(&result), SysStringLen(V_BSTR(&result))), expected);
  if (GetACP() == 1251) {
    EXPECT_STREQ(V_BSTR(&result),
                 L"\u0424\u0443\u043d\u043a\u0446\u0438\u044f \u043d\u0435 "
                 L"\u043e\u043f\u0440\u0435\u0434\u0435\u043b\u0435\u043d\u0430 "
                 L"\u0434\u043b\u044f \u0434\u0430\u043d\u043d\u043e\u0433\u043e "
                 L"\u0434\u0438\u0430\u043f\u0430\u0437\u043e\u043d\u0430");
  }
  VariantClear(&result);

  if (hadLanguage)
    RegSetValueExW(key, L"Language", 0, REG_SZ, reinterpret_cast<const BYTE*>(before),
                   static_cast<DWORD>((wcslen(before) + 1) * sizeof(wchar_t)));
  else
    RegDeleteValueW(key, L"Language");
  RegCloseKey(key);
}

// Refused calls never reach the library: the error code stays as it was.
TEST_F(Calculator, RefusesMalformedCallsBeforeTheLibrary) {
  vlmSETLASTERROR(3);
  VARIANT result;
  UINT position = 99;
  EXPECT_EQ(call(1, {number(373.15)}, &result, nullptr, {}, DISPATCH_METHOD, kInterfaceId), DISP_E_UNKNOWNINTERFACE);
  EXPECT_EQ(call(1, {number(373.15)}, &result, nullptr, {0}), DISP_E_NONAMEDARGS);
  for (DISPID outside : {0, 136, -5}) EXPECT_EQ(call(outside, {}, &result), DISP_E_MEMBERNOTFOUND) << outside;
  // A method is not a property that can be assigned.
  EXPECT_EQ(call(1, {number(373.15)}, &result, nullptr, {DISPID_PROPERTYPUT}, DISPATCH_PROPERTYPUT),
            DISP_E_MEMBERNOTFOUND);
  EXPECT_EQ(call(1, {number(373.15), number(1)}, &result), DISP_E_BADPARAMCOUNT);
  EXPECT_EQ(call(39, {number(3e6)}, &result), DISP_E_PARAMNOTOPTIONAL);

  // An argument left out (a gap in the list) is not optional either.
  VARIANT gap;
  VariantInit(&gap);
  V_VT(&gap) = VT_ERROR;
  V_ERROR(&gap) = DISP_E_PARAMNOTFOUND;
  EXPECT_EQ(call(39, {gap, number(500)}, &result, &position), DISP_E_PARAMNOTOPTIONAL);
  EXPECT_EQ(position, 1u);

  // The position reported is the argument's index in rgvarg (the last argument is 0).
  EXPECT_EQ(call(110, {number(3e6), text(L"hot"), number(0.5)}, &result, &position), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(position, 1u);
  EXPECT_EQ(call(1, {text(L"warm")}, &result, &position), DISP_E_TYPEMISMATCH);
  EXPECT_EQ(position, 0u);

  EXPECT_EQ(vlmGETLASTERROR(), 3);
  vlmSETLASTERROR(0);
}

// Arguments of other types go through the platform's variant conversion.
TEST_F(Calculator, ConvertsArgumentsToTheDeclaredTypes) {
  VARIANT result;
  ASSERT_EQ(call(1, {text(L"373.15")}, &result), S_OK);
  EXPECT_EQ(V_R8(&result), vlmPST(373.15));

  // By reference, as Basic passes variables.
  double temperature = 450;
  VARIANT reference;
  VariantInit(&reference);
  V_VT(&reference) = VT_R8 | VT_BYREF;
  V_R8REF(&reference) = &temperature;
  ASSERT_EQ(call(1, {reference}, &result), S_OK);
  EXPECT_EQ(V_R8(&result), vlmPST(450));

  // A double where an int is declared.
  ASSERT_EQ(call(9, {number(250)}, &result), S_OK);
  EXPECT_EQ(V_VT(&result), VT_I4);
  EXPECT_EQ(V_I4(&result), 250);
  EXPECT_EQ(vlmGETMAXITERATION(), 250);
  vlmSETMAXITERATION(1000);
}

// Text becomes a number by the user's locale, as the platform converts it: under a locale
// with a decimal comma (its own ctest entry runs this under German) "373,15" is 373.15 and
// "373.15" is 37315.
TEST_F(Calculator, ConvertsTextByTheUsersLocale) {
  wchar_t decimal[8] = {};
  GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, 8);
  if (std::wstring(decimal) != L",") GTEST_SKIP() << "the user's locale has no decimal comma here";
  VARIANT result;
  ASSERT_EQ(call(1, {text(L"373,15")}, &result), S_OK);
  EXPECT_EQ(V_R8(&result), vlmPST(373.15));
  ASSERT_EQ(call(7, {text(L"373.15")}, &result), S_OK);  // vlmSETDELTATS answers what it stored
  EXPECT_EQ(V_R8(&result), 37315.0);
  vlmSETDELTATS(1.0);
}

// ---- the class factory and the unload rule ----------------------------------------------

class Server : public Com {
 protected:
  using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
  using CanUnloadNow = HRESULT(STDAPICALLTYPE*)();
  GetClassObject getClassObject = entry<GetClassObject>("DllGetClassObject");
  CanUnloadNow canUnloadNow = entry<CanUnloadNow>("DllCanUnloadNow");

  IClassFactory* factory() {
    IClassFactory* f = nullptr;
    EXPECT_EQ(getClassObject(kClassId, IID_IClassFactory, reinterpret_cast<void**>(&f)), S_OK);
    return f;
  }
};

TEST_F(Server, MayUnloadOnlyWithoutObjectsLocksOrHeldFactory) {
  ASSERT_NE(getClassObject, nullptr);
  ASSERT_NE(canUnloadNow, nullptr);
  ASSERT_EQ(canUnloadNow(), S_OK);

  IDispatch* object = nullptr;
  ASSERT_EQ(CoCreateInstance(kClassId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, reinterpret_cast<void**>(&object)),
            S_OK);
  EXPECT_EQ(canUnloadNow(), S_FALSE);
  object->Release();
  EXPECT_EQ(canUnloadNow(), S_OK);

  IClassFactory* f = factory();
  EXPECT_EQ(canUnloadNow(), S_FALSE);  // a client holds the factory
  EXPECT_EQ(f->LockServer(TRUE), S_OK);
  f->Release();
  EXPECT_EQ(canUnloadNow(), S_FALSE);  // locked
  f = factory();
  EXPECT_EQ(f->LockServer(FALSE), S_OK);
  f->Release();
  EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(Server, FactoryCreatesObjectsAndRefusesAggregation) {
  IClassFactory* f = factory();
  ASSERT_NE(f, nullptr);
  IUnknown* unknown = nullptr;
  ASSERT_EQ(f->CreateInstance(nullptr, IID_IUnknown, reinterpret_cast<void**>(&unknown)), S_OK);
  IUnknown* other = nullptr;
  ASSERT_EQ(f->CreateInstance(nullptr, kInterfaceId, reinterpret_cast<void**>(&other)), S_OK);
  EXPECT_NE(unknown, other);  // a new object each time
  other->Release();
  unknown->Release();

  // Aggregation is refused, by the factory and through the platform.
  IUnknown* outer = reinterpret_cast<IUnknown*>(f);
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(f->CreateInstance(outer, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(CoCreateInstance(kClassId, outer, CLSCTX_INPROC_SERVER, IID_IUnknown, &object), CLASS_E_NOAGGREGATION);
  // An interface the object lacks: no object is left behind.
  object = reinterpret_cast<void*>(1);
  EXPECT_EQ(f->CreateInstance(nullptr, IID_IClassFactory, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(f->CreateInstance(nullptr, IID_IUnknown, nullptr), E_POINTER);
  f->Release();
  EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST_F(Server, HasNoOtherClass) {
  const CLSID other = {0xD84B1F6E, 0x2A57, 0x4C93, {0x8E, 0x0F, 0x5B, 0x6A, 0x3C, 0x2D, 0x9E, 0x72}};
  void* object = reinterpret_cast<void*>(1);
  EXPECT_EQ(getClassObject(other, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(getClassObject(kClassId, IID_IDispatch, &object), E_NOINTERFACE);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(getClassObject(kClassId, IID_IClassFactory, nullptr), E_POINTER);
}

}  // namespace
