# The VBA module of vlmcore5 (Velmora.bas), for Excel, 32- and
# 64-bit, from the reference table (included by reference.cmake, which has read it):
#   - every export declared for both VBA 7 (Office 2010 on, PtrSafe, LongPtr) and VBA 6;
#   - the settings and error-state exports public, for macros;
#   - every other export private under "dll_<name>", behind a public worksheet function of
#     the export's own name that shows the library's error text in the cell where the export
#     fails, instead of -1;
#   - VelmoraLoad(folder): loads vlmcore5.dll from a folder (by default the workbook's), so
#     that the declarations find it without PATH.
# The text has CRLF line ends, as the VBA editor's import expects.

# "ByVal p As Double, ByVal t As Double" of one export.
function(vlm_vba_params name out)
  set(list)
  foreach(param IN LISTS R_${name}_PARAMS)
    vlm_split_param("${param}")
    if(p_type STREQUAL "double")
      list(APPEND list "ByVal ${p_name} As Double")
    else()
      list(APPEND list "ByVal ${p_name} As Long")
    endif()
  endforeach()
  list(JOIN list ", " text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(vlm_vba_type name pointer out)
  if(R_${name}_TYPE STREQUAL "double")
    set(${out} Double PARENT_SCOPE)
  elseif(R_${name}_TYPE STREQUAL "int")
    set(${out} Long PARENT_SCOPE)
  else()
    set(${out} ${pointer} PARENT_SCOPE)
  endif()
endfunction()

# The Declare statements of one branch: "PtrSafe " and LongPtr for VBA 7, "" and Long for VBA 6.
function(vlm_vba_declares safe pointer out)
  set(text "")
  foreach(name IN LISTS R_NAMES)
    vlm_vba_params(${name} params)
    vlm_vba_type(${name} ${pointer} type)
    if(R_${name}_FAMILY STREQUAL "settings")
      string(APPEND text "Public Declare ${safe}Function ${name} Lib \"vlmcore5.dll\" (${params}) As ${type}\n")
    else()
      string(APPEND text "Private Declare ${safe}Function dll_${name} Lib \"vlmcore5.dll\" Alias \"${name}\" (${params}) As ${type}\n")
    endif()
  endforeach()
  string(APPEND text "Private Declare ${safe}Function LoadLibraryW Lib \"kernel32\" (ByVal path As ${pointer}) As ${pointer}\n")
  string(APPEND text "Private Declare ${safe}Function lstrlenA Lib \"kernel32\" (ByVal text As ${pointer}) As Long\n")
  string(APPEND text "Private Declare ${safe}Sub CopyMemory Lib \"kernel32\" Alias \"RtlMoveMemory\" (ByRef destination As Any, ByVal source As ${pointer}, ByVal length As Long)\n")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(vlm_reference_vba out)
  set(text "Attribute VB_Name = \"Velmora\"\n")
  string(APPEND text "' Water and steam properties from vlmcore5.dll in VBA and in worksheet cells.\n")
  string(APPEND text "' Generated from the library's export table; import it into a workbook (File > Import File\n")
  string(APPEND text "' in the VBA editor).  Arguments and results are SI: Pa, K, kg/m3, m3/kg, J/kg, J/(kg K),\n")
  string(APPEND text "' m/s, W/(m K), Pa s, m2/s, N/m.  A worksheet function that fails shows the library's\n")
  string(APPEND text "' error text in its cell; the declared dll_ functions return -1 and leave the code in\n")
  string(APPEND text "' vlmGETLASTERROR, as the library does.\n")
  string(APPEND text "Option Explicit\n\n")
  vlm_vba_declares("PtrSafe " LongPtr vba7)
  vlm_vba_declares("" Long vba6)
  string(APPEND text "#If VBA7 Then\n${vba7}#Else\n${vba6}#End If\n\n")
  string(APPEND text [[Private loaded As Boolean

' Loads vlmcore5.dll from folder (by default the folder of the workbook holding this
' module); once loaded, every declaration above finds it.  True when the DLL is loaded.
Public Function VelmoraLoad(Optional ByVal folder As String = "") As Boolean
    If folder = "" Then folder = ThisWorkbook.Path
    If Right$(folder, 1) <> "\" Then folder = folder & "\"
    loaded = LoadLibraryW(StrPtr(folder & "vlmcore5.dll")) <> 0
    VelmoraLoad = loaded
End Function

' The library's text for its last error (English or Russian, as the library is set).
Public Function VelmoraErrorText() As String
    Dim text As String, length As Long
#If VBA7 Then
    Dim address As LongPtr
#Else
    Dim address As Long
#End If
    address = vlmGETLASTERRORDESCRIPTION()
    If address = 0 Then Exit Function
    length = lstrlenA(address)
    If length = 0 Then Exit Function
    Dim bytes() As Byte
    ReDim bytes(0 To length - 1)
    CopyMemory bytes(0), address, length
    VelmoraErrorText = StrConv(bytes, vbUnicode)
End Function

' The cell's value: the result, or the error text where the export failed.
Private Function Shown(ByVal value As Double) As Variant
    If value = -1 Then
        If vlmGETLASTERROR() <> 0 Then
            Shown = VelmoraErrorText()
            Exit Function
        End If
    End If
    Shown = value
End Function

Private Sub Ready()
    If Not loaded Then VelmoraLoad
End Sub

]])
  foreach(name IN LISTS R_NAMES)
    if(R_${name}_FAMILY STREQUAL "settings")
      continue()
    endif()
    vlm_param_texts(${name})
    vlm_vba_params(${name} args)
    vlm_result_text(${name} result)
    string(APPEND text "' ${result} from ${with_units}\n")
    string(APPEND text "Public Function ${name}(${args}) As Variant\n")
    string(APPEND text "    Ready\n    ${name} = Shown(dll_${name}(${bare}))\nEnd Function\n\n")
  endforeach()
  string(REPLACE "\n" "\r\n" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
