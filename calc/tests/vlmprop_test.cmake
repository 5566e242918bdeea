# vlmprop through its real process: cmake -DVLMPROP=<program> -DWORK=<scratch dir> -P vlmprop_test.cmake
cmake_policy(VERSION 3.20)
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(english "${WORK}/english.reg")
set(russian "${WORK}/russian.reg")
file(WRITE "${russian}" "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Brindlow\\Velmora]\n\"Language\"=\"Russian\"\n")
set(failures 0)

# run(STORE <file> EXPECT <status> [INPUT <file>] ARGS ...): the output lands in `out`, the errors in `err`.
function(run)
  cmake_parse_arguments(RUN "" "STORE;EXPECT;INPUT" "ARGS" ${ARGN})
  set(input)
  if(RUN_INPUT)
    set(input INPUT_FILE ${RUN_INPUT})
  endif()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env VLM_REGISTRY=${RUN_STORE} XDG_CONFIG_HOME=${WORK}/user ${VLMPROP} ${RUN_ARGS}
    OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status ${input})
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

# Usage errors: status 2 and one line that points to --help.
foreach(args "vlmNOSUCH;1" "vlmVPT;1" "vlmVPT;1;x2" "vlmVPT;1e400;300" "--nonsense" "batch"
             "table;pt;20;MPa;300;C;--digits;abc" "table;pt;20;MPa;300;C;--digits;99" "table;pt;20;MPa;300;C;--digits;0"
             "table;pt;20;MPa;300;C;--digits;2.5")
  run(STORE ${english} EXPECT 2 ARGS ${args})
  expect("${err}" "^vlmprop: [^\n]+ \\(see vlmprop --help\\)\n$" "usage error of ${args}")
endforeach()
run(STORE ${english} EXPECT 2 ARGS vlmVPT 1e400 300)
expect("${err}" "out of range: 1e400" "a number beyond a double")
run(STORE ${english} EXPECT 2 ARGS table pt 20 MPa 300 C --digits 99)
expect("${err}" "from 1 to 15, not 99" "--digits 99")
run(STORE ${english} EXPECT 0 ARGS table pt 20 MPa 300 C --digits 15)
expect("${out}" "\nSpecific volume: +1\\.36108824177[0-9]+e-003 m3/kg\n" "--digits 15")

run(STORE ${english} EXPECT 0 ARGS --version)
expect("${out}" "^vlmprop [0-9]+\\.[0-9]+\\.[0-9]+\n$" "--version")

# The list of exports, with units, the parameters in one column whatever the name's length.
run(STORE ${english} EXPECT 0 ARGS --list)
expect_lines("${out}" 136 "--list")
expect("${out}" "\nvlmR3PTR0 +\\(p \\[Pa\\], t \\[K\\], r0 \\[kg/m3\\]\\) -> double: density \\[kg/m3\\]\n" "--list")
expect("${out}" "\nvlmTHERMCONDPT +\\(p \\[Pa\\], t \\[K\\]\\) -> double: thermal conductivity \\[W/\\(m K\\)\\]\n" "--list")
string(REGEX MATCHALL "[^\n]+" lines "${out}")
set(columns)
foreach(line IN LISTS lines)
  string(REGEX MATCH "^vlm[A-Z0-9]+ *" name "${line}")
  string(LENGTH "${name}" width)
  list(APPEND columns ${width})
endforeach()
list(REMOVE_DUPLICATES columns)
list(LENGTH columns distinct)
if(NOT distinct EQUAL 1)
  message(SEND_ERROR "--list: the parameters start in columns ${columns}")
endif()

# A batch: good, out-of-range and malformed rows, each answered in its own row and counted.
set(rows "${WORK}/rows.csv")
file(WRITE "${rows}" "# p, t\n3000000,300\n 3e6 , 300\n1e9,300\nabc,300\n1,2,3\n1e400,300\n\n20e6,573.15\r\n")
set(h300 "115331\\.27302143[0-9]+")
foreach(source FILE STDIN)
  if(source STREQUAL FILE)
    run(STORE ${english} EXPECT 1 ARGS batch HPT ${rows})
  else()
    run(STORE ${english} EXPECT 1 INPUT ${rows} ARGS batch vlmhpt)
  endif()
  expect("${out}" "^3000000,300,${h300},0\n3e6,300,${h300},0\n1e9,300,-1,2\nabc,300,,-1\n1,2,3,,-1\n1e400,300,,-1\n20e6,573\\.15,[0-9.]+,0\n$" "batch from ${source}")
  expect("${err}" "^vlmprop: line 5: not a number: abc\nvlmprop: line 6: 2 value\\(s\\) expected, 3 found\nvlmprop: line 7: out of range: 1e400\nvlmprop: 7 row\\(s\\), 3 could not be read, 1 failed\n$" "batch counts from ${source}")
endforeach()
# Full precision: 17 significant digits.
string(REGEX MATCH "\n20e6,573\\.15,([0-9.]+)," _ "${out}")
string(REGEX REPLACE "[^0-9]" "" digits "${CMAKE_MATCH_1}")
string(LENGTH "${digits}" count)
if(count LESS 17)
  message(SEND_ERROR "batch: ${CMAKE_MATCH_1} has fewer than 17 digits")
endif()
file(WRITE "${rows}" "1000000,400\n")
run(STORE ${english} EXPECT 0 ARGS batch HPT ${rows})

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

run(STORE ${english} EXPECT 1 ARGS table px 1 MPa 150 % --json)
expect("${out}" "\"mode\": \"F\\(P, X\\)\"" "F(P, X) mode")
expect("${out}" "\\{\"row\": \"V\", \"label\": \"Specific volume:\", \"text\": \"Function is not defined for this parameters range\", \"unit\": \"m3/kg\", \"error\": true\\}" "F(P, X) failed row")
expect("${out}" "\\{\"row\": \"Ps\", \"label\": \"Saturation temperature:\", \"text\": \"453\\.04\", \"unit\": \"K\", \"error\": false\\}" "F(P, X) Ts")

run(STORE ${russian} EXPECT 0 ARGS table tx 200 C 0.5 дол.)
expect_lines("${out}" 7 "F(T, X)")
expect("${out}" "^F\\(T, X\\), Температура: 200 °C, Степень сухости: 0\\.5 дол\\.\n" "F(T, X) header")
expect("${out}" "\nДавление насыщения: +1\\.5547e\\+006 Па\n" "F(T, X) ps")
expect("${out}" "\nОбъем: +6\\.4189e-002 м3/кг\n" "F(T, X) volume")

# Out of range and the range check: a row with an error text makes the status 1.
run(STORE ${english} EXPECT 1 ARGS table pt 150 MPa 300 K)
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
