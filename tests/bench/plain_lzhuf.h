/* A plain LZHUF decoder for the benchmarks to compare the program's with. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

/* The next byte of the compressed stream, or -1 at its end. */
typedef int (*PlainLzhufGetc)(void* context);
/* Takes the next decoded byte. */
typedef void (*PlainLzhufPutc)(void* context, int byte);

/* Decodes `count` bytes (or a few more: the last match is written whole);
 * input that runs out reads as zero bits. */
void PlainLzhufDecode(long count, PlainLzhufGetc get, PlainLzhufPutc put, void* context);

#ifdef __cplusplus
}
#endif
