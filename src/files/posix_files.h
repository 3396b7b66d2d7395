#pragma once
// The POSIX file calls the readers and the atomic writer use where the system has them
// (exclusive creation, flushing to the disk, telling a pipe from a file); elsewhere the
// standard library's portable calls stand in and XGORVO_POSIX_FILES stays undefined.

#if defined(__unix__) || defined(__APPLE__)
#define XGORVO_POSIX_FILES 1
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
