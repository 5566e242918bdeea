// The calculator model: start-up, modes, rows, events and persistence, over the real library
// seen through a recorder of the calls.
#include "vlm/calc/calculator.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "store_fixture.hpp"
#include "vlmcore5.h"

namespace {

using namespace vlm::calc;
using calctest::freshProductKey;
using calctest::readValue;
using calctest::writeValue;

// --- a library that records every call and forwards it to the real one ----------------

struct Call {
  std::string name;
  double a = 0, b = 0;
};
std::vector<Call> calls;
std::map<std::string, double> forced;  // results replaced after the real call

double record(const char* name, double result, double a = 0, double b = 0) {
  calls.push_back({name, a, b});
  const auto f = forced.find(name);
  return f == forced.end() ? result : f->second;
}

// clang-format off
#define ONE(fn) double VLM_CALL rec_##fn(double a) { return record(#fn, vlm##fn(a), a); }
#define TWO(fn) double VLM_CALL rec_##fn(double a, double b) { return record(#fn, vlm##fn(a, b), a, b); }
#define FAMILY(x) ONE(V##x) ONE(S##x) ONE(H##x) ONE(U##x) ONE(CP##x) ONE(CV##x) ONE(W##x) \
                  ONE(THERMCOND##x) ONE(DYNVIS##x) ONE(KINVIS##x) ONE(PRANDTLE##x)
TWO(VPT) TWO(SPT) TWO(HPT) TWO(UPT) TWO(CPPT) TWO(CVPT) TWO(WPT) TWO(THERMCONDPT) TWO(DYNVISPT) TWO(KINVISPT)
TWO(PRANDTLEPT)
FAMILY(SWT)
FAMILY(SST)
TWO(VSTX) TWO(SSTX) TWO(HSTX) TWO(USTX)
ONE(SURFTENT) ONE(RST) ONE(TSP) ONE(PST)

int VLM_CALL rec_GETLASTERROR() {
  calls.push_back({"GETLASTERROR"});
  return vlmGETLASTERROR();
}
const char* VLM_CALL rec_GETLASTERRORDESCRIPTION() {
  calls.push_back({"GETLASTERRORDESCRIPTION"});
  return vlmGETLASTERRORDESCRIPTION();
}
int VLM_CALL rec_SETCHECKRANGEMODE(int mode) {
  calls.push_back({"SETCHECKRANGEMODE", static_cast<double>(mode)});
  return vlmSETCHECKRANGEMODE(mode);
}
// clang-format on

#define LIST(x)                                                                                              \
  {                                                                                                          \
    rec_V##x, rec_S##x, rec_H##x, rec_U##x, rec_CP##x, rec_CV##x, rec_W##x, rec_THERMCOND##x, rec_DYNVIS##x, \
        rec_KINVIS##x, rec_PRANDTLE##x                                                                       \
  }
const Library recorder{LIST(PT),
                       LIST(SWT),
                       LIST(SST),
                       {rec_VSTX, rec_SSTX, rec_HSTX, rec_USTX},
                       rec_SURFTENT,
                       rec_RST,
                       rec_TSP,
                       rec_PST,
                       rec_GETLASTERROR,
                       rec_GETLASTERRORDESCRIPTION,
                       rec_SETCHECKRANGEMODE};

std::vector<std::string> names() {
  std::vector<std::string> out;
  for (const Call& call : calls) out.push_back(call.name);
  return out;
}

// The library's text for a code, in whatever language the library reads.
std::string description(int code) {
  vlmSETLASTERROR(code);
  std::string text = vlmGETLASTERRORDESCRIPTION();
  vlmSETLASTERROR(0);
  return text;
}

class CalculatorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    forced.clear();
    key = freshProductKey(::testing::UnitTest::GetInstance()->current_test_info()->name());
  }
  void TearDown() override { vlmSETCHECKRANGEMODE(1); }
  Calculator start() { return Calculator(SettingsStore(key), recorder); }
  std::string calculatorKey() const { return SettingsStore(key).calculatorKey(); }

