// Settings, the last-error code and its texts.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "support/product_key.hpp"
#include "vlmcore5.h"

namespace {

struct Snapshot {
  int checkRange, maxIteration, lastError;
  double deltaTs, deltaPressure, water, steam;
};

Snapshot capture() {
  return {vlmGETCHECKRANGEMODE(), vlmGETMAXITERATION(),     vlmGETLASTERROR(),       vlmGETDELTATS(),
          vlmGETDELTAPRESSURE(),  vlmGETINITWATERDENSITY(), vlmGETINITSTEAMDENSITY()};
}

// Taken while the program starts, before any test changes a setting.
const Snapshot atLoad = capture();

void restoreDefaults() {
  vlmSETCHECKRANGEMODE(1);
  vlmSETDELTATS(1.0);
  vlmSETMAXITERATION(1000);
  vlmSETDELTAPRESSURE(0.0001);
  vlmSETINITWATERDENSITY(800.0);
  vlmSETINITSTEAMDENSITY(10.0);
  vlmSETLASTERROR(0);
}

class Frame : public ::testing::Test {
 protected:
  void TearDown() override { restoreDefaults(); }
};

const char* const kEnglish[] = {
    "No error occurs",
    "Bad parameters: error occur in float-point calculations",
    "Function is not defined for this parameters range",
    "Root not found for maximum iteration's count",
    "Can't understand water state area",
};

// Windows-1251: "Ошибка отсутствует" and "Неизвестная область состояния воды".
const std::string kRussianNoError = "\xce\xf8\xe8\xe1\xea\xe0 \xee\xf2\xf1\xf3\xf2\xf1\xf2\xe2\xf3\xe5\xf2";
const std::string kRussianUnknownRegion =
    "\xcd\xe5\xe8\xe7\xe2\xe5\xf1\xf2\xed\xe0\xff \xee\xe1\xeb\xe0\xf1\xf2\xfc "
    "\xf1\xee\xf1\xf2\xee\xff\xed\xe8\xff \xe2\xee\xe4\xfb";

TEST_F(Frame, FreshLibraryHasTheDefaults) {
  EXPECT_EQ(atLoad.checkRange, 1);
  EXPECT_EQ(atLoad.deltaTs, 1.0);
  EXPECT_EQ(atLoad.maxIteration, 1000);
  EXPECT_EQ(atLoad.deltaPressure, 0.0001);
  EXPECT_EQ(atLoad.water, 800.0);
  EXPECT_EQ(atLoad.steam, 10.0);
  EXPECT_EQ(atLoad.lastError, 0);
}

TEST_F(Frame, CheckRangeModeStoresZeroOrOne) {
  EXPECT_EQ(vlmSETCHECKRANGEMODE(5), 1);
  EXPECT_EQ(vlmGETCHECKRANGEMODE(), 1);
  EXPECT_EQ(vlmSETCHECKRANGEMODE(0), 0);
  EXPECT_EQ(vlmGETCHECKRANGEMODE(), 0);
  EXPECT_EQ(vlmSETCHECKRANGEMODE(-1), 1);
  EXPECT_EQ(vlmSETCHECKRANGEMODE(INT_MIN), 1);
}

TEST_F(Frame, SettersStoreWhateverTheyAreGiven) {
  EXPECT_EQ(vlmSETDELTATS(-2.5), -2.5);
  EXPECT_EQ(vlmGETDELTATS(), -2.5);
  EXPECT_EQ(vlmSETMAXITERATION(0), 0);
  EXPECT_EQ(vlmGETMAXITERATION(), 0);
  EXPECT_EQ(vlmSETMAXITERATION(-7), -7);
  EXPECT_EQ(vlmGETMAXITERATION(), -7);
  EXPECT_EQ(vlmSETDELTAPRESSURE(-1e-3), -1e-3);
  EXPECT_EQ(vlmGETDELTAPRESSURE(), -1e-3);
  EXPECT_EQ(vlmSETINITWATERDENSITY(0.0), 0.0);
  EXPECT_EQ(vlmGETINITWATERDENSITY(), 0.0);
  EXPECT_EQ(vlmSETINITSTEAMDENSITY(1e300), 1e300);
  EXPECT_EQ(vlmGETINITSTEAMDENSITY(), 1e300);
}

TEST_F(Frame, SettingsLeaveTheLastErrorAlone) {
  vlmSETLASTERROR(3);
  vlmSETCHECKRANGEMODE(0);
  vlmSETDELTATS(2.0);
  vlmSETMAXITERATION(5);
  vlmSETDELTAPRESSURE(1.0);
  vlmSETINITWATERDENSITY(700.0);
  vlmSETINITSTEAMDENSITY(5.0);
  vlmGETLASTERRORDESCRIPTION();
  EXPECT_EQ(vlmGETLASTERROR(), 3);
}

TEST_F(Frame, SetLastErrorKeepsOnlyValidCodes) {
  EXPECT_EQ(vlmSETLASTERROR(-3), 3);
  EXPECT_EQ(vlmGETLASTERROR(), 3);
  EXPECT_EQ(vlmSETLASTERROR(4), 4);
  EXPECT_EQ(vlmSETLASTERROR(-4), 4);
  EXPECT_EQ(vlmSETLASTERROR(9), 0);
  EXPECT_EQ(vlmGETLASTERROR(), 0);
  EXPECT_EQ(vlmSETLASTERROR(5), 0);
  EXPECT_EQ(vlmSETLASTERROR(-5), 0);
  EXPECT_EQ(vlmSETLASTERROR(INT_MIN), 0);
  EXPECT_EQ(vlmSETLASTERROR(INT_MAX), 0);
}

TEST_F(Frame, EnglishTextOfEveryCode) {
  vlmtest::removeProductKey();
  for (int code = 0; code <= 4; ++code) {
    vlmSETLASTERROR(code);
    EXPECT_STREQ(vlmGETLASTERRORDESCRIPTION(), kEnglish[code]) << code;
  }
  vlmSETLASTERROR(9);
  EXPECT_STREQ(vlmGETLASTERRORDESCRIPTION(), "No error occurs");
}

TEST_F(Frame, LanguageValueChoosesTheTexts) {
  vlmSETLASTERROR(4);
  vlmtest::removeProductKey();
  EXPECT_STREQ(vlmGETLASTERRORDESCRIPTION(), kEnglish[4]) << "no key";
  vlmtest::removeLanguageValue();
  EXPECT_STREQ(vlmGETLASTERRORDESCRIPTION(), kEnglish[4]) << "no value";
  for (const char* russian : {"Russian", "RUSSIAN", "russian", "rUsSiAn"}) {
    vlmtest::setLanguage(russian);
    EXPECT_EQ(vlmGETLASTERRORDESCRIPTION(), kRussianUnknownRegion) << russian;
  }
  for (const char* other : {"Russian ", " Russian", "Russia", "English", "", "Russian\xe9"}) {
    vlmtest::setLanguage(other);
    EXPECT_STREQ(vlmGETLASTERRORDESCRIPTION(), kEnglish[4]) << '"' << other << '"';
  }
  // Read afresh on every call: the change shows at once.
  vlmtest::setLanguage("Russian");
  vlmSETLASTERROR(0);
  EXPECT_EQ(vlmGETLASTERRORDESCRIPTION(), kRussianNoError);
  vlmtest::removeProductKey();
}

TEST_F(Frame, OverlongLanguageValueCountsAsMissing) {
  vlmSETLASTERROR(0);
  using namespace std::string_literals;
  // A value the reader would take for "Russian" if it cut it short at the buffer's end.
  vlmtest::setLanguage("Russian\0"s + std::string(300, 'x'));
  EXPECT_STREQ(vlmGETLASTERRORDESCRIPTION(), kEnglish[0]);
  // The same shape within the 255 bytes is read, and the text ends at its zero.
  vlmtest::setLanguage("Russian\0"s + std::string(246, 'x'));  // 254 bytes and the terminator
  EXPECT_EQ(vlmGETLASTERRORDESCRIPTION(), kRussianNoError);
  vlmtest::setLanguage("Russian\0"s + std::string(247, 'x'));  // one byte too many
  EXPECT_STREQ(vlmGETLASTERRORDESCRIPTION(), kEnglish[0]);
  vlmtest::removeProductKey();
}

}  // namespace
