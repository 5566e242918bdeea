// The add-in loaded through the host as the worksheet program loads it, with the stand-in
// mcaduser.dll recording what it registers.  The library is the same vlmcore5.dll the add-in
// calls, so the tests can compare with the exports and set its state directly.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "host.hpp"
#include "support/product_key.hpp"
#include "vlm/product_key.hpp"
#include "vlmcore5.h"

namespace {

constexpr const char* kRangeMessage = "Function is not defined for this parameters range";
constexpr const char* kFaultMessage = "Bad parameters: error occur in float-point calculations";
constexpr const char* kRootMessage = "Root not found for maximum iteration's count";

struct Expected {
  std::string name;
  std::string parameters;
};

// The registration order the worksheet sees, group by group.
std::vector<Expected> expectedOrder() {
  std::vector<Expected> order;
  auto add = [&](const std::string& name, const std::string& parameters) {
    order.push_back({"vlm" + name, parameters});
  };
  auto each = [&](std::initializer_list<const char*> codes, const std::string& suffix, const std::string& parameters) {
    for (const char* code : codes) add(code + suffix, parameters);
  };
  const auto caloric = {"V", "U", "S", "H", "CP", "CV", "W"};
  const auto saturated = {"V", "U", "S", "H", "CP", "CV", "W", "THERMCOND", "DYNVIS", "PRANDTLE", "KINVIS", "K"};

  add("PST", "t");
  add("TSP", "p");
  add("GETCHECKRANGEMODE", "nothing");
  add("SETCHECKRANGEMODE", "mode");
  add("GETLASTERROR", "nothing");
  add("SETLASTERROR", "ErrCode");
  add("SETDELTATS", "delta");
  add("GETDELTATS", "nothing");
  add("SETMAXITERATION", "maxiteration");
  add("GETMAXITERATION", "nothing");
  add("SETDELTAPRESSURE", "delta");
  add("GETDELTAPRESSURE", "nothing");
  add("SETINITWATERDENSITY", "density");
  add("GETINITWATERDENSITY", "nothing");
  add("SETINITSTEAMDENSITY", "density");
  add("GETINITSTEAMDENSITY", "nothing");
  add("T23P", "p");
  add("P23T", "t");
  add("WATERSTATEAREA", "p, t");
  add("WATERSTATEAREA2", "p, t");
  add("SURFTENT", "t");
  each({"THERMCOND", "DYNVIS"}, "RT", "r, t");
  each(caloric, "1PT", "p, t");
  add("T1PH", "p, h");
  add("T1PS", "p, s");
  each(caloric, "2PT", "p, t");
  each(caloric, "PT", "p, t");
  each({"THERMCOND", "DYNVIS", "PRANDTLE", "KINVIS", "K"}, "PT", "p, t");
  add("P3RT", "r, t");
  add("R3PTR0", "p, t, r0");
  add("R3PT", "p, t");
  each({"U", "S", "H", "CP", "CV", "W"}, "3RT", "r, t");
  each(caloric, "3PT", "p, t");
  each(caloric, "5PT", "p, t");
  each(saturated, "SWT", "t");
  add("RST", "t");
  each(saturated, "SST", "t");
  each(saturated, "STX", "t, x");
  each(saturated, "PTX", "p, t, x");
  for (const auto& [code, symbol] : std::initializer_list<std::pair<const char*, const char*>>{
           {"V", "v"},
           {"U", "u"},
           {"S", "s"},
           {"H", "h"},
           {"CP", "cp"},
           {"CV", "cv"},
           {"W", "w"},
           {"THERMCOND", "tc"},
           {"DYNVIS", "dv"},
           {"KINVIS", "kv"},
           {"PRANDTLE", "pr"},
           {"K", "k"},
       }) {
    add(std::string("XST") + code, std::string("t, ") + symbol);
  }
  return order;
}

constexpr McadComplex kUntouched{-7.0, 42.0};  // what a result holds before the call

class Addin : public ::testing::Test {
 protected:
  void SetUp() override { vlmtest::removeLanguageValue(); }

  void TearDown() override {
    host_.unload();
    vlmSETCHECKRANGEMODE(1);
    vlmSETDELTATS(1.0);
    vlmSETMAXITERATION(1000);
    vlmSETDELTAPRESSURE(0.0001);
    vlmSETINITWATERDENSITY(800.0);
    vlmSETINITSTEAMDENSITY(10.0);
    vlmSETLASTERROR(0);
    vlmtest::removeLanguageValue();
  }

