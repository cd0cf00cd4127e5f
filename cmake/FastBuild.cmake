# What makes the build fast without changing what is built: ccache and mold when they are
# installed. Both are optional; without them the build is the same, only slower.
include(CheckLinkerFlag)

option(VERDOMO_CCACHE "Compile through ccache when it is installed" ON)
option(VERDOMO_MOLD "Link with mold when it is installed" ON)

# The cache lives outside the build tree (ccache's own folder), so a fresh clone reuses what an
# earlier clone compiled: paths below the source folder are hashed relative to it, and the
# working directory is left out of the hash of objects with debug information.
find_program(VERDOMO_CCACHE_PROGRAM ccache)
if(VERDOMO_CCACHE AND VERDOMO_CCACHE_PROGRAM)
  set(launcher ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${CMAKE_SOURCE_DIR} CCACHE_NOHASHDIR=true
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
# unique within a target, also in anonymous namespaces.
option(VERDOMO_UNITY_BUILD "Compile each target's sources in batches" ON)
if(VERDOMO_UNITY_BUILD)
  set(CMAKE_UNITY_BUILD ON)
  set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)
endif()
