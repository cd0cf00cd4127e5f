# What makes the build fast without changing what is built: ccache and mold when they are
# installed. Both are optional; without them the build is the same, only slower.
include(CheckLinkerFlag)

option(VERDOMO_CCACHE "Compile through ccache when it is installed" ON)
option(VERDOMO_MOLD "Link with mold when it is installed" ON)

# The cache lives outside the build tree (ccache's own folder), so a fresh clone reuses what an
# earlier clone compiled: paths below the source folder are hashed relative to it, and the
# working directory is left out of the hash of objects with debug information. The depend mode
# takes the included files from the compiler's own dependency output, so a miss costs no extra
# run of the preprocessor.
find_program(VERDOMO_CCACHE_PROGRAM ccache)
if(VERDOMO_CCACHE AND VERDOMO_CCACHE_PROGRAM)
  set(launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=true
    CCACHE_DEPEND=true
    ${VERDOMO_CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
  message(STATUS "Compiling through ${VERDOMO_CCACHE_PROGRAM}")
endif()

find_program(VERDOMO_MOLD_PROGRAM mold)
if(VERDOMO_MOLD AND VERDOMO_MOLD_PROGRAM)
  check_linker_flag(CXX "-fuse-ld=mold" VERDOMO_LINKER_MOLD)
  if(VERDOMO_LINKER_MOLD)
    add_link_options(-fuse-ld=mold)
    message(STATUS "Linking with ${VERDOMO_MOLD_PROGRAM}")
  endif()
endif()

# Each target's sources are compiled in batches, one translation unit per batch: the Qt,
# GoogleTest and standard headers are parsed, and their templates instantiated, once per batch
# instead of once per file, which halves the build. Names at file scope must therefore be
# unique within a target, also in anonymous namespaces. The batch files include their sources
# by paths relative to themselves (CMake's own unity build writes absolute ones), so that a
# clone in another folder compiles the same text and ccache finds it.
option(VERDOMO_UNITY_BUILD "Compile each target's sources in batches" ON)
set(VERDOMO_BATCH_SIZE 8)

function(verdomo_batch_target_sources target)
  get_target_property(type ${target} TYPE)
  if(NOT type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
    return()
  endif()
  get_target_property(sources ${target} SOURCES)
  get_target_property(source_dir ${target} SOURCE_DIR)
  get_target_property(binary_dir ${target} BINARY_DIR)
  set(batch_dir ${binary_dir}/${target}_batches)
  set(batch "")
  set(in_batch 0)
  set(index 0)
  foreach(source IN LISTS sources)
    cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir} OUTPUT_VARIABLE absolute)
    get_source_file_property(skip ${absolute} TARGET_DIRECTORY ${target}
      SKIP_UNITY_BUILD_INCLUSION)
    if(NOT source MATCHES "\\.cpp$" OR skip)
      continue()
    endif()
    cmake_path(RELATIVE_PATH absolute BASE_DIRECTORY ${batch_dir} OUTPUT_VARIABLE relative)
    string(APPEND batch "#include \"${relative}\"\n")
    set_source_files_properties(${absolute} TARGET_DIRECTORY ${target}
      PROPERTIES HEADER_FILE_ONLY ON)
    math(EXPR in_batch "${in_batch} + 1")
    if(in_batch EQUAL VERDOMO_BATCH_SIZE)
      file(CONFIGURE OUTPUT ${batch_dir}/batch_${index}.cpp CONTENT "${batch}")
      target_sources(${target} PRIVATE ${batch_dir}/batch_${index}.cpp)
      math(EXPR index "${index} + 1")
      set(batch "")
      set(in_batch 0)
    endif()
  endforeach()
  if(in_batch GREATER 0)
    file(CONFIGURE OUTPUT ${batch_dir}/batch_${index}.cpp CONTENT "${batch}")
    target_sources(${target} PRIVATE ${batch_dir}/batch_${index}.cpp)
  endif()
endfunction()

# Batches the sources of every target below `folder`; called once all targets exist.
function(verdomo_batch_sources folder)
  if(NOT VERDOMO_UNITY_BUILD)
    return()
  endif()
  get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target IN LISTS targets)
    verdomo_batch_target_sources(${target})
  endforeach()
  get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
  foreach(subfolder IN LISTS subfolders)
    verdomo_batch_sources(${subfolder})
  endforeach()
endfunction()
