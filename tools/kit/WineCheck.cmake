# Windows build, under Wine: accented arguments reach verdelune-kit.exe intact through wmain,
# and its output is UTF-8 with bare LF line ends. ctest runs it as
#   cmake -DRUN=<scripts/wine-run> -DKIT=<verdelune-kit.exe> -P WineCheck.cmake
function(run_kit out_var status_var)
  execute_process(COMMAND ${RUN} ${KIT} ${ARGN} OUTPUT_VARIABLE out RESULT_VARIABLE status)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${status_var} "${status}" PARENT_SCOPE)
endfunction()

set(text "Déjà vu à 5 € ÿ")
run_kit(hex status encrypt "${text}" --key "clé")
if(NOT status EQUAL 0 OR NOT hex MATCHES "^[0-9A-F]+\n$")
  message(FATAL_ERROR "encrypt gave status ${status} and '${hex}'")
endif()
string(STRIP "${hex}" hex)
run_kit(plain status decrypt "${hex}" --key "clé")
if(NOT plain STREQUAL "${text}\n")
  message(FATAL_ERROR "decrypt gave '${plain}' (status ${status}), expected '${text}'")
endif()

# Outside Windows-1252: refused, not turned into '?' by an ANSI conversion on the way in.
run_kit(out status encrypt "中文")
if(status EQUAL 0)
  message(FATAL_ERROR "encrypt accepted a text outside Windows-1252: '${out}'")
endif()

run_kit(answer status answer 12345 1)
run_kit(full status challenge-hex 12345)
string(SUBSTRING "${full}" 0 4 head)
if(NOT answer STREQUAL "%${head}1\n")
  message(FATAL_ERROR "answer '${answer}' does not match challenge-hex '${full}'")
endif()
