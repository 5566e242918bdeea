// Settings and error-state exports.  None of them touches the last-error code except
// vlmSETLASTERROR; setters store what they are given, unvalidated.
#include "faces/process_settings.hpp"
#include "vlm/error_messages.hpp"
#include "vlmcore5.h"

using vlm::settings;

namespace {
constexpr auto relaxed = std::memory_order_relaxed;

template <class T>
T store(std::atomic<T>& item, T value) {
  item.store(value, relaxed);
  return value;
}
}  // namespace

extern "C" {

VLM_API int VLM_CALL vlmGETCHECKRANGEMODE(void) { return settings().checkRange.load(relaxed); }
VLM_API int VLM_CALL vlmSETCHECKRANGEMODE(int mode) { return store(settings().checkRange, mode != 0 ? 1 : 0); }

VLM_API double VLM_CALL vlmGETDELTATS(void) { return settings().deltaTs.load(relaxed); }
VLM_API double VLM_CALL vlmSETDELTATS(double delta) { return store(settings().deltaTs, delta); }

VLM_API int VLM_CALL vlmGETMAXITERATION(void) { return settings().maxIteration.load(relaxed); }
VLM_API int VLM_CALL vlmSETMAXITERATION(int maxiteration) { return store(settings().maxIteration, maxiteration); }

VLM_API double VLM_CALL vlmGETDELTAPRESSURE(void) { return settings().deltaPressure.load(relaxed); }
VLM_API double VLM_CALL vlmSETDELTAPRESSURE(double delta) { return store(settings().deltaPressure, delta); }

VLM_API double VLM_CALL vlmGETINITWATERDENSITY(void) { return settings().initWaterDensity.load(relaxed); }
VLM_API double VLM_CALL vlmSETINITWATERDENSITY(double density) { return store(settings().initWaterDensity, density); }

VLM_API double VLM_CALL vlmGETINITSTEAMDENSITY(void) { return settings().initSteamDensity.load(relaxed); }
VLM_API double VLM_CALL vlmSETINITSTEAMDENSITY(double density) { return store(settings().initSteamDensity, density); }

VLM_API int VLM_CALL vlmGETLASTERROR(void) { return vlm::lastError(); }

VLM_API int VLM_CALL vlmSETLASTERROR(int ErrCode) {
  // The absolute value, computed without overflow for the most negative int.
  const long long magnitude = ErrCode < 0 ? -static_cast<long long>(ErrCode) : ErrCode;
  const int code = magnitude <= vlm::kUnknownRegion ? static_cast<int>(magnitude) : vlm::kNoError;
  vlm::setLastError(code);
  return code;
}

VLM_API const char* VLM_CALL vlmGETLASTERRORDESCRIPTION(void) {
  return vlm::errorMessage(vlm::lastError(), vlm::currentLanguage());
}

}  // extern "C"