  std::string key;
};

const std::vector<int> kSecondArgument = {id::kArgument2Label, id::kArgument2Edit, id::kArgument2UpDown,
                                          id::kArgument2Unit};

// --- start-up and visibility ------------------------------------------------------------

TEST_F(CalculatorTest, FirstRun) {
  Calculator calc = start();
  EXPECT_EQ(calc.mode(), Mode::PT);
  EXPECT_EQ(calc.phase(), Phase::Water);
  EXPECT_EQ(calc.language(), Language::English);
  EXPECT_EQ(calc.digitCount(), 5);
  EXPECT_TRUE(calc.rangeCheck());
  EXPECT_EQ(calc.text(id::kArgument1Edit), "100000.");
  EXPECT_EQ(calc.text(id::kArgument2Edit), "373.15");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument1Unit), "Pa");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument2Unit), "K");
  EXPECT_EQ(calc.label(id::kArgument1Label), "\xc4\xe0\xe2\xeb\xe5\xed\xe8\xe5:");              // Давление:
  EXPECT_EQ(calc.label(id::kArgument2Label), "\xd2\xe5\xec\xef\xe5\xf0\xe0\xf2\xf3\xf0\xe0:");  // Температура:
  EXPECT_EQ(calc.label(1009), "\xce\xe1\xfa\xe5\xec:");                                         // Объем:
  EXPECT_EQ(calc.tabs(id::kModeTabs).size(), 5u);
  for (const RowInfo& row : rows()) {
    if (row.unitId != 0) {
      EXPECT_EQ(calc.selectedUnit(row.unitId), 0) << row.key;
    }
  }
  EXPECT_EQ(calc.unitList(id::kArgument1Unit).size(), 10u);
  EXPECT_EQ(calc.unitList(1054).front(), "J/kg");
  EXPECT_EQ(calc.text(1011), formatNumber(vlmVPT(100000, 373.15), 5));
  EXPECT_FALSE(calc.failed(Row::V));
  // Nothing is written at start.
  EXPECT_EQ(readValue(calculatorKey(), "PressureValue"), "<none>");
}

TEST_F(CalculatorTest, VisibilityByMode) {
  Calculator calc = start();
  const auto shown = [&](Row row) { return calc.visible(rowInfo(row).valueId); };
  for (int mode = 0; mode < kModeCount; ++mode) {
    calc.tabSelected(id::kModeTabs, mode);
    const bool second = mode == 0 || mode >= 3;
    const bool saturation = mode == 1 || mode == 2;
    for (int control : kSecondArgument) EXPECT_EQ(calc.visible(control), second) << mode;
    EXPECT_EQ(calc.visible(id::kPhaseTabs), saturation) << mode;
    EXPECT_EQ(shown(Row::ST), saturation) << mode;
    EXPECT_EQ(shown(Row::R), mode != 0) << mode;
    EXPECT_EQ(calc.visible(1057), mode != 0) << mode;
    for (Row row : {Row::CP, Row::CV, Row::W, Row::TC, Row::KV, Row::DV, Row::Prandtl}) {
      EXPECT_EQ(shown(row), mode <= 2) << mode;
    }
    for (Row row : {Row::V, Row::S, Row::H, Row::U}) EXPECT_TRUE(shown(row));
    EXPECT_TRUE(calc.visible(id::kArgument1Edit));
    EXPECT_FALSE(calc.visible(1048)) << "not a control of the window";
  }
}

// --- which function fills which row -------------------------------------------------