  void load(bool refuseErrorTable = false) {
    ASSERT_TRUE(host_.load("vlmmcad.dll", refuseErrorTable)) << "error " << GetLastError();
  }

  mcadhost::Outcome call(const char* name, std::vector<McadComplex> arguments) {
    const McadFunctionInfo* function = host_.find(name);
    if (function == nullptr) {
      ADD_FAILURE() << name << " is not registered";
      return {{std::nan(""), std::nan("")}, 0xFFFFFFFFu};
    }
    return mcadhost::Host::call(*function, arguments, kUntouched);
  }

  mcadhost::Host host_;
};

TEST_F(Addin, RegistersTheErrorTableAndEveryExportButTheDescriptionInOrder) {
  load();
  const McadErrorTableCall* table = host_.errorTable();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->calls, 1u);
  EXPECT_EQ(table->count, 5u);
  EXPECT_TRUE(table->accepted);
  EXPECT_EQ(table->instance, host_.module());

  const std::vector<Expected> expected = expectedOrder();
  const std::vector<const McadFunctionInfo*> registered = host_.functions();
  ASSERT_EQ(expected.size(), 135u);
  ASSERT_EQ(registered.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE("position " + std::to_string(i + 1) + ", " + expected[i].name);
    const McadFunctionInfo& f = *registered[i];
    EXPECT_EQ(f.name, expected[i].name);
    EXPECT_EQ(f.parameters, expected[i].parameters);
    EXPECT_STREQ(f.description, "");
    EXPECT_EQ(f.returnType, 1u);
    const auto count =
        static_cast<std::uint32_t>(std::count(expected[i].parameters.begin(), expected[i].parameters.end(), ',') + 1);
    EXPECT_EQ(f.argCount, count);
    for (std::uint32_t slot = 0; slot < MCAD_MAX_ARGUMENTS; ++slot) EXPECT_EQ(f.argTypes[slot], slot < count ? 1u : 0u);
    EXPECT_NE(f.function, nullptr);
    EXPECT_EQ(mcaduserFunctionCall(static_cast<unsigned>(i + 1))->instance, host_.module());
  }

  // Where the worksheet set differs from the other interfaces.
  auto position = [&](const char* name) {
    const auto at = std::find_if(registered.begin(), registered.end(),
                                 [&](const McadFunctionInfo* f) { return std::string(f->name) == name; });
    return at == registered.end() ? -1 : static_cast<int>(at - registered.begin()) + 1;
  };
  EXPECT_GT(position("vlmCP3PT"), 0);
  EXPECT_EQ(position("vlmGETLASTERRORDESCRIPTION"), -1);
  EXPECT_EQ(position("vlmSURFTENT"), position("vlmWATERSTATEAREA2") + 1);
  EXPECT_EQ(position("vlmXSTPRANDTLE"), 134);
  EXPECT_EQ(position("vlmXSTK"), 135);
}

TEST_F(Addin, RefusedErrorTableRegistersNoFunctionYetLoads) {
  load(/*refuseErrorTable=*/true);
  EXPECT_NE(host_.module(), nullptr);
  ASSERT_NE(host_.errorTable(), nullptr);
  EXPECT_EQ(host_.errorTable()->calls, 1u);
  EXPECT_FALSE(host_.errorTable()->accepted);
  EXPECT_TRUE(host_.functions().empty());

  // Registration happens on every load.
  load();
  EXPECT_TRUE(host_.errorTable()->accepted);
  EXPECT_EQ(host_.functions().size(), 135u);
}

