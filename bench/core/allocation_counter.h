#pragma once
// Counts the allocations of the whole benchmark program, so a benchmark can report how
// many of them one operation makes.

long allocationCount();
