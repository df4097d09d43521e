#pragma once
// How the process keeps the memory it frees.

// Keeps freed memory in the process instead of handing it back to the system at once: a long
// export allocates and frees the same page buffers and compressor state for every page, and
// giving that memory back and faulting it in again costs more than the drawing.
void KeepFreedMemory();