// Writes Language with a registry type of its own choosing.
void setLanguageValue(DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  ASSERT_EQ(
      RegCreateKeyExA(HKEY_LOCAL_MACHINE, vlm::kProductKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
      ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, vlm::kLanguageValue, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                           static_cast<DWORD>(bytes.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

TEST_F(Addin, LanguageValueChoosesTheTableOnceAtLoad) {
  using namespace std::string_literals;
  struct Case {
    const char* what;
    void (*prepare)();
    bool russian;
  };
  const Case cases[] = {
      {"no product key", [] { vlmtest::removeProductKey(); }, false},
      {"no Language value", [] { vlmtest::removeLanguageValue(); }, false},
      {"RUSSIAN", [] { vlmtest::setLanguage("RUSSIAN"); }, true},
      {"russian", [] { vlmtest::setLanguage("russian"); }, true},
      {"Russian with a trailing blank", [] { vlmtest::setLanguage("Russian "); }, false},
      {"English", [] { vlmtest::setLanguage("English"); }, false},
      {"Russian as binary data", [] { setLanguageValue(REG_BINARY, "Russian"); }, true},
      {"Russian, then more than the buffer holds", [] { vlmtest::setLanguage("Russian\0"s + std::string(300, 'x')); },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.prepare();
    load();
    const McadErrorTableCall* table = host_.errorTable();
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->count, 5u);
    EXPECT_EQ(std::string(table->messages[2]) == kRangeMessage, !c.russian);
    // The library chooses its texts from the same value by the same rule: message n is its
    // text for code n - 1, byte for byte.
    for (int code = 0; code < 5; ++code) {
      vlmSETLASTERROR(code);
      EXPECT_STREQ(table->messages[code], vlmGETLASTERRORDESCRIPTION()) << "code " << code;
    }
    // A later change does not reach the table already registered.
    vlmtest::setLanguage(c.russian ? "English" : "Russian");
    EXPECT_EQ(std::string(table->messages[2]) == kRangeMessage, !c.russian);
    host_.unload();
  }
}

TEST_F(Addin, PropertyTakesRealPartsAndReportsSuccess) {
  load();
  call("vlmSETLASTERROR", {{2.0, 0.0}});  // a stale code must not show as this call's error

  const mcadhost::Outcome v = call("vlmV1PT", {{3e6, 0.0}, {300.0, 0.0}});
  EXPECT_EQ(v.status, 0u);
  EXPECT_EQ(v.value.real, vlmV1PT(3e6, 300.0));
  EXPECT_EQ(v.value.imag, kUntouched.imag);

  const mcadhost::Outcome complex = call("vlmV1PT", {{3e6, 5.0}, {300.0, -7.0}});
  EXPECT_EQ(complex.status, 0u);
  EXPECT_EQ(complex.value.real, v.value.real);

  // One, three arguments and an integer result.
  EXPECT_EQ(call("vlmPST", {{300.0, 1.0}}).value.real, vlmPST(300.0));
  EXPECT_EQ(call("vlmR3PTR0", {{25e6, 0.0}, {650.0, 0.0}, {500.0, 3.0}}).value.real, vlmR3PTR0(25e6, 650.0, 500.0));
  EXPECT_EQ(call("vlmHPTX", {{1e5, 0.0}, {372.7559, 0.0}, {0.5, 0.0}}).value.real, vlmHPTX(1e5, 372.7559, 0.5));
  const mcadhost::Outcome region = call("vlmWATERSTATEAREA2", {{3e6, 0.0}, {300.0, 0.0}});
  EXPECT_EQ(region.value.real, 1.0);
  EXPECT_EQ(region.status, 0u);
}

TEST_F(Addin, LibraryFailureBecomesTheMessageOfCodePlusOneOnTheFirstArgument) {
  load();
  // Below 273.16 K with range checking on: code 2.
  const mcadhost::Outcome range = call("vlmVPT", {{1e5, 0.0}, {200.0, 0.0}});
  EXPECT_EQ(range.value.real, -1.0);
  EXPECT_EQ(range.value.imag, kUntouched.imag);
  EXPECT_EQ(range.status, 0x10003u);
  EXPECT_EQ(mcadhost::Host::markedArgument(range.status), 1u);
  EXPECT_STREQ(host_.message(range.status), kRangeMessage);

  // No finite value at 0 K: a fault, code 1.
  const mcadhost::Outcome fault = call("vlmV1PT", {{3e6, 0.0}, {0.0, 0.0}});
  ASSERT_EQ(vlmGETLASTERROR(), 1);
  EXPECT_EQ(fault.value.real, -1.0);
  EXPECT_EQ(fault.status, 0x10002u);
  EXPECT_STREQ(host_.message(fault.status), kFaultMessage);

  // The density solver allowed one step: code 3.
  vlmSETMAXITERATION(1);
  const mcadhost::Outcome root = call("vlmR3PT", {{25e6, 0.0}, {650.0, 0.0}});
  ASSERT_EQ(vlmGETLASTERROR(), 3);
  EXPECT_EQ(root.status, 0x10004u);
  EXPECT_STREQ(host_.message(root.status), kRootMessage);
}

TEST_F(Addin, SettersStoreAndGettersAnswerWithoutErrorStatus) {
  load();
  call("vlmVPT", {{1e5, 0.0}, {200.0, 0.0}});
  ASSERT_EQ(vlmGETLASTERROR(), 2);  // settings calls ignore a pending error code

  struct Setting {
    const char* setter;
    const char* getter;
    double value;   // the real part passed; the imaginary part is ignored
    double stored;  // what the library keeps
  };
  const Setting settings[] = {
      {"vlmSETCHECKRANGEMODE", "vlmGETCHECKRANGEMODE", 5.9, 1.0},
      {"vlmSETDELTATS", "vlmGETDELTATS", 2.5, 2.5},
      {"vlmSETMAXITERATION", "vlmGETMAXITERATION", 99.9, 99.0},
      {"vlmSETDELTAPRESSURE", "vlmGETDELTAPRESSURE", 0.25, 0.25},
      {"vlmSETINITWATERDENSITY", "vlmGETINITWATERDENSITY", 750.5, 750.5},
      {"vlmSETINITSTEAMDENSITY", "vlmGETINITSTEAMDENSITY", 12.5, 12.5},
      {"vlmSETLASTERROR", "vlmGETLASTERROR", -3.5, 3.0},  // truncated to -3, stored as 3
  };
  for (const Setting& s : settings) {
    SCOPED_TRACE(s.setter);
    const mcadhost::Outcome set = call(s.setter, {{s.value, 9.0}});
    EXPECT_EQ(set.value.real, s.stored);
    EXPECT_EQ(set.value.imag, kUntouched.imag);
    EXPECT_EQ(set.status, 0u);
    const mcadhost::Outcome get = call(s.getter, {{123.0, 4.0}});
    EXPECT_EQ(get.value.real, s.stored);
    EXPECT_EQ(get.status, 0u);
  }
  EXPECT_EQ(vlmGETLASTERROR(), 3);  // a getter does not touch the code it reports
}

TEST_F(Addin, IntegerSettersTruncateTowardZeroAndClampToTheIntRange) {
  load();
  constexpr double inf = std::numeric_limits<double>::infinity();
  const std::pair<double, int> cases[] = {
      {99.9, 99},
      {-2.7, -2},
      {0.7, 0},
      {2147483647.9, INT_MAX},
      {2147483648.0, INT_MAX},
      {1e12, INT_MAX},
      {inf, INT_MAX},
      {-2147483648.9, INT_MIN},
      {-2147483649.0, INT_MIN},
      {-1e12, INT_MIN},
      {-inf, INT_MIN},
  };
  for (const auto& [value, stored] : cases) {
    SCOPED_TRACE(value);
    const mcadhost::Outcome set = call("vlmSETMAXITERATION", {{value, 0.0}});
    EXPECT_EQ(set.value.real, static_cast<double>(stored));
    EXPECT_EQ(vlmGETMAXITERATION(), stored);
  }
  EXPECT_EQ(call("vlmSETCHECKRANGEMODE", {{0.7, 0.0}}).value.real, 0.0);
  EXPECT_EQ(vlmGETCHECKRANGEMODE(), 0);
}

TEST_F(Addin, IntegerSettersRefuseNaNAndKeepTheSetting) {
  load();
  vlmSETLASTERROR(2);
  const std::pair<const char*, int(VLM_CALL*)()> setters[] = {{"vlmSETCHECKRANGEMODE", vlmGETCHECKRANGEMODE},
                                                              {"vlmSETMAXITERATION", vlmGETMAXITERATION},
                                                              {"vlmSETLASTERROR", vlmGETLASTERROR}};
  for (const auto& [setter, get] : setters) {
    SCOPED_TRACE(setter);
    const int before = get();
    const mcadhost::Outcome set = call(setter, {{std::nan(""), 0.0}});
    EXPECT_EQ(set.status, 0x10002u);
    EXPECT_STREQ(host_.message(set.status), kFaultMessage);
    EXPECT_EQ(get(), before);
  }
}

}  // namespace
