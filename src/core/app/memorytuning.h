#pragma once

// Allocator settings for the whole process, made once at start-up before any
// thread exists. Building a page allocates and frees hundreds of thousands of
// small XML nodes; glibc parks freed small blocks in "fast bins" and merges
// them all again on the next large allocation or free, which cost a large
// page about a seventh of its time. Without fast bins a block is merged as it
// is freed. Freed memory is also kept for the next page rather than given
// back to the system at once.
void TuneMemoryAllocator();
