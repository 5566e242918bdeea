# Builds the wheel from the source tree, installs it in a fresh virtual environment that sees
# Debian's packages, and runs the Python tests against the installed package from outside the
# source tree.
#   -DSOURCE=<source dir> -DWORK=<scratch dir> -DPYTHON=<interpreter> -DLIBRARY=<libvlmcore5.so>
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
function(run what)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${what} failed (${status})")
  endif()
endfunction()
set(env ${WORK}/env)
run("making the environment" ${PYTHON} -m venv --system-site-packages ${env})
run("building the wheel" ${CMAKE_COMMAND} -E env VELMORA_CMAKE_BUILD_DIR=${WORK}/cmake VELMORA_BUILD_BASE=${WORK}/setuptools
    ${env}/bin/pip wheel --no-build-isolation --no-deps --no-index -q -w ${WORK}/dist ${SOURCE})
file(GLOB wheel ${WORK}/dist/velmora-*.whl)
if(NOT wheel)
  message(FATAL_ERROR "no wheel in ${WORK}/dist")
endif()
run("installing the wheel" ${env}/bin/pip install --no-deps --no-index -q ${wheel})
execute_process(COMMAND ${env}/bin/python -c "import velmora; print(velmora.__file__)"
                WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE where)
if(NOT where MATCHES "^${env}/lib/")
  message(FATAL_ERROR "velmora imports from ${where}, not from the environment")
endif()
file(GLOB module ${env}/lib/python*/site-packages/velmora/_velmora*.so)
if(CMAKE_HOST_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  run("the lanes' calling convention" ${PYTHON} ${SOURCE}/cmake/lanes_abi.py ${module})
endif()
run("the tests" ${CMAKE_COMMAND} -E env VLMCORE5_LIBRARY=${LIBRARY} VLM_REGISTRY=${WORK}/none.reg
    XDG_CONFIG_HOME=${WORK}/none ${env}/bin/python -m pytest -q -p no:cacheprovider ${SOURCE}/python/tests)