TEST_F(CalculatorTest, CallsFollowTheRowTable) {
  Calculator calc = start();
  using V = std::vector<std::string>;
  const V pointRows = {"VPT", "HPT",         "SPT",      "UPT",      "CPPT",      "CVPT",
                       "WPT", "THERMCONDPT", "KINVISPT", "DYNVISPT", "PRANDTLEPT"};
  const auto saturated = [](const std::string& x) {
    return V{"SURFTENT", "RST",   "V" + x,         "H" + x,      "S" + x,      "U" + x,       "CP" + x,
             "CV" + x,   "W" + x, "THERMCOND" + x, "KINVIS" + x, "DYNVIS" + x, "PRANDTLE" + x};
  };
  const auto join = [](V a, const V& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const V wet = {"RST", "VSTX", "HSTX", "SSTX", "USTX"};

  calls.clear();
  calc.editChanged(id::kArgument1Edit, "3000000");
  EXPECT_EQ(names(), pointRows);
  EXPECT_EQ(calls[0].a, 3000000);
  EXPECT_EQ(calls[0].b, 373.15);

  calls.clear();
  calc.tabSelected(id::kModeTabs, 1);
  EXPECT_EQ(names(), join({"TSP", "GETLASTERROR"}, saturated("SWT")));
  calls.clear();
  calc.tabSelected(id::kPhaseTabs, 1);
  EXPECT_EQ(names(), join({"TSP", "GETLASTERROR"}, saturated("SST")));
  const double ts = vlmTSP(3000000);
  for (std::size_t i = 2; i < calls.size(); ++i) EXPECT_EQ(calls[i].a, ts) << calls[i].name;

  calls.clear();
  calc.tabSelected(id::kModeTabs, 2);
  EXPECT_EQ(names(), join({"PST", "GETLASTERROR"}, saturated("SST")));
  for (const Call& call : calls) EXPECT_TRUE(call.name == "GETLASTERROR" || call.a == 373.15) << call.name;

  calls.clear();
  calc.tabSelected(id::kModeTabs, 3);
  EXPECT_EQ(names(), join({"TSP", "GETLASTERROR"}, wet));
  EXPECT_EQ(calls.back().a, ts);
  EXPECT_EQ(calls.back().b, 1.0);

  calls.clear();
  calc.tabSelected(id::kModeTabs, 4);
  EXPECT_EQ(names(), join({"PST", "GETLASTERROR"}, wet));
  EXPECT_EQ(calls.back().a, 373.15);
}

TEST_F(CalculatorTest, FailedRowsShowTheLibraryText) {
  Calculator calc = start();
  // Mode "F(Tнас)" at 200 K: row Ps and every saturation row report out of range.
  calc.tabSelected(id::kModeTabs, 2);
  calls.clear();
  calc.editChanged(id::kArgument1Edit, "200");
  EXPECT_EQ(names()[0], "PST");
  EXPECT_EQ(names()[1], "GETLASTERROR");
  EXPECT_EQ(names()[2], "GETLASTERRORDESCRIPTION");
  for (Row row : {Row::Ps, Row::ST, Row::R, Row::V, Row::H, Row::S, Row::U, Row::CP, Row::CV, Row::W, Row::TC, Row::KV,
                  Row::DV, Row::Prandtl}) {
    EXPECT_TRUE(calc.failed(row)) << rowInfo(row).key;
    EXPECT_EQ(calc.result(row), description(2)) << rowInfo(row).key;
  }
  // Mode "F(P, X)" with a dryness of 1.5: rows V, H, S, U fail; Ps and R show numbers.
  calc.tabSelected(id::kModeTabs, 3);
  calc.editChanged(id::kArgument2Edit, "1.5");
  for (Row row : {Row::V, Row::H, Row::S, Row::U}) EXPECT_EQ(calc.result(row), description(2)) << rowInfo(row).key;
  EXPECT_FALSE(calc.failed(Row::Ps));
  EXPECT_FALSE(calc.failed(Row::R));
  EXPECT_EQ(calc.result(Row::Ps), formatNumber(vlmTSP(100000), 5));
  EXPECT_EQ(calc.result(Row::R), formatNumber(vlmRST(vlmTSP(100000)), 5));
}

TEST_F(CalculatorTest, MinusOneWithoutAnErrorCodeIsAValue) {
  Calculator calc = start();
  forced["VPT"] = -1.0;
  forced["HPT"] = -1.0;
  calc.editChanged(id::kArgument1Edit, "3000000");
  EXPECT_EQ(calc.result(Row::V), "-1.");
  EXPECT_FALSE(calc.failed(Row::V));
  EXPECT_EQ(calc.result(Row::H), formatNumber(-1.0, 5));
}

TEST_F(CalculatorTest, RangeCheckToggle) {
  Calculator calc = start();
  calc.editChanged(id::kArgument1Edit, "150000000");  // 150 MPa, above the library's range
  EXPECT_TRUE(calc.failed(Row::V));
  calls.clear();
  calc.toggleRangeCheck();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls[0].name, "SETCHECKRANGEMODE");
  EXPECT_EQ(calls[0].a, 0);
  EXPECT_FALSE(calc.rangeCheck());
  EXPECT_FALSE(calc.failed(Row::V));
  EXPECT_EQ(calc.result(Row::V), formatNumber(vlmVPT(150000000, 373.15), 5));
  calls.clear();
  calc.toggleRangeCheck();
  EXPECT_EQ(calls[0].a, 1);
  EXPECT_TRUE(calc.rangeCheck());
  EXPECT_TRUE(calc.failed(Row::V));
}

