' Drives VLMCalculator from the script host's VBScript engine; exits with the number of
' failed checks.
Option Explicit
Dim failures : failures = 0
Sub Check(what, ok)
  If ok Then
    WScript.Echo "ok   " & what
  Else
    WScript.Echo "FAIL " & what
    failures = failures + 1
  End If
End Sub

Dim vlm, p, v, text, refused
Set vlm = CreateObject("vlm.VLMCalculator")

p = vlm.vlmPST(373.15)
Check "saturation pressure at 373.15 K is about 101418 Pa: " & p, Abs(p - 101417.98) < 0.1
Check "a method name in lower case binds too", vlm.vlmpst(373.15) = p
Check "the library reports no error", vlm.vlmGETLASTERROR() = 0

v = vlm.vlmVPT(3000000, 250)
Check "vlmVPT below 273.16 K returns -1: " & v, v = -1
Check "the code is 2 (out of range)", vlm.vlmGETLASTERROR = 2
text = vlm.vlmGETLASTERRORDESCRIPTION
Check "its text: " & text, text = "Function is not defined for this parameters range"

Check "a number given as text is converted", Abs(vlm.vlmPST("373.15") - p) <= 1e-9 * p
refused = False
On Error Resume Next
vlm.vlmPST "warm"
If Err.Number <> 0 Then refused = True
Err.Clear
On Error GoTo 0
Check "text that is no number is refused", refused
Check "and leaves the code as it was", vlm.vlmGETLASTERROR() = 0

WScript.Quit failures
