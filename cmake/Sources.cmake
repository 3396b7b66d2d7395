# Collects the .cpp files directly inside the given folders (not their sub-folders), so a
# new source file needs no edit of the build files.
function(xgorvo_sources out)
    set(files)
    foreach(dir ${ARGN})
        file(GLOB found CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()