// --- units, steps and digits ---------------------------------------------------------

TEST_F(CalculatorTest, ArgumentUnitChangeRereadsTheText) {
  Calculator calc = start();
  calls.clear();
  calc.unitSelected(id::kArgument1Unit, 3);  // kPa
  EXPECT_EQ(calc.text(id::kArgument1Edit), "100000.");
  EXPECT_EQ(calls[0].a, 1e8);
  calc.unitSelected(id::kArgument1Unit, 10);  // no such entry: nothing changes
  EXPECT_EQ(calc.selectedUnitText(id::kArgument1Unit), "kPa");
  calls.clear();
  calc.editChanged(id::kArgument1Edit, "1e");  // typed so far: reads as 1
  EXPECT_EQ(calls[0].a, 1000);
}

// A text not read whole still computes with the number at its start; the field's note names
// that number, in the language in force.
TEST_F(CalculatorTest, ArgumentsNotReadWholeAreNoted) {
  Calculator calc = start();
  EXPECT_EQ(calc.readingNote(id::kArgument1Edit), "");
  for (const char* text : {"3,5", "20 bar", "abc", "1e", "", " 7 ", "2.5e1"}) {
    calls.clear();
    calc.editChanged(id::kArgument2Edit, text);
    EXPECT_EQ(calls[0].b, parseNumber(text)) << text;
    EXPECT_EQ(calc.readingNote(id::kArgument2Edit).empty(), readNumber(text).whole) << text;
  }
  calc.editChanged(id::kArgument1Edit, "3,5");
  EXPECT_EQ(calc.readingNote(id::kArgument1Edit), "Read as 3: \",5\" is ignored. The decimal separator is a point.");
  calc.editChanged(id::kArgument1Edit, "abc");
  EXPECT_EQ(calc.readingNote(id::kArgument1Edit), "Read as 0: \"abc\" is ignored.");
  calc.editChanged(id::kArgument1Edit, "1 " + std::string(30, 'x'));
  EXPECT_EQ(calc.readingNote(id::kArgument1Edit), "Read as 1: \"" + std::string(24, 'x') + "\x85\" is ignored.");
  EXPECT_EQ(calc.readingNote(1011), "");  // result fields carry no note
  calc.upDown(id::kArgument1UpDown, 1);   // the step writes a whole number back
  EXPECT_EQ(calc.text(id::kArgument1Edit), "2.");
  EXPECT_EQ(calc.readingNote(id::kArgument1Edit), "");

  writeValue(key, "Language", "Russian");
  Calculator russian = start();
  russian.editChanged(id::kArgument1Edit, "12,5");
  // Прочитано как 12: «,5» не учитывается. Десятичный разделитель — точка.
  EXPECT_EQ(russian.readingNote(id::kArgument1Edit),
            "\xcf\xf0\xee\xf7\xe8\xf2\xe0\xed\xee \xea\xe0\xea 12: \xab,5\xbb \xed\xe5 "
            "\xf3\xf7\xe8\xf2\xfb\xe2\xe0\xe5\xf2\xf1\xff. \xc4\xe5\xf1\xff\xf2\xe8\xf7\xed\xfb\xe9 "
            "\xf0\xe0\xe7\xe4\xe5\xeb\xe8\xf2\xe5\xeb\xfc \x97 \xf2\xee\xf7\xea\xe0.");
}

