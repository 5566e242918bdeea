// The automation object under hostile calls: every VARIANT type by value, by reference and
// as arrays; wrong argument counts; named arguments; DISPIDs out of range; null pointers
// where the interface allows them; each dispatch flag.  Every call's HRESULT is asserted,
// a refused call leaves the library's last-error code alone, the reference counts of the
// object and of interface arguments come back to their start, and 10,000 rounds of it all
// leave the process's memory where it was.  The object comes from the class factory of the
// loaded library, so nothing is registered.
#include <gtest/gtest.h>
#include <objbase.h>
#include <oleauto.h>
#include <psapi.h>
#include <vlmcore5.h>
#include <windows.h>

#include <cmath>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "identifiers.hpp"

namespace {

using vlm::automation::kClassId;
using vlm::automation::kInterfaceId;

// Methods by dispatch identifier (the METHOD column of core/functions.table).
constexpr DISPID kPST = 1;                        // double vlmPST(double t)
constexpr DISPID kGETLASTERROR = 5;               // int vlmGETLASTERROR()
constexpr DISPID kSETMAXITERATION = 9;            // int vlmSETMAXITERATION(int)
constexpr DISPID kR3PTR0 = 52;                    // double vlmR3PTR0(double p, double t, double r0)
constexpr DISPID kGETLASTERRORDESCRIPTION = 135;  // the last method
constexpr DISPID kMethodCount = 135;

constexpr int kStaleCode = 3;  // left in the library before every call

// One hostile call: arguments in rgvarg order (the last argument first), and what it must return.
struct Case {
  std::string what;
  DISPID id = kPST;
  WORD flags = DISPATCH_METHOD;
  std::vector<VARIANT> arguments;
  std::vector<DISPID> named;
  HRESULT expected = S_OK;
  VARTYPE resultType = VT_R8;  // for calls that succeed
  bool nullParams = false, nullArgumentArray = false, nullNamedArray = false, nullResult = false;
  bool nullArgumentError = false, otherInterface = false;
  UINT argumentError = ~0u;  // the position reported for a refused argument
};

VARIANT make(VARTYPE type) {
  VARIANT v;
  VariantInit(&v);
  V_VT(&v) = type;
  return v;
}

VARIANT real(double value) {
  VARIANT v = make(VT_R8);
  V_R8(&v) = value;
  return v;
}

class HostileInvoke : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    const auto getClassObject = reinterpret_cast<GetClassObject>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"vlmcore5.dll"), "DllGetClassObject")));
    ASSERT_NE(getClassObject, nullptr);
    IClassFactory* factory = nullptr;
    ASSERT_EQ(getClassObject(kClassId, IID_IClassFactory, reinterpret_cast<void**>(&factory)), S_OK);
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&object_)), S_OK);
    factory->Release();
    text_ = SysAllocString(L"373.15");
    word_ = SysAllocString(L"warm");
    array_ = SafeArrayCreateVector(VT_R8, 0, 1);
    cases_ = makeCases();
  }
  void TearDown() override {
    for (std::size_t i = 0; i < arrayCount_; ++i) SafeArrayDestroy(arrays_[i]);
    SafeArrayDestroy(array_);
    SysFreeString(word_);
    SysFreeString(text_);
    if (object_) object_->Release();
    CoUninitialize();
  }

  ULONG references() {
    object_->AddRef();
    return object_->Release();
  }

  // Every VARIANT type (0..VT_VERSIONED_STREAM and a few beyond) by value with an empty
  // payload, by reference to zeroed storage, as an array and as a reference to an array, as
  // the one argument of vlmPST.  The call accepts exactly what the platform's conversion to
  // double accepts, and computes with the converted value.
  void addEveryType(std::vector<Case>& cases) {
    std::vector<VARTYPE> types;
    for (VARTYPE t = VT_EMPTY; t <= VT_VERSIONED_STREAM; ++t) types.push_back(t);
    for (VARTYPE t : {VARTYPE(0x0fff), VARTYPE(VT_ILLEGAL)}) types.push_back(t);
    for (VARTYPE base : types) {
      for (VARTYPE flavour : {VARTYPE(0), VARTYPE(VT_BYREF), VARTYPE(VT_ARRAY), VARTYPE(VT_ARRAY | VT_BYREF)}) {
        if (base == VT_ILLEGAL && flavour) continue;
        VARIANT v = make(static_cast<VARTYPE>(base | flavour));
        if (flavour & VT_ARRAY) {
          // An array of one element where the platform can make one, else no array at all.
          SAFEARRAY*& a = arrays_[arrayCount_++];
          a = SafeArrayCreateVector(base, 0, 1);
          if (flavour & VT_BYREF)
            V_ARRAYREF(&v) = &a;
          else
            V_ARRAY(&v) = a;
        } else if (flavour & VT_BYREF) {
          V_BYREF(&v) = zeros_;  // a zero of the type: 0, a null pointer, an empty VARIANT
        }
        if ((base == VT_RECORD || base == VT_VARIANT) && flavour == 0) continue;  // no valid empty payload
        VARIANT converted;
        VariantInit(&converted);
        const bool accepted = SUCCEEDED(VariantChangeType(&converted, &v, 0, VT_R8));
        Case c{"type " + std::to_string(base | flavour)};
        c.arguments = {v};
        if (accepted) {
          expectedValues_[cases.size()] = vlmPST(V_R8(&converted));
        } else {
          c.expected = DISP_E_TYPEMISMATCH;
          c.argumentError = 0;
        }
        cases.push_back(c);
      }
    }
  }

  std::vector<Case> makeCases() {
    std::vector<Case> cases;
    addEveryType(cases);

    // Conversions every platform agrees on.
    VARIANT text = make(VT_BSTR), word = make(VT_BSTR), nullText = make(VT_BSTR), integer = make(VT_I4);
    V_BSTR(&text) = text_;
    V_BSTR(&word) = word_;
    V_BSTR(&nullText) = nullptr;
    V_I4(&integer) = 400;
    VARIANT self = make(VT_DISPATCH), selfUnknown = make(VT_UNKNOWN), selfByReference = make(VT_DISPATCH | VT_BYREF);
    V_DISPATCH(&self) = object_;
    V_UNKNOWN(&selfUnknown) = object_;
    V_DISPATCHREF(&selfByReference) = &object_;
    VARIANT array = make(VT_ARRAY | VT_R8);
    V_ARRAY(&array) = array_;
    VARIANT gap = make(VT_ERROR);
    V_ERROR(&gap) = DISP_E_PARAMNOTFOUND;
    const VARIANT t = real(450), p = real(25e6), r0 = real(600);
    cases.push_back({.what = "numeric text", .arguments = {text}});
    cases.push_back({.what = "integer", .arguments = {integer}});
    cases.push_back({.what = "NaN", .arguments = {real(NAN)}});
    cases.push_back({.what = "infinity", .arguments = {real(INFINITY)}});
    for (const VARIANT& refused : {word, make(VT_NULL), array, self, selfUnknown, selfByReference}) {
      cases.push_back(
          {.what = "refused type", .arguments = {refused}, .expected = DISP_E_TYPEMISMATCH, .argumentError = 0});
    }
    cases.push_back(
        {.what = "null text", .arguments = {nullText}, .expected = DISP_E_TYPEMISMATCH, .argumentError = 0});
    // Out of range of the declared int.
    for (double d : {1e10, -1e10}) {
      cases.push_back({.what = "int overflow",
                       .id = kSETMAXITERATION,
                       .arguments = {real(d)},
                       .expected = DISP_E_TYPEMISMATCH,
                       .argumentError = 0});
    }

    // Argument counts, gaps and positions (rgvarg holds the last argument first).
    cases.push_back({.what = "none for one", .arguments = {}, .expected = DISP_E_PARAMNOTOPTIONAL});
    cases.push_back({.what = "two for one", .arguments = {t, t}, .expected = DISP_E_BADPARAMCOUNT});
    cases.push_back({.what = "one for none", .id = kGETLASTERROR, .arguments = {t}, .expected = DISP_E_BADPARAMCOUNT});
    cases.push_back(
        {.what = "four for three", .id = kR3PTR0, .arguments = {r0, t, p, p}, .expected = DISP_E_BADPARAMCOUNT});
    cases.push_back({.what = "gap",
                     .id = kR3PTR0,
                     .arguments = {r0, gap, p},
                     .expected = DISP_E_PARAMNOTOPTIONAL,
                     .argumentError = 1});
    cases.push_back({.what = "bad third",
                     .id = kR3PTR0,
                     .arguments = {word, t, p},
                     .expected = DISP_E_TYPEMISMATCH,
                     .argumentError = 0});
    cases.push_back({.what = "bad first",
                     .id = kR3PTR0,
                     .arguments = {r0, t, word},
                     .expected = DISP_E_TYPEMISMATCH,
                     .argumentError = 2});
    cases.push_back({.what = "three", .id = kR3PTR0, .arguments = {r0, t, p}});

    // Named arguments: only the property-put marker is understood, and nothing is a property.
    cases.push_back({.what = "named", .arguments = {t}, .named = {0}, .expected = DISP_E_NONAMEDARGS});
    cases.push_back({.what = "two named", .arguments = {t, t}, .named = {0, 1}, .expected = DISP_E_NONAMEDARGS});
    cases.push_back({.what = "named, no array",
                     .arguments = {t},
                     .named = {0},
                     .expected = DISP_E_NONAMEDARGS,
                     .nullNamedArray = true});
    cases.push_back({.what = "put",
                     .flags = DISPATCH_PROPERTYPUT,
                     .arguments = {t},
                     .named = {DISPID_PROPERTYPUT},
                     .expected = DISP_E_MEMBERNOTFOUND});
    cases.push_back(
        {.what = "put as method", .arguments = {t}, .named = {DISPID_PROPERTYPUT}, .expected = DISP_E_MEMBERNOTFOUND});

    // Dispatch identifiers outside the table, and the platform's reserved ones.
    for (DISPID id : {DISPID(0), DISPID(-1), DISPID(-5), DISPID(kMethodCount + 1), DISPID(0x7fffffff),
                      DISPID(0x80000000), DISPID(DISPID_PROPERTYPUT), DISPID(DISPID_NEWENUM)}) {
      cases.push_back(
          {.what = "dispid " + std::to_string(id), .id = id, .arguments = {t}, .expected = DISP_E_MEMBERNOTFOUND});
    }

    // Each flag and combination: a method may be called or read as a value, nothing else.
    for (WORD flags : {WORD(0), WORD(DISPATCH_PROPERTYPUT), WORD(DISPATCH_PROPERTYPUTREF),
                       WORD(DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF), WORD(0x10), WORD(0x8000)}) {
      cases.push_back({.what = "flags " + std::to_string(flags),
                       .flags = flags,
                       .arguments = {t},
                       .expected = DISP_E_MEMBERNOTFOUND});
    }
    for (WORD flags : {WORD(DISPATCH_PROPERTYGET), WORD(DISPATCH_METHOD | DISPATCH_PROPERTYGET),
                       WORD(DISPATCH_METHOD | DISPATCH_PROPERTYPUT), WORD(0xffff)}) {
      cases.push_back({.what = "flags " + std::to_string(flags), .flags = flags, .arguments = {t}});
    }

    // Null pointers: those the interface allows give the same result as a full call.
    cases.push_back({.what = "no result", .arguments = {t}, .nullResult = true});
    cases.push_back(
        {.what = "no position", .arguments = {word}, .expected = DISP_E_TYPEMISMATCH, .nullArgumentError = true});
    cases.push_back({.what = "no arguments, no array",
                     .id = kGETLASTERROR,
                     .arguments = {},
                     .resultType = VT_I4,
                     .nullArgumentArray = true});
    cases.push_back({.what = "text result", .id = kGETLASTERRORDESCRIPTION, .arguments = {}, .resultType = VT_BSTR});
    cases.push_back(
        {.what = "text result, none wanted", .id = kGETLASTERRORDESCRIPTION, .arguments = {}, .nullResult = true});
    cases.push_back(
        {.what = "arguments, no array", .arguments = {t}, .expected = E_POINTER, .nullArgumentArray = true});
    cases.push_back({.what = "no parameters", .arguments = {}, .expected = E_POINTER, .nullParams = true});
    cases.push_back(
        {.what = "other interface", .arguments = {t}, .expected = DISP_E_UNKNOWNINTERFACE, .otherInterface = true});
    return cases;
  }

  // One call; returns the first mismatch against the case, or an empty text.
  std::string run(std::size_t index) {
    const Case& c = cases_[index];
    std::vector<VARIANT> arguments = c.arguments;
    std::vector<DISPID> named = c.named;
    DISPPARAMS params{c.nullArgumentArray ? nullptr : arguments.data(), c.nullNamedArray ? nullptr : named.data(),
                      static_cast<UINT>(arguments.size()), static_cast<UINT>(named.size())};
    VARIANT result;
    VariantInit(&result);
    UINT position = ~0u;
    vlmSETLASTERROR(kStaleCode);
    const HRESULT hr = object_->Invoke(c.id, c.otherInterface ? kInterfaceId : IID_NULL, LOCALE_USER_DEFAULT, c.flags,
                                       c.nullParams ? nullptr : &params, c.nullResult ? nullptr : &result, nullptr,
                                       c.nullArgumentError ? nullptr : &position);
    const int code = vlmGETLASTERROR();
    const VARTYPE type = V_VT(&result);
    const double value = type == VT_R8 ? V_R8(&result) : 0;
    VariantClear(&result);
    vlmSETLASTERROR(0);
    if (c.id == kSETMAXITERATION && SUCCEEDED(hr)) vlmSETMAXITERATION(1000);

    const auto fail = [&](const std::string& why) { return c.what + " (case " + std::to_string(index) + "): " + why; };
    if (hr != c.expected) return fail("HRESULT " + std::to_string(hr) + ", expected " + std::to_string(c.expected));
    if (FAILED(hr)) {
      if (code != kStaleCode) return fail("a refusal changed the last-error code to " + std::to_string(code));
      if (position != c.argumentError) return fail("argument position " + std::to_string(position));
      return {};
    }
    const VARTYPE wanted = c.nullResult ? VARTYPE(VT_EMPTY) : c.resultType;
    if (type != wanted) return fail("result type " + std::to_string(type));
    if (const auto e = expectedValues_.find(index);
        e != expectedValues_.end() && std::memcmp(&value, &e->second, sizeof value))
      return fail("value " + std::to_string(value) + ", expected " + std::to_string(e->second));
    return {};
  }

  static SIZE_T privateBytes() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    return counters.PrivateUsage;
  }

  alignas(16) unsigned char zeros_[32] = {};
  SAFEARRAY* arrays_[2 * (VT_VERSIONED_STREAM + 3)] = {};
  std::size_t arrayCount_ = 0;
  IDispatch* object_ = nullptr;
  BSTR text_ = nullptr, word_ = nullptr;
  SAFEARRAY* array_ = nullptr;
  std::map<std::size_t, double> expectedValues_;
  std::vector<Case> cases_;
};

TEST_F(HostileInvoke, EveryCaseGetsItsAnswerWithoutLeaks) {
  const ULONG start = references();
  for (std::size_t i = 0; i < cases_.size(); ++i) {
    const std::string mismatch = run(i);
    EXPECT_TRUE(mismatch.empty()) << mismatch;
  }
  EXPECT_EQ(references(), start);
  EXPECT_GE(cases_.size(), 150u);

  // Memory after a first round (heaps and caches warmed) and after 10,000 more: a leak of
  // one small allocation per round would show as hundreds of kilobytes.
  const SIZE_T before = privateBytes();
  std::string first;
  for (int round = 0; round < 10000 && first.empty(); ++round) {
    for (std::size_t i = 0; i < cases_.size() && first.empty(); ++i) first = run(i);
  }
  EXPECT_TRUE(first.empty()) << first;
  EXPECT_EQ(references(), start);
  const SIZE_T after = privateBytes();
  RecordProperty("cases", static_cast<int>(cases_.size()));
  RecordProperty("growth_bytes", static_cast<int>(after - before));
  EXPECT_LT(after, before + 128 * 1024) << "grew from " << before << " to " << after;
}

}  // namespace
