// Drives VLMCalculator from the script host's JScript engine; exits with the number of
// failed checks.
var failures = 0;
function check(what, ok) {
  WScript.Echo((ok ? "ok   " : "FAIL ") + what);
  if (!ok) failures++;
}
function near(a, b) { return Math.abs(a - b) <= 1e-9 * Math.abs(b); }

var vlm = new ActiveXObject("vlm.VLMCalculator");

var p = vlm.vlmPST(373.15);
check("saturation pressure at 373.15 K is about 101418 Pa: " + p, Math.abs(p - 101417.98) < 0.1);
check("a method name in lower case binds too", vlm.vlmpst(373.15) === p);
check("the library reports no error: " + vlm.vlmGETLASTERROR(), vlm.vlmGETLASTERROR() === 0);

var v = vlm.vlmVPT(3000000, 250);
check("vlmVPT below 273.16 K returns -1: " + v, v === -1);
check("the code is 2 (out of range)", vlm.vlmGETLASTERROR() === 2);
var text = vlm.vlmGETLASTERRORDESCRIPTION();
check("its text: " + text, text === "Function is not defined for this parameters range");

check("a number given as text is converted", near(vlm.vlmPST("373.15"), p));
var refused = false;
try { vlm.vlmPST("warm"); } catch (e) { refused = true; }
check("text that is no number is refused", refused);
check("and leaves the code as it was", vlm.vlmGETLASTERROR() === 0);

WScript.Quit(failures);
