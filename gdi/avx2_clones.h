#pragma once

// Marks a function to be built twice, for AVX2 and for any x86-64 processor, the build to run
// being chosen when the program loads. The choice needs the loader's indirect functions (ifunc),
// which ELF platforms have and Windows executables do not: there the function is built once, for
// the baseline processor.
#if defined(__ELF__) && defined(__x86_64__)
#define TOLVANE_AVX2_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define TOLVANE_AVX2_CLONES
#endif
