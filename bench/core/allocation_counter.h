#pragma once
// Heap allocations made by the benchmark program so far (it replaces operator new).

namespace benchutil {
long allocationCount();
}