// The first row of a steam table, 0.1 MPa and 0.01 °C, is a state of the library's range.
TEST_F(CalculatorTest, FirstRowOfASteamTable) {
  Calculator calc = start();
  calc.unitSelected(id::kArgument1Unit, 9);  // MPa
  calc.unitSelected(id::kArgument2Unit, 1);  // °C
  calc.editChanged(id::kArgument1Edit, "0.1");
  calc.editChanged(id::kArgument2Edit, "0.01");
  EXPECT_EQ(calls.back().b, 273.16);
  for (const RowInfo& row : rows()) {
    EXPECT_FALSE(calc.visible(row.row) && calc.failed(row.row)) << row.key << ": " << calc.result(row.row);
  }
}

TEST_F(CalculatorTest, ResultUnitChangeConvertsAndIsRemembered) {
  Calculator calc = start();
  calc.editChanged(id::kArgument1Edit, "3000000");
  calc.editChanged(id::kArgument2Edit, "300");
  calc.unitSelected(1024, 1);  // row H in kJ/kg
  EXPECT_EQ(calc.result(Row::H), formatNumber(vlmHPT(3000000, 300) * (1.0 / 1000), 5));
  EXPECT_EQ(at(calc.remembered(), Setting::HUnit), "kJ/kg");
  // Row Ps: a saturation-temperature unit in mode 1, a saturation-pressure unit in mode 2.
  calc.tabSelected(id::kModeTabs, 1);
  calc.unitSelected(1057, 1);
  EXPECT_EQ(at(calc.remembered(), Setting::SatTUnit),
            "\xb0"
            "C");
  EXPECT_EQ(calc.result(Row::Ps), formatNumber(vlmTSP(3000000) - 273.15, 5));
  calc.tabSelected(id::kModeTabs, 2);
  EXPECT_EQ(calc.label(1055), "\xc4\xe0\xe2\xeb\xe5\xed\xe8\xe5 \xed\xe0\xf1\xfb\xf9\xe5\xed\xe8\xff:");
  EXPECT_EQ(calc.selectedUnitText(1057), "Pa");
  calc.unitSelected(1057, 7);
  EXPECT_EQ(at(calc.remembered(), Setting::SatPUnit), "bar");
  EXPECT_EQ(at(calc.remembered(), Setting::SatTUnit),
            "\xb0"
            "C");
  EXPECT_EQ(calc.result(Row::Ps), formatNumber(vlmPST(300) / 100000, 5));
}

TEST_F(CalculatorTest, UpDownSteps) {
  Calculator calc = start();
  calc.upDown(id::kArgument1UpDown, 1);
  EXPECT_EQ(calc.text(id::kArgument1Edit), "100001.");
  calc.unitSelected(id::kArgument2Unit, 1);  // °C
  calc.upDown(id::kArgument2UpDown, 1);
  EXPECT_EQ(calc.text(id::kArgument2Edit), "374.15");
  EXPECT_EQ(calls.back().b, 374.15 + 273.15);
  calc.editChanged(id::kArgument2Edit, "abc");
  calc.upDown(id::kArgument2UpDown, -5);
  EXPECT_EQ(calc.text(id::kArgument2Edit), "-5.");
  calc.editChanged(id::kArgument2Edit, "0.1");
  calc.upDown(id::kArgument2UpDown, 1);
  EXPECT_EQ(calc.text(id::kArgument2Edit), "1.1");
  for (const char* huge : {"1e999", "-1e999"}) {  // no finite step: the text stays
    calc.editChanged(id::kArgument2Edit, huge);
    calc.upDown(id::kArgument2UpDown, 1);
    EXPECT_EQ(calc.text(id::kArgument2Edit), huge);
  }
}

