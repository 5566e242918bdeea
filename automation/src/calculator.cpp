#include "calculator.hpp"

#include <vlmcore5.h>

#include <cstring>
#include <new>

#include "identifiers.hpp"
#include "module.hpp"

namespace vlm::automation {
namespace {

// What a method takes and returns, in automation types: VT_R8 for double, VT_I4 for int,
// VT_BSTR for the error text.
struct Signature {
  VARTYPE result;
  unsigned count;
  VARTYPE parameters[3];
};

// The signature codes of the generated method list (result '_' parameters).
namespace sig {
constexpr Signature D_V{VT_R8, 0, {}};
constexpr Signature D_D{VT_R8, 1, {VT_R8}};
constexpr Signature D_DD{VT_R8, 2, {VT_R8, VT_R8}};
constexpr Signature D_DDD{VT_R8, 3, {VT_R8, VT_R8, VT_R8}};
constexpr Signature I_V{VT_I4, 0, {}};
constexpr Signature I_I{VT_I4, 1, {VT_I4}};
constexpr Signature I_DD{VT_I4, 2, {VT_R8, VT_R8}};
constexpr Signature S_V{VT_BSTR, 0, {}};
}  // namespace sig

// Calls export F with arguments already converted to the declared types (in declaration
// order) and stores its result.
using Call = HRESULT (*)(const VARIANT* arguments, VARIANT* result);

HRESULT real(VARIANT* result, double value) {
  V_VT(result) = VT_R8;
  V_R8(result) = value;
  return S_OK;
}

HRESULT integer(VARIANT* result, int value) {
  V_VT(result) = VT_I4;
  V_I4(result) = value;
  return S_OK;
}

template <auto F>
HRESULT call_D_V(const VARIANT*, VARIANT* r) {
  return real(r, F());
}
template <auto F>
HRESULT call_D_D(const VARIANT* a, VARIANT* r) {
  return real(r, F(V_R8(&a[0])));
}
template <auto F>
HRESULT call_D_DD(const VARIANT* a, VARIANT* r) {
  return real(r, F(V_R8(&a[0]), V_R8(&a[1])));
}
template <auto F>
HRESULT call_D_DDD(const VARIANT* a, VARIANT* r) {
  return real(r, F(V_R8(&a[0]), V_R8(&a[1]), V_R8(&a[2])));
}
template <auto F>
HRESULT call_I_V(const VARIANT*, VARIANT* r) {
  return integer(r, F());
}
template <auto F>
HRESULT call_I_I(const VARIANT* a, VARIANT* r) {
  return integer(r, F(V_I4(&a[0])));
}
template <auto F>
HRESULT call_I_DD(const VARIANT* a, VARIANT* r) {
  return integer(r, F(V_R8(&a[0]), V_R8(&a[1])));
}

// The library's 8-bit text, read in the process's ANSI code page, as a new BSTR.
HRESULT ansiText(VARIANT* result, const char* text) {
  if (!text) text = "";
  const int length = static_cast<int>(std::strlen(text));
  const int wide = length ? MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0) : 0;
  BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(wide));
  if (!bstr) return E_OUTOFMEMORY;
  if (wide) MultiByteToWideChar(CP_ACP, 0, text, length, bstr, wide);
  V_VT(result) = VT_BSTR;
  V_BSTR(result) = bstr;
  return S_OK;
}
template <auto F>
HRESULT call_S_V(const VARIANT*, VARIANT* r) {
  return ansiText(r, F());
}

struct Method {
  const wchar_t* name;
  const char* parameterNames;  // "p, t"
  Signature signature;
  Call call;
};

// Every method in dispatch-identifier order: the DISPID of kMethods[i] is i + 1.
constexpr Method kMethods[] = {
#define VLM_METHOD(name, code, parameters) {L"" #name, parameters, sig::code, &call_##code<&name>},
#include "automation_methods.inc"
#undef VLM_METHOD
};
constexpr DISPID kMethodCount = sizeof(kMethods) / sizeof(kMethods[0]);

