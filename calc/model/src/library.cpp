#include "vlm/calc/library.hpp"

namespace vlm::calc {

const Library& Library::linked() {
  // Row order: V, S, H, U, CP, CV, W, TC, DV, KV, Prandtl.
  static const Library library{
      {vlmVPT, vlmSPT, vlmHPT, vlmUPT, vlmCPPT, vlmCVPT, vlmWPT, vlmTHERMCONDPT, vlmDYNVISPT, vlmKINVISPT,
       vlmPRANDTLEPT},
      {vlmVSWT, vlmSSWT, vlmHSWT, vlmUSWT, vlmCPSWT, vlmCVSWT, vlmWSWT, vlmTHERMCONDSWT, vlmDYNVISSWT, vlmKINVISSWT,
       vlmPRANDTLESWT},
      {vlmVSST, vlmSSST, vlmHSST, vlmUSST, vlmCPSST, vlmCVSST, vlmWSST, vlmTHERMCONDSST, vlmDYNVISSST, vlmKINVISSST,
       vlmPRANDTLESST},
      {vlmVSTX, vlmSSTX, vlmHSTX, vlmUSTX},
      vlmSURFTENT,
      vlmRST,
      vlmTSP,
      vlmPST,
      vlmGETLASTERROR,
      vlmGETLASTERRORDESCRIPTION,
      vlmSETCHECKRANGEMODE,
  };
  return library;
}

}  // namespace vlm::calc
