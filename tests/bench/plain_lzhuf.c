/* A plain LZHUF decoder, the yardstick of the skin decoding benchmark: the
 * format decoded the straightforward way, one function per step, each byte
 * in and out through a procedure of the caller's, as with getc and putc. It
 * is written for comparison only; the program never links it. */
#include "plain_lzhuf.h"

#include <string.h>

#define N 4096                       /* ring buffer size */
#define F 60                         /* longest match */
#define THRESHOLD 2                  /* matches are longer than this */
#define N_CHAR (256 - THRESHOLD + F) /* literals and match lengths */
#define T (N_CHAR * 2 - 1)           /* nodes of the code tree */
#define R (T - 1)                    /* its root */
#define MAX_FREQ 0x8000              /* the root's count that halves all */

static unsigned char text_buf[N];
static unsigned short freq[T + 1];
static short prnt[T + N_CHAR];
static short son[T];

static unsigned short getbuf;
static unsigned char getlen;

static PlainLzhufGetc get_byte;
static PlainLzhufPutc put_byte;
static void* io_context;

static unsigned char d_code[256];
static unsigned char d_len[256];

static int ReadByte(void) {
    return get_byte(io_context);
}

static void WriteByte(int c) {
    put_byte(io_context, c);
}

/* The upper six bits of a distance: 1 value of 3 bits, 3 of 4, 8 of 5,
 * 12 of 6, 24 of 7 and 16 of 8, each owning the bytes that begin with it. */
static void MakePositionTables(void) {
    static const int values[] = {1, 3, 8, 12, 24, 16};
    int group, v, k, byte = 0, code = 0;
    for (group = 0; group < 6; group++) {
        int bits = group + 3;
        for (v = 0; v < values[group]; v++, code++) {
            for (k = 0; k < 1 << (8 - bits); k++, byte++) {
                d_code[byte] = (unsigned char)code;
                d_len[byte] = (unsigned char)bits;
            }
        }
    }
}

static int GetBit(void) {
    int i;
    while (getlen <= 8) {
        if ((i = ReadByte()) < 0)
            i = 0;
        getbuf |= i << (8 - getlen);
        getlen += 8;
    }
    i = getbuf;
    getbuf <<= 1;
    getlen--;
    return (i >> 15) & 1;
}

static int GetByte(void) {
    unsigned i;
    while (getlen <= 8) {
        int c = ReadByte();
        if (c < 0)
            c = 0;
        getbuf |= c << (8 - getlen);
        getlen += 8;
    }
    i = getbuf;
    getbuf <<= 8;
    getlen -= 8;
    return (int)(i >> 8);
}

static void StartHuff(void) {
    int i, j;
    for (i = 0; i < N_CHAR; i++) {
        freq[i] = 1;
        son[i] = (short)(i + T);
        prnt[i + T] = (short)i;
    }
    i = 0;
    j = N_CHAR;
    while (j <= R) {
        freq[j] = (unsigned short)(freq[i] + freq[i + 1]);
        son[j] = (short)i;
        prnt[i] = prnt[i + 1] = (short)j;
        i += 2;
        j++;
    }
    freq[T] = 0xffff;
    prnt[R] = 0;
}

static void Reconst(void) {
    int i, j, k;
    unsigned f;
    j = 0;
    for (i = 0; i < T; i++) {
        if (son[i] >= T) {
            freq[j] = (unsigned short)((freq[i] + 1) / 2);
            son[j] = son[i];
            j++;
        }
    }
    for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
        f = (unsigned)freq[i] + freq[i + 1];
        for (k = j - 1; f < freq[k]; k--)
            ;
        k++;
        memmove(&freq[k + 1], &freq[k], (size_t)(j - k) * sizeof freq[0]);
        freq[k] = (unsigned short)f;
        memmove(&son[k + 1], &son[k], (size_t)(j - k) * sizeof son[0]);
        son[k] = (short)i;
    }
    for (i = 0; i < T; i++) {
        k = son[i];
        if (k >= T)
            prnt[k] = (short)i;
        else
            prnt[k] = prnt[k + 1] = (short)i;
    }
}

static void Update(int c) {
    int i, j, k, l;
    if (freq[R] == MAX_FREQ)
        Reconst();
    c = prnt[c + T];
    do {
        k = ++freq[c];
        if ((unsigned)k > freq[l = c + 1]) {
            while ((unsigned)k > freq[++l])
                ;
            l--;
            freq[c] = freq[l];
            freq[l] = (unsigned short)k;

            i = son[c];
            prnt[i] = (short)l;
            if (i < T)
                prnt[i + 1] = (short)l;

            j = son[l];
            son[l] = (short)i;

            prnt[j] = (short)c;
            if (j < T)
                prnt[j + 1] = (short)c;
            son[c] = (short)j;

            c = l;
        }
    } while ((c = prnt[c]) != 0);
}

static int DecodeChar(void) {
    unsigned c = (unsigned)son[R];
    while (c < T) {
        c += GetBit();
        c = (unsigned)son[c];
    }
    c -= T;
    Update((int)c);
    return (int)c;
}

static int DecodePosition(void) {
    unsigned i, j, c;
    i = (unsigned)GetByte();
    c = (unsigned)d_code[i] << 6;
    j = d_len[i];
    j -= 2;
    while (j--)
        i = (i << 1) + GetBit();
    return (int)(c | (i & 0x3f));
}

void PlainLzhufDecode(long count, PlainLzhufGetc get, PlainLzhufPutc put, void* context) {
    int i, j, k, r, c;
    long written;
    get_byte = get;
    put_byte = put;
    io_context = context;
    getbuf = 0;
    getlen = 0;
    MakePositionTables();
    StartHuff();
    memset(text_buf, 0, sizeof text_buf);
    for (i = 0; i < N - F; i++)
        text_buf[i] = ' ';
    r = N - F;
    for (written = 0; written < count;) {
        c = DecodeChar();
        if (c < 256) {
            WriteByte(c);
            text_buf[r++] = (unsigned char)c;
            r &= N - 1;
            written++;
        } else {
            i = (r - DecodePosition() - 1) & (N - 1);
            j = c - 255 + THRESHOLD;
            for (k = 0; k < j; k++) {
                c = text_buf[(i + k) & (N - 1)];
                WriteByte(c);
                text_buf[r++] = (unsigned char)c;
                r &= N - 1;
                written++;
            }
        }
    }
}
