cmake_policy(VERSION 3.20)
# Writes, from the method list (export names in dispatch-identifier order) and the export
# declarations of the public header, the two descriptions of the automation interface:
#   the interface description (IDL) that the type library is compiled from, and
#   the C++ method table, one line a method in dispatch-identifier order:
#     VLM_METHOD(vlmPST, D_D, "t")
# with the signature code of the export list (result, '_', one letter per parameter:
# D double, I int, S text, V none) and the parameter names.
#   -DMETHODS=automation_methods.txt -DHEADER=vlmcore5.h -DIDL=out.idl -DTABLE=out.inc -DPLATFORM=win32|win64
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/header_exports.cmake)
vlm_read_exports("${HEADER}" E)

file(STRINGS "${METHODS}" methods REGEX "^vlm")
set(letter_double D)
set(letter_int I)
set("letter_const char*" S)
set(idl_double double)
set(idl_int long)
set("idl_const char*" BSTR)

set(seen)
set(table "// Generated from core/functions.table and vlmcore5.h: the automation methods in dispatch-identifier order.\n")
set(funcs)
set(id 0)
foreach(name IN LISTS methods)
  string(STRIP "${name}" name)
  if(NOT DEFINED E_${name}_RESULT)
    message(FATAL_ERROR "${METHODS}: ${name} is not an export of ${HEADER}")
  endif()
  if(name IN_LIST seen)
    message(FATAL_ERROR "${METHODS}: ${name} is listed twice")
  endif()
  list(APPEND seen ${name})
  math(EXPR id "${id} + 1")

  set(code "${letter_${E_${name}_RESULT}}_")
  set(args)
  if(NOT E_${name}_TYPES)
    string(APPEND code "V")
  endif()
  set(i 0)
  foreach(type IN LISTS E_${name}_TYPES)
    string(APPEND code "${letter_${type}}")
    list(GET E_${name}_PARAMS ${i} pname)
    list(APPEND args "${idl_${type}} ${pname}")
    math(EXPR i "${i} + 1")
  endforeach()
  list(JOIN E_${name}_PARAMS ", " pnames)
  list(JOIN args ", " args)
  string(APPEND table "VLM_METHOD(${name}, ${code}, \"${pnames}\")\n")
  string(APPEND funcs "    [id(${id})] ${idl_${E_${name}_RESULT}} ${name}(${args});\n")
endforeach()

set(idl "// Generated from core/functions.table and vlmcore5.h: the type library of the automation server.
import \"oaidl.idl\";

[
  uuid(6F1D2A90-4C3B-4E7A-9B15-2D8C7E4F1A36),
  version(5.1),
  lcid(0x0409),
  helpstring(\"Velmora 5.1\")
]
library vlmcore5
{
  importlib(\"stdole2.tlb\");

  [uuid(A3E57C21-8B94-4F06-B2D3-7C1E9A5F4B08)]
  dispinterface IVLMCalculator
  {
  properties:
  methods:
${funcs}  };

  [uuid(D84B1F6E-2A57-4C93-8E0F-5B6A3C2D9E71)]
  coclass VLMCalculator
  {
    [default] dispinterface IVLMCalculator;
  };
}
")
vlm_write_if_changed("${IDL}" "${idl}")
vlm_write_if_changed("${TABLE}" "${table}")