TEST_F(CalculatorTest, DigitCountDialog) {
  Calculator calc = start();
  EXPECT_EQ(calc.digitDialogText(), "5");
  calc.digitDialogOk("20");
  EXPECT_EQ(calc.digitCount(), 15);
  EXPECT_EQ(calc.result(Row::V), formatNumber(vlmVPT(100000, 373.15), 15));
  calc.digitDialogOk("0");
  EXPECT_EQ(calc.digitCount(), 1);
  calc.digitDialogOk("");
  EXPECT_EQ(calc.digitCount(), 1);
  EXPECT_EQ(calc.result(Row::V), formatNumber(vlmVPT(100000, 373.15), 1));
  calc.digitDialogOk("7");
  calls.clear();
  calc.digitDialogCancel();
  EXPECT_EQ(calc.digitCount(), 7);
  EXPECT_FALSE(calls.empty()) << "Cancel recalculates too";
}

// --- modes and persistence -----------------------------------------------------------

TEST_F(CalculatorTest, ModeSwitchesCarryTheInputs) {
  Calculator calc = start();
  calc.editChanged(id::kArgument1Edit, "20");
  calc.unitSelected(id::kArgument1Unit, 9);  // MPa
  calc.editChanged(id::kArgument2Edit, "300");
  calc.unitSelected(id::kArgument2Unit, 1);  // °C
  calc.tabSelected(id::kModeTabs, 3);
  EXPECT_EQ(calc.text(id::kArgument1Edit), "20");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument1Unit), "MPa");
  EXPECT_EQ(calc.text(id::kArgument2Edit), "1.");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument2Unit), "portion");
  EXPECT_EQ(calc.label(id::kArgument2Label), "\xd1\xf2\xe5\xef\xe5\xed\xfc \xf1\xf3\xf5\xee\xf1\xf2\xe8:");
  calc.editChanged(id::kArgument2Edit, "50");
  calc.unitSelected(id::kArgument2Unit, 1);  // %
  EXPECT_EQ(calls.back().b, 0.5);
  calc.tabSelected(id::kModeTabs, 4);
  EXPECT_EQ(calc.text(id::kArgument1Edit), "300");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument1Unit),
            "\xb0"
            "C");
  EXPECT_EQ(calc.text(id::kArgument2Edit), "50");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument2Unit), "%");
  calc.tabSelected(id::kModeTabs, 1);
  EXPECT_EQ(calc.text(id::kArgument1Edit), "20");
  calc.tabSelected(id::kModeTabs, 0);
  EXPECT_EQ(calc.text(id::kArgument2Edit), "300");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument2Unit),
            "\xb0"
            "C");
}

