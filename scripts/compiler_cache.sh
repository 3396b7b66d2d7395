# Sourced by the build scripts: when ccache is installed, compilations are reused across
# build folders and clones (a second CI run on the same machine builds in minutes).
if command -v ccache >/dev/null 2>&1 && [ -z "${CMAKE_CXX_COMPILER_LAUNCHER:-}" ]; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
fi
