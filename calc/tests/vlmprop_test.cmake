# vlmprop through its real process: cmake -DVLMPROP=<program> -DWORK=<scratch dir> -P vlmprop_test.cmake
cmake_policy(VERSION 3.20)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(english "${WORK}/english.reg")
set(russian "${WORK}/russian.reg")
file(WRITE "${russian}" "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"Language\"=\"Russian\"\n")
set(failures 0)

# run(STORE <file> EXPECT <status> ARGS ...): the output lands in `out`, the errors in `err`.
function(run)
  cmake_parse_arguments(RUN "" "STORE;EXPECT" "ARGS" ${ARGN})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env VLM_REGISTRY=${RUN_STORE} XDG_CONFIG_HOME=${WORK}/user ${VLMPROP} ${RUN_ARGS}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL RUN_EXPECT)
    message(SEND_ERROR "vlmprop ${RUN_ARGS}: status ${status}, expected ${RUN_EXPECT}\n${output}${errors}")
  endif()
  set(out "${output}" PARENT_SCOPE)
  set(err "${errors}" PARENT_SCOPE)
endfunction()

function(expect text pattern what)
  if(NOT text MATCHES "${pattern}")
    message(SEND_ERROR "${what}: no match for '${pattern}' in:\n${text}")
  endif()
endfunction()

function(expect_lines text count what)
  string(REGEX MATCHALL "\n" newlines "${text}")
  list(LENGTH newlines n)
  if(NOT n EQUAL count)
    message(SEND_ERROR "${what}: ${n} lines, expected ${count}:\n${text}")
  endif()
endfunction()

# A value, with 15 significant digits; names ignore letter case and the prefix.
run(STORE ${english} EXPECT 0 ARGS vlmVPT 3000000 300)
expect("${out}" "^0\\.00100215167968669\n$" "vlmVPT")
run(STORE ${english} EXPECT 0 ARGS h1pt 3000000 300)
expect("${out}" "^115331\\.27302143[0-9]\n$" "h1pt")

# Errors: the library's text on standard error, status 1; in Russian as UTF-8.
run(STORE ${english} EXPECT 1 ARGS vlmTSP 1e9)
expect("${err}" "^Function is not defined for this parameters range\n$" "vlmTSP error")
run(STORE ${russian} EXPECT 1 ARGS vlmtsp 1e9)
expect("${err}" "^Функция не определена для данного диапазона\n$" "vlmTSP error in Russian")
run(STORE ${english} EXPECT 2 ARGS vlmNOSUCH 1)
run(STORE ${english} EXPECT 2 ARGS vlmVPT 1)
run(STORE ${english} EXPECT 2 ARGS vlmVPT 1 x2)

# The list of exports.
run(STORE ${english} EXPECT 0 ARGS --list)
expect_lines("${out}" 136 "--list")
expect("${out}" "\nvlmR3PTR0 +\\(p, t, r0\\) -> double\n" "--list")

# A table in each mode.
run(STORE ${english} EXPECT 0 ARGS table "F(P, T)" 20 MPa 300 C)
expect_lines("${out}" 12 "F(P, T)")
expect("${out}" "^F\\(P, T\\), Pressure: 20 MPa, Temperature: 300 °C\n" "F(P, T) header")
expect("${out}" "\nSpecific volume: +1\\.3611e-003 m3/kg\n" "F(P, T) volume")
expect("${out}" "\nPrandtl number: +0\\.84242\n" "F(P, T) Prandtl")

run(STORE ${english} EXPECT 0 ARGS table ps 1 bar --phase steam --unit "Ps=C")
expect_lines("${out}" 15 "F(Pнас)")
expect("${out}" "^F\\(Pнас\\) \\(steam\\), Pressure: 1 bar\n" "F(Pнас) header")
expect("${out}" "\nSaturation temperature: +99\\.606 °C\n" "F(Pнас) Ts")
expect("${out}" "\nSpecific volume: +1\\.694 m3/kg\n" "F(Pнас) steam volume")

run(STORE ${english} EXPECT 0 ARGS table "f(tнас)" 100 °C --unit ps=kPa --unit ST=mN/m --digits 3)
expect_lines("${out}" 15 "F(Tнас)")
expect("${out}" "\nSaturation pressure: +101 kPa\n" "F(Tнас) ps")
expect("${out}" "\nSurface tension: +58\\.9 mN/m\n" "F(Tнас) surface tension")

run(STORE ${english} EXPECT 0 ARGS table px 1 MPa 150 % --json)
expect("${out}" "\"mode\": \"F\\(P, X\\)\"" "F(P, X) mode")
expect("${out}" "\\{\"row\": \"V\", \"label\": \"Specific volume:\", \"text\": \"Function is not defined for this parameters range\", \"unit\": \"m3/kg\", \"error\": true\\}" "F(P, X) failed row")
expect("${out}" "\\{\"row\": \"Ps\", \"label\": \"Saturation temperature:\", \"text\": \"453\\.04\", \"unit\": \"K\", \"error\": false\\}" "F(P, X) Ts")

run(STORE ${russian} EXPECT 0 ARGS table tx 200 C 0.5 дол.)
expect_lines("${out}" 7 "F(T, X)")
expect("${out}" "^F\\(T, X\\), Температура: 200 °C, Степень сухости: 0\\.5 дол\\.\n" "F(T, X) header")
expect("${out}" "\nДавление насыщения: +1\\.5547e\\+006 Па\n" "F(T, X) ps")
expect("${out}" "\nОбъем: +6\\.4189e-002 м3/кг\n" "F(T, X) volume")

# Out of range and the range check.
run(STORE ${english} EXPECT 0 ARGS table pt 150 MPa 300 K)
expect("${out}" "\nSpecific volume: +Function is not defined for this parameters range\n" "range check on")
run(STORE ${english} EXPECT 0 ARGS table pt 150 MPa 300 K --no-range-check)
expect("${out}" "\nSpecific volume: +9\\.48e-004 m3/kg\n" "range check off")

# Usage errors.
run(STORE ${english} EXPECT 2 ARGS table pt 20 furlongs 300 K)
run(STORE ${english} EXPECT 2 ARGS table qq 20 MPa)
run(STORE ${english} EXPECT 2 ARGS table ps 20 MPa 300 K)

# The table never writes the calculator's settings.
foreach(store ${english} ${russian})
  if(EXISTS "${store}")
    file(READ "${store}" text)
    if(text MATCHES "Velmora Calculator")
      message(SEND_ERROR "vlmprop table wrote its settings into ${store}")
    endif()
  endif()
endforeach()