TEST_F(CalculatorTest, WritesOnlyAtClosingAndRestartsFromThem) {
  {
    Calculator calc = start();
    calc.editChanged(id::kArgument1Edit, "20");
    calc.unitSelected(id::kArgument1Unit, 9);
    calc.unitSelected(1012, 1);  // V in cm3/g
    calc.digitDialogOk("8");
    calc.tabSelected(id::kModeTabs, 4);
    calc.editChanged(id::kArgument1Edit, "350");
    calc.editChanged(id::kArgument2Edit, "0.25");
    calc.unitSelected(1057, 3);  // Ps in kPa
    EXPECT_EQ(readValue(calculatorKey(), "PressureValue"), "<none>");
    EXPECT_EQ(readValue(calculatorKey(), "VolumeUnit"), "<none>");
    calc.close();
  }
  // Closing in mode "F(T, X)" stored its temperature, dryness and Ps unit, and the pressure
  // remembered from mode 0.
  EXPECT_EQ(readValue(calculatorKey(), "TemperatureValue"), "350");
  EXPECT_EQ(readValue(calculatorKey(), "TemperatureUnit"), "K");
  EXPECT_EQ(readValue(calculatorKey(), "DODValue"), "0.25");
  EXPECT_EQ(readValue(calculatorKey(), "SatPUnit"), "kPa");
  EXPECT_EQ(readValue(calculatorKey(), "SatTUnit"), "K");
  EXPECT_EQ(readValue(calculatorKey(), "PressureValue"), "20");
  EXPECT_EQ(readValue(calculatorKey(), "PressureUnit"), "MPa");
  EXPECT_EQ(readValue(calculatorKey(), "VolumeUnit"), "cm3/g");
  EXPECT_EQ(readValue(calculatorKey(), "Accuracy"), "8");

  Calculator again = start();
  EXPECT_EQ(again.mode(), Mode::PT);
  EXPECT_EQ(again.text(id::kArgument1Edit), "20");
  EXPECT_EQ(again.selectedUnitText(id::kArgument1Unit), "MPa");
  EXPECT_EQ(again.text(id::kArgument2Edit), "350");
  EXPECT_EQ(again.selectedUnitText(1012), "cm3/g");
  EXPECT_EQ(again.digitCount(), 8);
  EXPECT_EQ(again.result(Row::V), formatNumber(vlmVPT(20e6, 350) * (1.0 / 0.001), 8));
  again.tabSelected(id::kModeTabs, 4);
  EXPECT_EQ(again.text(id::kArgument2Edit), "0.25");
  EXPECT_EQ(again.selectedUnitText(1057), "kPa");
}

TEST_F(CalculatorTest, StoredAccuracyIsBroughtIntoRange) {
  const std::string path = calculatorKey();
  for (const auto& [stored, digits] : std::vector<std::pair<std::string, int>>{
           {"40", 15}, {"-2", 1}, {"abc", 1}, {" 7 digits", 7}, {"99999999999999999999", 15}}) {
    writeValue(path, "Accuracy", stored);
    EXPECT_EQ(start().digitCount(), digits) << stored;
  }
}

TEST_F(CalculatorTest, RememberedUnitsMatchByLeadingTextIgnoringCase) {
  const std::string path = calculatorKey();
  writeValue(path, "PressureUnit", "KPA");
  writeValue(path, "TemperatureUnit",
             "\xb0"
             "f");
  writeValue(path, "HUnit", "kc");
  Calculator calc = start();
  EXPECT_EQ(calc.selectedUnitText(id::kArgument1Unit), "kPa");
  EXPECT_EQ(calc.selectedUnitText(id::kArgument2Unit),
            "\xb0"
            "F");
  EXPECT_EQ(calc.selectedUnitText(1024), "kcal/kg");
}

TEST_F(CalculatorTest, UnitNamesOfTheOtherLanguageSelectTheFirstUnit) {
  const std::string path = calculatorKey();
  writeValue(path, "PressureUnit", "\xcc\xcf\xe0");    // МПа
  writeValue(path, "HUnit", "\xea\xc4\xe6/\xea\xe3");  // кДж/кг
  {
    Calculator english = start();
    EXPECT_EQ(english.selectedUnitText(id::kArgument1Unit), "Pa");
    EXPECT_EQ(english.selectedUnitText(1024), "J/kg");
    EXPECT_EQ(english.result(Row::H), formatNumber(vlmHPT(100000, 373.15), 5));
  }
  writeValue(key, "Language", "Russian");
  Calculator russian = start();
  EXPECT_EQ(russian.language(), Language::Russian);
  EXPECT_EQ(russian.selectedUnit(id::kArgument1Unit), 9);
  EXPECT_EQ(russian.selectedUnit(1024), 1);
  EXPECT_EQ(russian.selectedUnitText(1012), "\xec\x33/\xea\xe3");  // м3/кг
  EXPECT_TRUE(russian.failed(Row::H)) << "100000. MPa is beyond the library's range";
  russian.close();
  EXPECT_EQ(readValue(calculatorKey(), "VolumeUnit"), "\xec\x33/\xea\xe3");
  EXPECT_EQ(readValue(calculatorKey(), "PressureUnit"), "\xcc\xcf\xe0");
}

}  // namespace
