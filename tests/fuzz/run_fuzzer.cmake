# Runs one libFuzzer target for SECONDS seconds over a fresh copy of the seed corpus in WORK;
# the seeds themselves are never written. Any finding fails the test: a crash or sanitizer
# report (exit 77), an input that runs longer than 10 s (exit 78), a leak or more than 2 GB of
# memory. The input that caused it is left in WORK/artifacts.
#   cmake -DFUZZER=<target> -DSEEDS=<folder> -DWORK=<folder> -DSECONDS=<n> -P run_fuzzer.cmake
foreach(variable FUZZER SEEDS WORK SECONDS)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "run_fuzzer.cmake needs -D${variable}=...")
  endif()
endforeach()

# The targets write their files in a private folder under TMPDIR. Unless TMPDIR says otherwise
# that folder is memory-backed: the project target saves the way the desktop program does, and
# every save waits for the disk.
if("$ENV{TMPDIR}" STREQUAL "" AND IS_DIRECTORY /dev/shm)
  set(ENV{TMPDIR} /dev/shm)
endif()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/artifacts)
file(COPY ${SEEDS}/ DESTINATION ${WORK}/corpus)

execute_process(
  COMMAND ${FUZZER} ${WORK}/corpus
    -max_total_time=${SECONDS} -timeout=10 -rss_limit_mb=2048
    -error_exitcode=77 -timeout_exitcode=78
    -artifact_prefix=${WORK}/artifacts/ -print_final_stats=1
  OUTPUT_VARIABLE log ERROR_VARIABLE log
  RESULT_VARIABLE result)
file(WRITE ${WORK}/fuzz.log "${log}")

if(NOT result EQUAL 0)
  # The report of the finding is at the end of the log.
  string(LENGTH "${log}" length)
  if(length GREATER 20000)
    math(EXPR start "${length} - 20000")
    string(SUBSTRING "${log}" ${start} -1 log)
  endif()
  file(GLOB artifacts ${WORK}/artifacts/*)
  message(FATAL_ERROR "${log}\n${FUZZER} exited with ${result}; the input: ${artifacts}; "
                      "the whole log: ${WORK}/fuzz.log")
endif()
string(REGEX MATCHALL "stat::[a-z_]+: *[0-9]+" stats "${log}")
string(REPLACE ";" "\n" stats "${stats}")
message("${stats}")