wchar_t asciiUpper(wchar_t c) { return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

// Names are compared without regard to letter case (they are ASCII).
bool sameName(const wchar_t* a, const wchar_t* b) {
  for (; *a && *b; ++a, ++b)
    if (asciiUpper(*a) != asciiUpper(*b)) return false;
  return *a == *b;
}

// The position of a parameter name in "p, t, x", or DISPID_UNKNOWN.
DISPID parameterIndex(const char* list, const wchar_t* name) {
  DISPID index = 0;
  for (const char* p = list; *p;) {
    const wchar_t* n = name;
    while (*p && *p != ',' && *n && asciiUpper(static_cast<wchar_t>(*p)) == asciiUpper(*n)) ++p, ++n;
    if (!*n && (!*p || *p == ',')) return index;
    while (*p && *p != ',') ++p;
    while (*p == ',' || *p == ' ') ++p;
    ++index;
  }
  return DISPID_UNKNOWN;
}

}  // namespace

Calculator::Calculator() { lockModule(); }
Calculator::~Calculator() { unlockModule(); }

HRESULT STDMETHODCALLTYPE Calculator::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) || IsEqualIID(riid, kInterfaceId)) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE Calculator::AddRef() { return ++references_; }

ULONG STDMETHODCALLTYPE Calculator::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

// No type information at run time; early-binding clients use the registered type library.
HRESULT STDMETHODCALLTYPE Calculator::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE Calculator::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return DISP_E_BADINDEX;
}

// names[0] is a method; any further names are its parameters, resolved to their positions.
HRESULT STDMETHODCALLTYPE Calculator::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (count == 0) return S_OK;
  if (!names || !ids) return E_POINTER;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  const Method* method = nullptr;
  for (DISPID i = 0; names[0] && i < kMethodCount; ++i) {
    if (sameName(kMethods[i].name, names[0])) {
      method = &kMethods[i];
      ids[0] = i + 1;
      break;
    }
  }
  bool all = method != nullptr;
  for (UINT i = 1; method && i < count; ++i) {
    ids[i] = names[i] ? parameterIndex(method->parameterNames, names[i]) : DISPID_UNKNOWN;
    all = all && ids[i] != DISPID_UNKNOWN;
  }
  return all ? S_OK : DISP_E_UNKNOWNNAME;
}

// A call is refused, before the library is reached, when the interface id is not null, it
// carries named arguments, the DISPID is unknown, the argument count is wrong or an argument
// cannot be converted to its declared type.  Otherwise the export runs and its result,
// including -1 on a library failure, is the call's result.
HRESULT STDMETHODCALLTYPE Calculator::Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                             VARIANT* result, EXCEPINFO*, UINT* argumentError) {
  if (!IsEqualIID(riid, IID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  if (!params) return E_POINTER;
  bool propertyPut = false;
  if (params->cNamedArgs > 0) {
    if (params->cNamedArgs != 1 || !params->rgdispidNamedArgs || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
      return DISP_E_NONAMEDARGS;
    propertyPut = true;
  }
  if (id < 1 || id > kMethodCount) return DISP_E_MEMBERNOTFOUND;
  // Methods can be called (or read as a value, as Basic does without parentheses), not assigned.
  if (propertyPut || !(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET))) return DISP_E_MEMBERNOTFOUND;

  const Method& method = kMethods[id - 1];
  const Signature& signature = method.signature;
  if (params->cArgs > signature.count) return DISP_E_BADPARAMCOUNT;
  if (params->cArgs < signature.count) return DISP_E_PARAMNOTOPTIONAL;
  if (params->cArgs > 0 && !params->rgvarg) return E_POINTER;

  // rgvarg holds the arguments last first.
  VARIANT arguments[3];
  for (unsigned i = 0; i < signature.count; ++i) {
    const UINT position = params->cArgs - 1 - i;
    VARIANTARG* source = &params->rgvarg[position];
    VariantInit(&arguments[i]);
    HRESULT refusal = S_OK;
    if (V_VT(source) == VT_ERROR && V_ERROR(source) == DISP_E_PARAMNOTFOUND)
      refusal = DISP_E_PARAMNOTOPTIONAL;  // an argument left out: none is optional
    else if (FAILED(VariantChangeType(&arguments[i], source, 0, signature.parameters[i])))
      refusal = DISP_E_TYPEMISMATCH;
    if (refusal != S_OK) {
      if (argumentError) *argumentError = position;
      return refusal;  // converted numbers hold nothing to free
    }
  }

  VARIANT value;
  VariantInit(&value);
  const HRESULT hr = method.call(arguments, &value);
  if (FAILED(hr)) return hr;
  if (result) {
    VariantInit(result);
    *result = value;
  } else {
    VariantClear(&value);
  }
  return S_OK;
}

}  // namespace vlm::automation
