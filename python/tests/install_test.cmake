# Installs the python component into a fresh prefix and imports velmora from there alone.
#   -DBUILD=<build dir> -DPREFIX=<scratch prefix> -DSITE=<site dir below the prefix> -DPYTHON=<interpreter>
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --component python --prefix ${PREFIX}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "install failed")
endif()
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env PYTHONPATH=${PREFIX}/${SITE} ${PYTHON} -c
          "import velmora; print(velmora.__file__); print(velmora.h_pt(3e6, 300.0))"
  WORKING_DIRECTORY ${PREFIX} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out MATCHES "^${PREFIX}/${SITE}/velmora/__init__.py\n115331.27302")
  message(FATAL_ERROR "the installed package does not import from ${PREFIX}/${SITE}: ${out}${err}")
endif()
foreach(file __init__.pyi py.typed _error.py)
  if(NOT EXISTS ${PREFIX}/${SITE}/velmora/${file})
    message(FATAL_ERROR "${file} not installed")
  endif()
endforeach()
# With the default prefix the package lands where the interpreter looks without PYTHONPATH.
execute_process(COMMAND ${PYTHON} -c "import sys; print('/usr/local/${SITE}' in sys.path)" OUTPUT_VARIABLE on_path)
if(NOT on_path STREQUAL "True\n")
  message(FATAL_ERROR "/usr/local/${SITE} is not on ${PYTHON}'s path")
endif()
